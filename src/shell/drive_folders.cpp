#include "shell/drive_folders.h"

#include "output/text_routines.h"
#include "shell/line_reader.h"
#include "shell/startup.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace tev {
namespace {

// The letters the configuration file names, relative folders taken in the data directory.
DriveSettings ReadConfiguration(const std::string& dataPath) {
    DriveSettings settings;
    std::ifstream in(dataPath + kDriveConfigurationFile, std::ios::binary);
    if (!in) return settings;
    LineReader reader(in);
    std::string line;
    for (int count = 0; count < 100 && reader.Next(line); ++count) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string letter = Trim(line.substr(0, equals));
        std::string folder = Trim(line.substr(equals + 1));
        if (letter.size() != 1 || folder.empty()) continue;
        if (std::filesystem::path(folder).is_relative()) folder = dataPath + folder;
        switch (std::tolower(static_cast<unsigned char>(letter[0]))) {
        case 'a':
            settings.a = folder;
            break;
        case 'b':
            settings.b = folder;
            break;
        case 'v':
            settings.v = folder;
            break;
        default:
            break;
        }
    }
    return settings;
}

std::string Choose(const std::string& environment, const std::string& configured,
                   const std::string& fallback) {
    const std::string& folder = !environment.empty() ? environment : configured;
    return folder.empty() ? fallback : DataPathFromCurrentDirectory(folder);
}

} // namespace

DriveFolders ResolveDriveFolders(const std::string& dataPath, const DriveSettings& environment) {
    const DriveSettings configured = ReadConfiguration(dataPath);
    DriveFolders drives;
    drives.a = Choose(environment.a, configured.a, dataPath);
    drives.b = Choose(environment.b, configured.b, "");
    drives.v = Choose(environment.v, configured.v, dataPath);
    return drives;
}

} // namespace tev
