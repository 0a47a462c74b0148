#include "shell/file_services.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/file_name_rules.h"
#include "shell/line_reader.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

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

bool FileServices::WriteReplacing(std::string_view name, std::string_view bytes) {
    const ResolvedFileName file = ApplyFileNameRules(name);
    const std::string problem =
        file.path.empty() ? "kein Name" : ReplaceWholeFile(*disk_, file.path, bytes);
    if (problem.empty()) return true;
    log_.Write("WriteReplacing: " + file.path + ": " + problem);
    if (!file.silent)
        messages_.ShowInfo(Win("kein Platz(???) für: ") + file.path + " (" + problem + ")");
    return false;
}

// Whether the file could be opened for reading, without the cost of a stream.
bool FileServices::Exists(std::string_view name) {
    const ResolvedFileName file = ApplyFileNameRules(name);
    std::error_code ec;
    if (file.path.empty() || std::filesystem::is_directory(file.path, ec)) return false;
    const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::unique_ptr<DurableFile> FileServices::PrepareCopy(std::string_view source,
                                                       std::string_view destination,
                                                       std::string& problem) {
    const ResolvedFileName from = ApplyFileNameRules(source);
    const ResolvedFileName to = ApplyFileNameRules(destination);
    if (from.path == to.path || from.path.empty() || to.path.empty()) {
        problem = "gleicher Name";
        return nullptr;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(from.path, ec)) {
        problem = from.path + ": ist ein Ordner";
        return nullptr;
    }
    const int in = disk_->Open(from.path, O_RDONLY, 0);
    if (in < 0) {
        problem = from.path + ": " + std::strerror(errno);
        if (!from.silent) messages_.ShowInfo("nicht gefunden: " + from.path);
        return nullptr;
    }
    const auto time = std::filesystem::last_write_time(from.path, ec);
    auto copy = std::make_unique<DurableFile>(*disk_, to.path);
    TrackedBlock buffer = memory_.AllocTracked(kCopyBufferSize, "\x01sys:copybuf");
    auto* data = reinterpret_cast<char*>(buffer.bytes.get());
    bool complete = copy->Begin(ReplacementMode(to.path));
    while (complete) {
        const ssize_t got = disk_->Read(in, data, kCopyBufferSize);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            problem = from.path + ": " + std::strerror(errno);
            complete = false;
        }
        if (got <= 0) break;
        complete = copy->Write(std::string_view(data, static_cast<size_t>(got)));
    }
    disk_->Close(in);
    memory_.FreeTracked(buffer);
    if (complete) complete = copy->Finish();
    if (!complete) {
        if (problem.empty()) problem = to.path + ": " + copy->problem();
        if (!to.silent) messages_.ShowInfo(Win("kein Platz(???) für: ") + to.path);
        return nullptr;
    }
    if (!ec) copy->SetModificationTime(time);
    return copy;
}

bool FileServices::Copy(std::string_view source, std::string_view destination) {
    std::string problem;
    const std::unique_ptr<DurableFile> copy = PrepareCopy(source, destination, problem);
    if (copy && copy->Commit()) return true;
    if (copy) log_.Write("Copy: " + copy->target() + ": " + copy->problem());
    return false;
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
