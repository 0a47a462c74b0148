#include "shell/file_services.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/file_name_rules.h"
#include "shell/line_reader.h"

#include <cstdlib>
#include <filesystem>

namespace tev {
namespace {

constexpr size_t kCopyBufferSize = 28672;
const char* const kPageMark = "------neue Seite------";

std::string Silent(std::string_view name) {
    std::string silent(1, '-');
    silent.append(name);
    return silent;
}

} // namespace

bool FileServices::OpenForReading(std::string_view name, std::ifstream& in) {
    const ResolvedFileName file = ApplyFileNameRules(name);
    in.close();
    in.clear();
    std::error_code ec;
    if (!file.path.empty() && !std::filesystem::is_directory(file.path, ec)) {
        in.open(file.path, std::ios::binary);
    }
    if (in.is_open()) return true;
    if (!file.silent) messages_.ShowInfo("nicht gefunden: " + file.path);
    return false;
}

bool FileServices::OpenForOutput(std::string_view name, std::ofstream& out,
                                 std::ios::openmode mode) {
    const ResolvedFileName file = ApplyFileNameRules(name);
    out.close();
    out.clear();
    if (!file.path.empty()) out.open(file.path, std::ios::binary | mode);
    if (out.is_open()) return true;
    if (!file.silent) messages_.ShowInfo(Win("kein Platz(???) für: ") + file.path);
    return false;
}

bool FileServices::CreateForWriting(std::string_view name, std::ofstream& out) {
    return OpenForOutput(name, out, std::ios::trunc);
}

bool FileServices::OpenForAppending(std::string_view name, std::ofstream& out) {
    return OpenForOutput(name, out, std::ios::app);
}

bool FileServices::Exists(std::string_view name) {
    std::ifstream in;
    return OpenForReading(Silent(name), in);
}

bool FileServices::Copy(std::string_view source, std::string_view destination) {
    const ResolvedFileName from = ApplyFileNameRules(source);
    const ResolvedFileName to = ApplyFileNameRules(destination);
    if (from.path == to.path) return false;
    TrackedBlock buffer = memory_.AllocTracked(kCopyBufferSize, "\x01sys:copybuf");
    std::ifstream in;
    std::ofstream out;
    bool complete = false;
    std::error_code ec;
    if (OpenForReading(source, in) && CreateForWriting(destination, out)) {
        const auto size = std::filesystem::file_size(from.path, ec);
        const auto time = std::filesystem::last_write_time(from.path, ec);
        uintmax_t copied = 0;
        bool lastBlockWritten = true;
        auto* data = reinterpret_cast<char*>(buffer.bytes.get());
        while (in) {
            in.read(data, static_cast<std::streamsize>(kCopyBufferSize));
            const std::streamsize got = in.gcount();
            if (got <= 0) break;
            out.write(data, got);
            lastBlockWritten = static_cast<bool>(out);
            copied += static_cast<uintmax_t>(got);
        }
        out.close();
        lastBlockWritten = lastBlockWritten && !out.fail();
        if (!ec) std::filesystem::last_write_time(to.path, time, ec);
        complete = lastBlockWritten && copied == size;
    }
    memory_.FreeTracked(buffer);
    return complete;
}

std::string FileServices::BackupName(std::string_view name) {
    // The backup takes the place of the file name's extension; a dot in a directory name
    // must not decide, or every school would back up into one file outside its folder.
    const ResolvedFileName file = ApplyFileNameRules(name);
    const std::filesystem::path path(file.path);
    std::string stem = path.filename().string();
    const size_t dot = stem.find('.');
    if (dot != std::string::npos) stem.erase(dot);
    return (path.parent_path() / (stem + ".alt")).string();
}

bool FileServices::Backup(std::string_view name) {
    if (!name.empty() && name.front() == '\x03') {
        const std::string target = ApplyFileNameRules(name.substr(1)).path;
        const std::string fresh = target + ".$$$";
        std::error_code ec;
        if (!std::filesystem::exists(fresh, ec)) return false;
        const std::string backup = BackupName(target);
        std::filesystem::remove(backup, ec);
        if (std::filesystem::exists(target, ec)) std::filesystem::rename(target, backup, ec);
        std::filesystem::rename(fresh, target, ec);
        return !ec;
    }
    const bool silent = !name.empty() && name.front() == '-';
    return Copy(name, silent ? Silent(BackupName(name)) : BackupName(name));
}

bool FileServices::LoadListFile(std::string_view name, std::vector<std::string>& list,
                                bool lineDrawFont) {
    std::string_view fileName = name;
    if (!fileName.empty() && fileName.front() == '+') {
        fileName.remove_prefix(1);
        list.emplace_back(kPageMark);
    } else {
        list.clear();
    }
    log_.Write("sysicomm LoadLB: " + std::string(fileName));
    std::ifstream in;
    if (!OpenForReading(fileName, in)) return false;
    LineReader reader(in);
    std::string line;
    while (reader.Next(line) && list.size() < kMaxListFileLines) {
        if (lineDrawFont) line = ToOemText(line);
        if (!line.empty() && line.front() == '\f') {
            list.emplace_back(kPageMark);
            line.erase(0, 1);
        }
        // The reader already splits at every line feed, also at one without carriage return.
        list.push_back(line);
    }
    log_.Write("sysicomm LoadLB ende: " + std::string(fileName));
    return true;
}

std::string FileServices::EnvironmentValue(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? value : "";
}

} // namespace tev
