#include "output/document_files.h"

#include <string>

namespace tev {
namespace {

// Far beyond any office's printouts; the search for a free name ends there.
constexpr int kLastNumber = 99999;

} // namespace

DocumentFiles::DocumentFiles(std::filesystem::path first, bool keepExisting)
    : first_(std::move(first)), keepExisting_(keepExisting), current_(first_) {}

std::filesystem::path DocumentFiles::Numbered(const std::filesystem::path& first, int number) {
    if (number <= 1) return first;
    std::filesystem::path path = first;
    path.replace_filename(first.stem().string() + "-" + std::to_string(number) +
                          first.extension().string());
    return path;
}

int DocumentFiles::UpcomingNumber() const {
    int number = number_ + 1;
    std::error_code error;
    while (keepExisting_ && number < kLastNumber &&
           std::filesystem::exists(Numbered(first_, number), error))
        ++number;
    return number;
}

const std::filesystem::path& DocumentFiles::Next() {
    number_ = UpcomingNumber();
    current_ = Numbered(first_, number_);
    return current_;
}

} // namespace tev
