#include "output/output_file_name.h"

#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "shell/file_services.h"

#include <algorithm>

namespace tev {
namespace {

constexpr char kCopyMark = '\xB2';   // "²"
constexpr char kRemoteSlot = '\xB5'; // "µ"
constexpr size_t kMaxRemoteLength = 100;
constexpr size_t kMaxLocalLength = 85;

std::string WithExtension(std::string name, std::string_view extension) {
    if (name.find('.') == std::string::npos) name += extension;
    return name;
}

std::string RemoteForm(std::string_view text) {
    std::string remote = FoldAccents(text);
    std::replace_if(
        remote.begin(), remote.end(),
        [](char c) { return std::string_view(";,+/?& ").find(c) != std::string_view::npos; }, '_');
    return remote;
}

} // namespace

OutputFileName SplitOutputFileName(std::string_view name, std::string_view defaultExtension) {
    OutputFileName result;
    if (name.empty() || name.front() != '*') {
        std::string local(name);
        if (!local.empty() && local.front() == kCopyMark) {
            local = Trim(std::string_view(local).substr(1));
            result.copy = true;
        }
        if (local.empty()) local = kDefaultOutputName;
        result.local = WithExtension(local, defaultExtension);
        result.remote = result.local;
        return result;
    }
    const std::string_view rest = name.substr(1);
    const size_t separator = rest.find_first_of("; ");
    std::string local;
    std::string remote;
    if (separator == std::string_view::npos) {
        local = Trim(rest.substr(0, 8));
        remote = local;
    } else {
        local = Trim(rest.substr(0, separator));
        remote = Trim(rest.substr(separator + 1)).substr(0, kMaxRemoteLength);
    }
    remote = RemoteForm(remote);
    if (remote.empty()) remote = RemoteForm(local);
    if (local.empty()) local = remote;
    if (local.empty()) local = remote = kDefaultOutputName;
    // "µ" stands for the remote name; taken before the extension so it is not doubled.
    local = ReplaceAll(local, std::string(1, kRemoteSlot), remote);
    result.local = WithExtension(local, defaultExtension);
    result.remote = WithExtension(remote, defaultExtension);
    result.copy = true;
    return result;
}

std::string CopyBatchLine(const OutputFileName& name, std::string_view targetFolder) {
    return "copy " + name.local + " " + std::string(targetFolder) + "\\" + name.remote + " /Y";
}

std::string CopyTargetFolder() {
    const std::string configured = FileServices::EnvironmentValue("TEV_COPY_TARGET");
    return configured.empty() ? std::string("..\\auswert") : configured;
}

std::string MakeOutputFileName(Engine& engine, std::string_view name,
                               std::string_view defaultExtension) {
    OutputFileName file = SplitOutputFileName(name, defaultExtension);
    file.local.resize(std::min(file.local.size(), kMaxLocalLength));
    if (file.copy)
        AppendLineToFile(engine, kCopyBatchFile, CopyBatchLine(file, CopyTargetFolder()));
    return file.local;
}

std::string WorkFilePath(const Engine& engine, std::string_view name) {
    return (engine.workDirectory / std::filesystem::path(std::string(name))).string();
}

} // namespace tev
