#pragma once
// Accounting of the large blocks the program reserves once and keeps: every reservation is
// checked against the size limit and, when "sysmem.log" exists, logged there.
#include "shell/messages.h"
#include "shell/trace_log.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tev {

struct TrackedBlock {
    std::unique_ptr<unsigned char[]> bytes;
    size_t size = 0;
    std::string label;
    explicit operator bool() const { return bytes != nullptr; }
};

class MemoryAccounting {
public:
    static constexpr size_t kSizeLimit = 0x7FFFF;

    MemoryAccounting(Messages& messages, const TraceLog& log, std::filesystem::path directory)
        : messages_(messages), log_(log), file_(directory / "sysmem.log") {}

    // The label's first character is the fill byte; a blank or a code of 0 or 1 is also
    // removed from the label. Above the size limit the program stops.
    TrackedBlock AllocTracked(size_t size, std::string_view label);
    void FreeTracked(TrackedBlock& block);
    // A buffer without label: above the limit a developer only gets a log line.
    TrackedBlock ReserveBuffer(size_t size);

    // One of the process-wide records that live as long as the program, accounted like a
    // block of its size.
    void AccountRecord(const void* record, size_t size, std::string_view label);

private:
    void CheckSize(size_t size, const std::string& label);
    void LogLine(const void* start, size_t size, std::string_view label) const;

    Messages& messages_;
    const TraceLog& log_;
    std::filesystem::path file_;
};

} // namespace tev
