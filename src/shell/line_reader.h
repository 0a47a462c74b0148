#pragma once
// Reads a text file line by line as the office's programs wrote it: lines end with CR LF (or
// LF), a line keeps at most a fixed number of characters (the rest of an overlong line is
// skipped, so a garbage file cannot make us hold more than one line), and the DOS end mark
// 26 ends the file. The file is read in large blocks; a line is handed out as a view into the
// block whenever it lies within one.
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace tev {

// Lists read from files stop here, so that a garbage file cannot take all memory.
inline constexpr size_t kMaxListFileLines = 50000;

class LineReader {
public:
    static constexpr size_t kDefaultMaxLength = 255;

    explicit LineReader(std::istream& in, size_t maxLength = kDefaultMaxLength);

    // False at the end of the file.
    bool Next(std::string& line);
    // The same, without a copy: the view is valid until the next call.
    bool Next(std::string_view& line);

    // Number of the line last read (1-based) and whether it was cut.
    int lineNumber() const { return lineNumber_; }
    bool lastLineCut() const { return lastCut_; }
    int cutLines() const { return cutLines_; }

private:
    static constexpr size_t kBlockSize = 1 << 16;

    enum class PartEnd { Newline, EndMark, BlockEnd };

    bool Fill();
    // The part of the current line that lies in the block, and what ends it.
    PartEnd TakePart(std::string_view& part);
    // What of the part fits into a line that holds `kept` characters already.
    std::string_view Fitting(std::string_view part, size_t kept);

    std::istream& in_;
    size_t maxLength_;
    std::unique_ptr<char[]> block_;
    size_t begin_ = 0;
    size_t end_ = 0;
    // A line that runs over the end of a block is put together here.
    std::string joined_;
    int lineNumber_ = 0;
    int cutLines_ = 0;
    bool lastCut_ = false;
    bool ended_ = false;
};

// Appends "\r\n".
void WriteLine(std::ostream& out, std::string_view text);

} // namespace tev
