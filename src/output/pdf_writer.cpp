#include "output/pdf_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tev {
namespace {

const char* const kFontNames[] = {
    "Courier",   "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique"};
constexpr int kFontCount = 8;

// Objects: 1 catalog, 2 page tree, 3 info, 4..11 fonts, then page and content per page.
constexpr int kFirstFontObject = 4;
constexpr int kFirstPageObject = kFirstFontObject + kFontCount;

class ObjectWriter {
public:
    void Begin(int number) {
        if (static_cast<int>(offsets_.size()) < number) offsets_.resize(number);
        offsets_[number - 1] = bytes_.size();
        bytes_ += std::to_string(number) + " 0 obj\n";
    }
    void End() { bytes_ += "\nendobj\n"; }
    std::string& bytes() { return bytes_; }

    void Finish() {
        const size_t xref = bytes_.size();
        const size_t count = offsets_.size() + 1;
        bytes_ += "xref\n0 " + std::to_string(count) + "\n0000000000 65535 f \n";
        for (size_t offset : offsets_) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            bytes_ += entry;
        }
        bytes_ += "trailer\n<< /Size " + std::to_string(count) +
                  " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    }

private:
    std::string bytes_;
    std::vector<size_t> offsets_;
};

std::string FontResources() {
    std::string fonts = "<< /Font <<";
    for (int i = 0; i < kFontCount; ++i) {
        fonts +=
            " /F" + std::to_string(i + 1) + " " + std::to_string(kFirstFontObject + i) + " 0 R";
    }
    return fonts + " >> >>";
}

} // namespace

int PdfFontResource(bool helvetica, bool bold, bool italic) {
    return 1 + (helvetica ? 4 : 0) + (bold ? 1 : 0) + (italic ? 2 : 0);
}

std::string PdfStringText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\') escaped += '\\';
        escaped += static_cast<unsigned char>(c) < 32 ? ' ' : c;
    }
    return escaped;
}

std::string PdfNumber(double value) {
    const double rounded = std::round(value * 100.0) / 100.0;
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, rounded == 0.0 ? 0.0 : rounded,
                                   std::chars_format::fixed, 2);
    if (ec != std::errc()) return "0";
    std::string number(text, end);
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.') number.pop_back();
    return number;
}

std::string PdfDocumentBytes(std::string_view title, const std::vector<PdfPage>& documentPages) {
    std::vector<PdfPage> pages = documentPages;
    if (pages.empty()) pages.emplace_back();
    const int pageCount = static_cast<int>(pages.size());
    ObjectWriter out;
    out.bytes() = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";

    out.Begin(1);
    out.bytes() += "<< /Type /Catalog /Pages 2 0 R >>";
    out.End();
    out.Begin(2);
    out.bytes() += "<< /Type /Pages /Kids [";
    for (int i = 0; i < pageCount; ++i)
        out.bytes() += " " + std::to_string(kFirstPageObject + 2 * i) + " 0 R";
    out.bytes() += " ] /Count " + std::to_string(pageCount) + " >>";
    out.End();
    out.Begin(3);
    out.bytes() += "<< /Title (" + PdfStringText(title) + ") /Producer (tev) >>";
    out.End();
    for (int i = 0; i < kFontCount; ++i) {
        out.Begin(kFirstFontObject + i);
        out.bytes() += std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + kFontNames[i] +
                       " /Encoding /WinAnsiEncoding >>";
        out.End();
    }
    const std::string resources = FontResources();
    for (int i = 0; i < pageCount; ++i) {
        const PdfPage& page = pages[i];
        const int pageObject = kFirstPageObject + 2 * i;
        const double width = page.landscape ? kA4HeightPt : kA4WidthPt;
        const double height = page.landscape ? kA4WidthPt : kA4HeightPt;
        out.Begin(pageObject);
        out.bytes() += "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + PdfNumber(width) + " " +
                       PdfNumber(height) + "] /Resources " + resources + " /Contents " +
                       std::to_string(pageObject + 1) + " 0 R >>";
        out.End();
        out.Begin(pageObject + 1);
        out.bytes() += "<< /Length " + std::to_string(page.content.size()) + " >>\nstream\n" +
                       page.content + "\nendstream";
        out.End();
    }
    out.Finish();
    return std::move(out.bytes());
}

} // namespace tev
