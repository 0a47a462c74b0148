#pragma once
// The printer of the command line: every document becomes a PDF file of A4 pages in the
// standard fonts ("Courier New" and the DOS fonts as Courier, "Arial" as Helvetica).
#include "output/document_files.h"
#include "output/pdf_writer.h"
#include "output/print_canvas.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tev {

class PdfCanvas : public PrintCanvas {
public:
    // The first document goes to `file`, further ones to its name with "-2", "-3", ... before
    // the extension; with keepExisting, past the files that exist already.
    explicit PdfCanvas(std::filesystem::path file, bool keepExisting = false);
    // A document still open is written.
    ~PdfCanvas() override;
    PdfCanvas(const PdfCanvas&) = delete;
    PdfCanvas& operator=(const PdfCanvas&) = delete;

    bool BeginDocument(const std::string& title, PageOrientation orientation) override;
    void NewPage() override;
    void EndDocument() override;
    bool InDocument() const override { return inDocument_; }
    // Turns the current page when nothing is drawn on it yet, and every following page.
    void SetOrientation(PageOrientation orientation) override;
    void SetFont(const PrintFont& font) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;

    // The file of the last document begun, and the one the next goes to.
    const std::filesystem::path& CurrentDocumentPath() const { return files_.Current(); }
    std::string NextDocumentPath() const override { return files_.Upcoming().string(); }
    const std::vector<std::filesystem::path>& writtenFiles() const { return written_; }
    // True when a file could not be written.
    bool failed() const { return failed_; }

private:
    double PageHeightPt() const;
    // The text as WinAnsi bytes: the DOS fonts' texts are in the DOS code page.
    std::string WinAnsiText(const std::string& text) const;

    DocumentFiles files_;
    bool inDocument_ = false;
    bool failed_ = false;
    std::string title_;
    std::vector<PdfPage> pages_;
    bool nextLandscape_ = false;
    PrintFont font_;
    std::vector<std::filesystem::path> written_;
};

} // namespace tev
