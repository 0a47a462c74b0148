#pragma once
// Report file names: the default extension, and the copy of a report to the authority's
// network folder through the batch file "cop2ausw.bat".
#include "shell/engine.h"

#include <string>
#include <string_view>

namespace tev {

inline constexpr const char* kCopyBatchFile = "cop2ausw.bat";
inline constexpr const char* kDefaultOutputName = "auswert";

struct OutputFileName {
    std::string local;  // the file written in the work directory
    std::string remote; // its name in the network folder
    bool copy = false;  // a copy line belongs to it
};

// "name" gets the extension when it has no "."; "²name" also gets a copy line; "*local;remote"
// (or "*local remote") names both sides, the remote one folded to plain letters and "_".
OutputFileName SplitOutputFileName(std::string_view name, std::string_view defaultExtension);
// "copy local target\remote /Y".
std::string CopyBatchLine(const OutputFileName& name, std::string_view targetFolder);
// The network folder of the copies: TEV_COPY_TARGET, else "..\auswert".
std::string CopyTargetFolder();

// The local name (at most 85 characters); appends the copy line to "cop2ausw.bat" in the work
// directory when the name asks for one.
std::string MakeOutputFileName(Engine& engine, std::string_view name,
                               std::string_view defaultExtension);

// A file of the work directory (absolute names stay as they are).
std::string WorkFilePath(const Engine& engine, std::string_view name);

} // namespace tev
