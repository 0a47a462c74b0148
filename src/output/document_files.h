#pragma once
// The files a run's printouts go to when there is no printer: the first document to the named
// file, further ones to its name with "-2", "-3", ... before the extension.
#include <filesystem>

namespace tev {

class DocumentFiles {
public:
    // keepExisting: files that exist already are passed over, so that a new run continues the
    // numbering instead of overwriting an earlier run's printouts. Without it the run's
    // documents go to exactly the named file and its numbered names.
    DocumentFiles(std::filesystem::path first, bool keepExisting);

    // Moves on to the next document; returns its file.
    const std::filesystem::path& Next();
    // The file of the last document begun (the named file before the first).
    const std::filesystem::path& Current() const { return current_; }
    // The file the next document will go to.
    std::filesystem::path Upcoming() const { return Numbered(first_, UpcomingNumber()); }

    static std::filesystem::path Numbered(const std::filesystem::path& first, int number);

private:
    int UpcomingNumber() const;

    std::filesystem::path first_;
    bool keepExisting_;
    int number_ = 0;
    std::filesystem::path current_;
};

} // namespace tev
