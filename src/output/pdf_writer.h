#pragma once
// A PDF file of A4 pages drawn with the standard fonts: the document structure (objects,
// cross-reference table, trailer) around the pages' content streams.
#include <string>
#include <string_view>
#include <vector>

namespace tev {

inline constexpr double kA4WidthPt = 595.28;
inline constexpr double kA4HeightPt = 841.89;

struct PdfPage {
    bool landscape = false;
    std::string content; // the page's content stream
};

// The font resources /F1../F8: Courier, Courier-Bold, Courier-Oblique, Courier-BoldOblique,
// then the same four of Helvetica.
int PdfFontResource(bool helvetica, bool bold, bool italic);

// The whole file; a document without pages gets one empty page.
std::string PdfDocumentBytes(std::string_view title, const std::vector<PdfPage>& pages);

// A WinAnsi text as a PDF string literal body: "(", ")" and "\" escaped, control codes
// turned into blanks.
std::string PdfStringText(std::string_view text);
// A number for the content stream, at most two decimals, independent of the locale.
std::string PdfNumber(double value);

} // namespace tev
