#include "shell/line_reader.h"

#include <cstring>
#include <ostream>

namespace tev {
namespace {

constexpr char kEndMark = 26;

} // namespace

LineReader::LineReader(std::istream& in, size_t maxLength)
    : in_(in), maxLength_(maxLength), block_(new char[kBlockSize]) {}

bool LineReader::Fill() {
    begin_ = 0;
    end_ = 0;
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr) return false;
    const std::streamsize got = buffer->sgetn(block_.get(), kBlockSize);
    end_ = got > 0 ? static_cast<size_t>(got) : 0;
    return end_ > 0;
}

LineReader::PartEnd LineReader::TakePart(std::string_view& part) {
    const char* start = block_.get() + begin_;
    const size_t available = end_ - begin_;
    const void* newline = std::memchr(start, '\n', available);
    const size_t length = newline ? static_cast<const char*>(newline) - start : available;
    if (const void* mark = std::memchr(start, kEndMark, length)) {
        part = std::string_view(start, static_cast<const char*>(mark) - start);
        begin_ = end_;
        return PartEnd::EndMark;
    }
    part = std::string_view(start, length);
    begin_ += newline ? length + 1 : length;
    return newline ? PartEnd::Newline : PartEnd::BlockEnd;
}

// What goes beyond the line's length is lost, and counts as a cut unless it is only the
// carriage return.
std::string_view LineReader::Fitting(std::string_view part, size_t kept) {
    const size_t room = maxLength_ > kept ? maxLength_ - kept : 0;
    if (part.size() <= room) return part;
    if (part.find_first_not_of('\r', room) != std::string_view::npos) lastCut_ = true;
    return part.substr(0, room);
}

bool LineReader::Next(std::string_view& line) {
    lastCut_ = false;
    if (ended_) return false;
    size_t consumed = 0; // characters of this line read, its line feed included
    bool joining = false;
    for (;;) {
        if (begin_ == end_ && !Fill()) {
            ended_ = true;
            if (consumed == 0) return false;
            break;
        }
        std::string_view part;
        const PartEnd how = TakePart(part);
        consumed += part.size() + (how == PartEnd::Newline ? 1 : 0);
        if (how == PartEnd::EndMark) {
            ended_ = true;
            if (consumed == 0) return false;
        }
        if (how != PartEnd::BlockEnd && !joining) {
            // The common case: the whole line lies in one block.
            line = Fitting(part, 0);
            break;
        }
        if (!joining) joined_.clear();
        joining = true;
        joined_.append(Fitting(part, joined_.size()));
        if (how != PartEnd::BlockEnd) break;
    }
    if (joining) line = joined_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber_;
    if (lastCut_) ++cutLines_;
    return true;
}

bool LineReader::Next(std::string& line) {
    std::string_view view;
    if (!Next(view)) {
        line.clear();
        return false;
    }
    line.assign(view);
    return true;
}

void WriteLine(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write("\r\n", 2);
}

} // namespace tev
