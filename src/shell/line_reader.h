#pragma once
// Reads a text file line by line as the office's programs wrote it: lines end with CR LF (or
// LF), a line keeps at most a fixed number of characters (the rest of an overlong line is
// skipped, so a garbage file cannot make us hold more than one line), and the DOS end mark
// 26 ends the file.
#include <istream>
#include <string>

namespace tev {

// Lists read from files stop here, so that a garbage file cannot take all memory.
inline constexpr size_t kMaxListFileLines = 50000;

class LineReader {
public:
    static constexpr size_t kDefaultMaxLength = 255;

    explicit LineReader(std::istream& in, size_t maxLength = kDefaultMaxLength)
        : in_(in), maxLength_(maxLength) {}

    // False at the end of the file.
    bool Next(std::string& line);

    // Number of the line last read (1-based) and whether it was cut.
    int lineNumber() const { return lineNumber_; }
    bool lastLineCut() const { return lastCut_; }
    int cutLines() const { return cutLines_; }

private:
    std::istream& in_;
    size_t maxLength_;
    int lineNumber_ = 0;
    int cutLines_ = 0;
    bool lastCut_ = false;
    bool ended_ = false;
};

// Appends "\r\n".
void WriteLine(std::ostream& out, std::string_view text);

} // namespace tev
