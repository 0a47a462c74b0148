#include "shell/trace_log.h"

#include <fstream>

namespace tev {

void TraceLog::Write(std::string_view text) const {
    if (!enabled()) return;
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    if (!out) return;
    out << text << "\r\n";
}

void TraceLog::Delete() const {
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
}

} // namespace tev
