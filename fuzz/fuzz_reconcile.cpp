// The reconciliation of the school-name file with a delivered "schuln_6.csv" on any bytes: the
// input is split at its first byte 0 into the two files' lines.
#include "data/school_file_reconcile.h"

#include <string>
#include <vector>

using namespace tev;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t split = text.find('\0');
    const std::string school = text.substr(0, split);
    const std::string delivered = split == std::string::npos ? "" : text.substr(split + 1);
    ReconcileSchoolLines(Lines(school), Lines(delivered));
    return 0;
}
