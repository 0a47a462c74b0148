#pragma once
// The engine holds every text as one byte per character: file contents in the DOS code page
// (CP850) exactly as read, program texts in the Windows code page (CP1252). These helpers are
// the only places where texts cross to and from UTF-8.
#include <string>
#include <string_view>

namespace tev {

// Program texts are written in UTF-8 in the source; this turns them into CP1252 bytes.
// Characters outside CP1252 become "?".
std::string Win(std::string_view utf8);

std::string Utf8FromWin(std::string_view cp1252);
std::string Utf8FromDos(std::string_view cp850);
// Characters outside CP850 become "?".
std::string DosFromUtf8(std::string_view utf8);

// How the faces show an engine text: CP1252, except that the DOS codes of the German umlauts,
// of "ß" and of "½" (which CP1252 leaves unused or almost never needs in this office) show as
// those letters, so lines mixing file data and program text read correctly.
std::string DisplayText(std::string_view bytes);

// True when the bytes are well-formed UTF-8 with at least one character beyond ASCII: a text
// in the Windows or DOS code page with umlauts practically never is.
bool LooksLikeUtf8(std::string_view bytes);

// Reverse of DisplayText for texts typed by the user: UTF-8 to CP1252.
inline std::string EngineTextFromUtf8(std::string_view utf8) {
    return Win(utf8);
}

} // namespace tev
