#pragma once
// Where the office's drive letters point. Each letter is a folder: an environment variable
// (TEV_DRIVE_A, TEV_DRIVE_B, TEV_DRIVE_V) wins, else a line "a=FOLDER" of "laufwerke.ini" in
// the data directory (a relative folder lies in the data directory), else the default: the
// data directory for "a:" and "v:", none for the second diskette "b:".
#include <string>

namespace tev {

struct DriveFolders {
    std::string a; // the diskette
    std::string b; // the second diskette; empty: there is none
    std::string v; // the office drive
};

struct DriveSettings {
    std::string a; // the environment's values; empty: not set
    std::string b;
    std::string v;
};

inline constexpr const char* kDriveConfigurationFile = "laufwerke.ini";

// Every folder ends with the directory separator.
DriveFolders ResolveDriveFolders(const std::string& dataPath, const DriveSettings& environment);

} // namespace tev
