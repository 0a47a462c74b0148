#include "output/pdf_canvas.h"

#include "output/pdf_font_metrics.h"
#include "output/text_routines.h"
#include "shell/durable_file.h"

#include <algorithm>
#include <cctype>

namespace tev {
namespace {

constexpr double kPointsPerUnit = 72.0 / 254.0; // 0.1 mm in points
constexpr double kBaselineShare = 0.8;          // baseline below the top of the text

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsHelvetica(const PrintFont& font) {
    const std::string name = Lower(font.name);
    return name.find("arial") != std::string::npos || name.find("helvetica") != std::string::npos;
}

bool IsDosFont(const PrintFont& font) {
    return font.name == "MS LineDraw" || font.name == "Courier-OEM";
}

} // namespace

PdfCanvas::PdfCanvas(std::filesystem::path file, bool keepExisting)
    : files_(std::move(file), keepExisting) {}

PdfCanvas::~PdfCanvas() {
    try {
        if (inDocument_) EndDocument();
    } catch (...) {
        // A destructor must not throw; the file is then simply missing.
    }
}

bool PdfCanvas::BeginDocument(const std::string& title, PageOrientation orientation) {
    if (inDocument_) EndDocument();
    files_.Next();
    inDocument_ = true;
    title_ = title;
    nextLandscape_ = orientation == PageOrientation::Landscape;
    pages_.clear();
    pages_.push_back({nextLandscape_, {}});
    return true;
}

void PdfCanvas::NewPage() {
    if (!inDocument_) return;
    pages_.push_back({nextLandscape_, {}});
}

void PdfCanvas::EndDocument() {
    if (!inDocument_) return;
    inDocument_ = false;
    const std::filesystem::path path = files_.Current();
    // An earlier printout under the name stays whole unless the new one is complete.
    DurableFile out(RealDisk(), path.string());
    const bool written =
        ReplaceRefusal(path.string()).empty() && out.Begin(ReplacementMode(path.string())) &&
        out.Write(PdfDocumentBytes(title_, pages_)) && out.Finish() && out.Commit();
    pages_.clear();
    if (written) {
        written_.push_back(path);
    } else {
        failed_ = true;
    }
}

void PdfCanvas::SetOrientation(PageOrientation orientation) {
    nextLandscape_ = orientation == PageOrientation::Landscape;
    if (inDocument_ && !pages_.empty() && pages_.back().content.empty())
        pages_.back().landscape = nextLandscape_;
}

void PdfCanvas::SetFont(const PrintFont& font) {
    font_ = font;
}

double PdfCanvas::PageHeightPt() const {
    const bool landscape = !pages_.empty() && pages_.back().landscape;
    return landscape ? kA4WidthPt : kA4HeightPt;
}

std::string PdfCanvas::WinAnsiText(const std::string& text) const {
    return IsDosFont(font_) ? DosToWindowsText(text) : text;
}

void PdfCanvas::TextOut(int x, int y, const std::string& text) {
    if (!inDocument_ || text.empty()) return;
    const double size = std::max(1, font_.height) * kPointsPerUnit;
    const double left = x * kPointsPerUnit;
    const double baseline = PageHeightPt() - (y + kBaselineShare * font_.height) * kPointsPerUnit;
    const int resource = PdfFontResource(IsHelvetica(font_), font_.bold, font_.italic);
    std::string& content = pages_.back().content;
    content += "BT /F" + std::to_string(resource) + " " + PdfNumber(size) + " Tf 1 0 0 1 " +
               PdfNumber(left) + " " + PdfNumber(baseline) + " Tm (" +
               PdfStringText(WinAnsiText(text)) + ") Tj ET\n";
    if (font_.underline) {
        const double under = baseline - 0.1 * size;
        content += "0.5 w " + PdfNumber(left) + " " + PdfNumber(under) + " m " +
                   PdfNumber(left + TextWidth(text) * kPointsPerUnit) + " " + PdfNumber(under) +
                   " l S\n";
    }
}

int PdfCanvas::TextWidth(const std::string& text) {
    const PdfFontFamily family =
        IsHelvetica(font_) ? PdfFontFamily::Helvetica : PdfFontFamily::Courier;
    long thousandths = 0;
    for (char c : WinAnsiText(text))
        thousandths += StandardFontWidth(family, font_.bold, static_cast<unsigned char>(c));
    return static_cast<int>((thousandths * std::max(1, font_.height) + 500) / 1000);
}

void PdfCanvas::Line(int x1, int y1, int x2, int y2) {
    if (!inDocument_) return;
    const double height = PageHeightPt();
    pages_.back().content += "0.3 w " + PdfNumber(x1 * kPointsPerUnit) + " " +
                             PdfNumber(height - y1 * kPointsPerUnit) + " m " +
                             PdfNumber(x2 * kPointsPerUnit) + " " +
                             PdfNumber(height - y2 * kPointsPerUnit) + " l S\n";
}

} // namespace tev
