#pragma once
// The system calls that writing a file durably needs, behind one interface so that tests can
// put a full disk, a failing close or a crash in their place.
#include <string>
#include <sys/types.h>

namespace tev {

class DiskCalls {
public:
    virtual ~DiskCalls() = default;

    // Each returns what the POSIX call returns (-1 with errno set on failure).
    virtual int Open(const std::string& path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const char* data, size_t size);
    virtual ssize_t Read(int fd, char* data, size_t size);
    virtual int Fsync(int fd);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Close(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Unlink(const std::string& path);
};

// The machine's own disk.
DiskCalls& RealDisk();

} // namespace tev
