#include "data/work_record.h"

namespace tev {

std::string ZepDirOf(const std::string& tevDir) {
    std::string dir = tevDir;
    const bool trailing = !dir.empty() && (dir.back() == '/' || dir.back() == '\\');
    if (trailing) dir.pop_back();
    const size_t start =
        dir.find_last_of("/\\") == std::string::npos ? 0 : dir.find_last_of("/\\") + 1;
    if (dir.compare(start, std::string::npos, "TEV") == 0) dir.replace(start, 3, "ZEP");
    return trailing ? dir + tevDir.back() : dir;
}

} // namespace tev
