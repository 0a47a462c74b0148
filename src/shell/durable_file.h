#pragma once
// Writing a file so that its previous content survives any failure: the new content goes to a
// temporary file beside the target, is flushed to the disk and closed with its result
// checked, and only then renamed over the target. Until Commit the target stays as it was.
#include "shell/disk_calls.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tev {

class DurableFile {
public:
    DurableFile(DiskCalls& disk, std::string target);
    // An unfinished or uncommitted temporary file is removed.
    ~DurableFile();
    DurableFile(const DurableFile&) = delete;
    DurableFile& operator=(const DurableFile&) = delete;

    // Creates the temporary file with exactly these permission bits (the umask does not apply,
    // so a replacement keeps the mode of the file it replaces).
    bool Begin(mode_t mode);
    bool Write(std::string_view bytes);
    // Flushes the data to the disk and closes the file; a write error that only shows at
    // close (network drives) counts as a failure.
    bool Finish();
    void SetModificationTime(std::filesystem::file_time_type time);
    // Renames the finished file over the target, then syncs the folder so that the new name
    // is on the disk too.
    bool Commit();

    const std::string& target() const { return target_; }
    const std::string& temporary() const { return temporary_; }
    // The step that failed and the system's reason.
    const std::string& problem() const { return problem_; }

private:
    bool Fail(const char* step);

    DiskCalls& disk_;
    std::string target_;
    std::string temporary_;
    std::string problem_;
    int fd_ = -1;
    bool finished_ = false;
    bool committed_ = false;
};

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string problem; // why the file could not be read
};

// Reads a whole regular file; a folder, a file that cannot be read to its end and a file above
// maxBytes are refused with their reason.
FileBytes ReadWholeFile(DiskCalls& disk, const std::string& path, size_t maxBytes);

// The permission bits a new version of `path` gets: those of the existing file, or for a new
// file the default that the umask leaves.
mode_t ReplacementMode(const std::string& path);

// Why an existing file must not be replaced (a folder, write-protected), or empty.
std::string ReplaceRefusal(const std::string& path);

// The whole file written anew through a DurableFile, keeping the old file's mode. Empty on
// success, else why not (the old file is then as it was).
std::string ReplaceWholeFile(DiskCalls& disk, const std::string& path, std::string_view bytes);

} // namespace tev
