#include "shell/durable_file.h"

#include "output/codepage.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tev {
namespace {

constexpr size_t kReadBlock = 28672;

std::string Reason(int error) {
    return std::strerror(error);
}

// The rename is only durable once the folder's entry is on the disk. Some file systems cannot
// sync a folder; the file itself is already synced then, so that is not treated as a failure.
void SyncFolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

DurableFile::DurableFile(DiskCalls& disk, std::string target)
    : disk_(disk), target_(std::move(target)), temporary_(target_ + ".$$$") {}

DurableFile::~DurableFile() {
    if (fd_ >= 0) disk_.Close(fd_);
    if (!committed_ && !temporary_.empty() && (fd_ >= 0 || finished_)) disk_.Unlink(temporary_);
}

bool DurableFile::Fail(const char* step) {
    problem_ = std::string(step) + ": " + Reason(errno);
    return false;
}

bool DurableFile::Begin(mode_t mode) {
    // A temporary file left by a crash is stale: it never replaced anything.
    disk_.Unlink(temporary_);
    fd_ = disk_.Open(temporary_, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd_ < 0) return Fail("anlegen");
    if (disk_.Fchmod(fd_, mode & 07777) != 0) return Fail("Rechte setzen");
    return true;
}

bool DurableFile::Write(std::string_view bytes) {
    if (fd_ < 0) return false;
    while (!bytes.empty()) {
        const ssize_t written = disk_.Write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return Fail("schreiben");
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool DurableFile::Finish() {
    if (fd_ < 0) return false;
    const bool synced = disk_.Fsync(fd_) == 0;
    const int syncError = errno;
    const bool closed = disk_.Close(fd_) == 0;
    fd_ = -1;
    finished_ = true;
    if (!synced) {
        errno = syncError;
        return Fail("auf die Platte bringen");
    }
    if (!closed)
        return Fail("schlie\xDF"
                    "en"); // CP1252, as every message
    return true;
}

void DurableFile::SetModificationTime(std::filesystem::file_time_type time) {
    std::error_code ignored;
    if (finished_) std::filesystem::last_write_time(temporary_, time, ignored);
}

bool DurableFile::Commit() {
    if (!finished_ || !problem_.empty()) return false;
    if (disk_.Rename(temporary_, target_) != 0) return Fail("umbenennen");
    committed_ = true;
    SyncFolderOf(target_);
    return true;
}

FileBytes ReadWholeFile(DiskCalls& disk, const std::string& path, size_t maxBytes) {
    FileBytes result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) {
        result.problem = "ist ein Ordner";
        return result;
    }
    const int fd = disk.Open(path, O_RDONLY, 0);
    if (fd < 0) {
        result.problem = Reason(errno);
        return result;
    }
    char block[kReadBlock];
    for (;;) {
        const ssize_t got = disk.Read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.problem = Reason(errno);
            break;
        }
        if (got == 0) {
            result.ok = true;
            break;
        }
        if (result.bytes.size() + static_cast<size_t>(got) > maxBytes) {
            result.problem = Win("größer als ") + std::to_string(maxBytes) + " Bytes";
            break;
        }
        result.bytes.append(block, static_cast<size_t>(got));
    }
    disk.Close(fd);
    if (!result.ok) result.bytes.clear();
    return result;
}

mode_t ReplacementMode(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string ReplaceRefusal(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    if (S_ISDIR(info.st_mode)) return "ist ein Ordner";
    if (!S_ISREG(info.st_mode)) return "ist keine Datei";
    // A file nobody may write is write-protected, also for an administrator, as on the
    // office's Windows drives.
    if ((info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        return Win("ist schreibgeschützt");
    return {};
}

std::string ReplaceWholeFile(DiskCalls& disk, const std::string& path, std::string_view bytes) {
    if (std::string refusal = ReplaceRefusal(path); !refusal.empty()) return refusal;
    DurableFile file(disk, path);
    if (file.Begin(ReplacementMode(path)) && file.Write(bytes) && file.Finish() && file.Commit())
        return {};
    return file.problem();
}

} // namespace tev
