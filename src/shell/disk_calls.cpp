#include "shell/disk_calls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tev {

int DiskCalls::Open(const std::string& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}

ssize_t DiskCalls::Write(int fd, const char* data, size_t size) {
    return ::write(fd, data, size);
}

ssize_t DiskCalls::Read(int fd, char* data, size_t size) {
    return ::read(fd, data, size);
}

int DiskCalls::Fsync(int fd) {
    return ::fsync(fd);
}

int DiskCalls::Fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int DiskCalls::Close(int fd) {
    return ::close(fd);
}

int DiskCalls::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str());
}

int DiskCalls::Unlink(const std::string& path) {
    return ::unlink(path.c_str());
}

DiskCalls& RealDisk() {
    static DiskCalls disk;
    return disk;
}

} // namespace tev
