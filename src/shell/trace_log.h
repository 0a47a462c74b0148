#pragma once
// The developer's trace log "syslog": one line per call, written only in developer mode.
#include <filesystem>
#include <string_view>

namespace tev {

class TraceLog {
public:
    explicit TraceLog(std::filesystem::path directory) : file_(directory / "syslog") {}

    void SetDeveloperMode(int mode) { developerMode_ = mode; }
    int developerMode() const { return developerMode_; }
    bool enabled() const { return (developerMode_ & 1) != 0; }

    // Appends one line when bit 0 of the developer mode is set; failures are silent.
    void Write(std::string_view text) const;
    // Every run starts a new log.
    void Delete() const;

private:
    std::filesystem::path file_;
    int developerMode_ = 0;
};

} // namespace tev
