#pragma once
// The directories every part reads: data set files, ZEP lists, and the data directory.
#include <string>

namespace tev {

struct WorkRecord {
    std::string tevDir;
    std::string zepDir;
    std::string dataPathCopy;
};

// TevDir with its last directory name "TEV" replaced by "ZEP".
std::string ZepDirOf(const std::string& tevDir);

} // namespace tev
