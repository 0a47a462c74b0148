#include "shell/line_reader.h"

#include <ostream>

namespace tev {

bool LineReader::Next(std::string& line) {
    line.clear();
    lastCut_ = false;
    if (ended_) return false;
    std::streambuf* buffer = in_.rdbuf();
    bool any = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof() || c == 26) {
            ended_ = true;
            if (!any) return false;
            break;
        }
        any = true;
        if (c == '\n') break;
        if (line.size() < maxLength_) {
            line += static_cast<char>(c);
        } else if (c != '\r') {
            lastCut_ = true;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++lineNumber_;
    if (lastCut_) ++cutLines_;
    return true;
}

void WriteLine(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write("\r\n", 2);
}

} // namespace tev
