#pragma once
// A disk that fails the way real ones do: full after a number of bytes, an error that only
// shows at sync or close, a file that cannot be read, or a crash at a rename. It keeps a log
// of the calls so that tests can check their order.
#include "shell/disk_calls.h"

#include <cerrno>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace tev::test {

struct SimulatedCrash : std::runtime_error {
    SimulatedCrash() : std::runtime_error("crash") {}
};

class FailingDisk : public DiskCalls {
public:
    size_t writeBudget = std::numeric_limits<size_t>::max(); // bytes until the disk is full
    bool failFsync = false;
    bool failClose = false;
    std::string unreadable;    // opening this path for reading fails (no permission)
    std::string failReadAfter; // reading this path fails after its first block
    int crashAtRename = -1;    // the n-th rename (0-based) never happens
    std::vector<std::string> calls;

    int Open(const std::string& path, int flags, mode_t mode) override {
        if (path == unreadable) {
            errno = EACCES;
            return -1;
        }
        const int fd = DiskCalls::Open(path, flags, mode);
        if (fd >= 0) paths_.resize(std::max<size_t>(paths_.size(), fd + 1)), paths_[fd] = path;
        calls.push_back("open " + path);
        return fd;
    }
    ssize_t Write(int fd, const char* data, size_t size) override {
        if (writeBudget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t part = std::min(size, writeBudget);
        writeBudget -= part;
        calls.push_back("write " + paths_[fd]);
        return DiskCalls::Write(fd, data, part);
    }
    ssize_t Read(int fd, char* data, size_t size) override {
        if (paths_[fd] == failReadAfter && readsDone_++ > 0) {
            errno = EIO;
            return -1;
        }
        return DiskCalls::Read(fd, data, size);
    }
    int Fsync(int fd) override {
        calls.push_back("fsync " + paths_[fd]);
        if (failFsync) {
            errno = EIO;
            return -1;
        }
        return DiskCalls::Fsync(fd);
    }
    int Close(int fd) override {
        calls.push_back("close " + paths_[fd]);
        const int result = DiskCalls::Close(fd);
        if (failClose) {
            errno = EIO;
            return -1;
        }
        return result;
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (renames_++ == crashAtRename) throw SimulatedCrash();
        calls.push_back("rename " + from + " " + to);
        return DiskCalls::Rename(from, to);
    }

private:
    std::vector<std::string> paths_;
    int renames_ = 0;
    int readsDone_ = 0;
};

} // namespace tev::test
