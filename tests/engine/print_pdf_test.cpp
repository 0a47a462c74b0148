#include "output/codepage.h"
#include "output/pdf_canvas.h"
#include "output/text_routines.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <regex>

using namespace tev;
using namespace tev::test;

namespace {

// Checks the structure every reader relies on and returns the number of page objects.
int CheckWellFormed(const std::string& pdf) {
    EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    const size_t startxref = pdf.rfind("startxref\n");
    const size_t xref = std::stoul(pdf.substr(startxref + 10));
    EXPECT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::istringstream table(pdf.substr(xref + 5));
    int first = 0, count = 0;
    table >> first >> count;
    table.ignore(2, '\n');
    EXPECT_EQ(first, 0);
    std::string entry(20, ' ');
    table.read(entry.data(), 20);
    EXPECT_EQ(entry, "0000000000 65535 f \n");
    for (int object = 1; object < count; ++object) {
        table.read(entry.data(), 20);
        const size_t offset = std::stoul(entry.substr(0, 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(object).size() + 6,
                              std::to_string(object) + " 0 obj"),
                  0)
            << "object " << object;
    }
    EXPECT_NE(pdf.find("trailer\n<< /Size " + std::to_string(count) + " /Root 1 0 R"),
              std::string::npos);
    const std::regex page("/Type /Page ");
    const int pages = static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
    EXPECT_NE(pdf.find("/Count " + std::to_string(pages) + " >>"), std::string::npos);
    // Every stream is exactly as long as it says.
    const std::regex stream("/Length (\\d+) >>\nstream\n");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), stream);
         it != std::sregex_iterator(); ++it) {
        const size_t start = static_cast<size_t>(it->position() + it->length());
        EXPECT_EQ(pdf.compare(start + std::stoul((*it)[1]), 10, "\nendstream"), 0);
    }
    return pages;
}

struct PdfTest : ::testing::Test {
    TempDir temp;
    std::filesystem::path file = temp.path() / "druck.pdf";
};

TEST_F(PdfTest, OnePageObjectPerPageAndCorrectOffsets) {
    {
        PdfCanvas pdf(file);
        pdf.BeginDocument("Titel (1)", PageOrientation::Portrait);
        PrintFont font;
        pdf.SetFont(font);
        pdf.TextOut(100, 50, "Seite 1");
        pdf.NewPage();
        pdf.TextOut(100, 50, "Seite 2");
        pdf.NewPage();
        pdf.Line(100, 100, 2000, 100);
        pdf.EndDocument();
        EXPECT_FALSE(pdf.InDocument());
        EXPECT_FALSE(pdf.failed());
    }
    const std::string bytes = ReadFile(file);
    EXPECT_EQ(CheckWellFormed(bytes), 3);
    EXPECT_NE(bytes.find("/Title (Titel \\(1\\))"), std::string::npos);
    EXPECT_NE(bytes.find("/BaseFont /Courier /Encoding /WinAnsiEncoding"), std::string::npos);
    // Top-left text: x 10 mm, baseline 5 mm + 0.8 * 4 mm below the top of the page.
    EXPECT_NE(bytes.find("BT /F1 11.34 Tf 1 0 0 1 28.35 818.65 Tm (Seite 1) Tj ET"),
              std::string::npos);
    EXPECT_NE(bytes.find("28.35 813.54 m 566.93 813.54 l S"), std::string::npos);
}

TEST_F(PdfTest, FontsTextsAndOrientation) {
    PdfCanvas pdf(file);
    pdf.BeginDocument("T", PageOrientation::Landscape);
    PrintFont arial;
    arial.name = "Arial";
    arial.bold = true;
    arial.height = 50;
    pdf.SetFont(arial);
    pdf.TextOut(0, 0, Win("Übersicht (a\\b)"));
    PrintFont dos;
    dos.name = "MS LineDraw";
    dos.italic = true;
    pdf.SetFont(dos);
    pdf.TextOut(0, 100, ToOemText(Win("Größe")));
    pdf.EndDocument();
    const std::string bytes = ReadFile(file);
    CheckWellFormed(bytes);
    EXPECT_NE(bytes.find("/MediaBox [0 0 841.89 595.28]"), std::string::npos);
    EXPECT_NE(bytes.find("/F6 14.17 Tf"), std::string::npos); // Helvetica-Bold
    EXPECT_NE(bytes.find(Win("(Übersicht \\(a\\\\b\\)) Tj")), std::string::npos);
    EXPECT_NE(bytes.find("/F3 "), std::string::npos); // Courier-Oblique
    EXPECT_NE(bytes.find(Win("(Größe) Tj")), std::string::npos);
}

TEST_F(PdfTest, WidthsFollowTheStandardFontMetrics) {
    PdfCanvas pdf(file);
    PrintFont font;
    font.height = 100;
    pdf.SetFont(font);
    EXPECT_EQ(pdf.TextWidth("abcde"), 300); // Courier: 600 / 1000 em
    font.name = "Arial";
    pdf.SetFont(font);
    EXPECT_EQ(pdf.TextWidth("W"), 94);
    EXPECT_EQ(pdf.TextWidth("il"), 44);
    EXPECT_EQ(pdf.TextWidth(Win("Ä")), 67);
    font.bold = true;
    pdf.SetFont(font);
    EXPECT_EQ(pdf.TextWidth("i"), 28);
}

TEST_F(PdfTest, FurtherDocumentsGetNumberedNamesAndAnOpenOneIsWrittenAtTheEnd) {
    {
        PdfCanvas pdf(file);
        pdf.BeginDocument("a", PageOrientation::Portrait);
        pdf.EndDocument();
        pdf.BeginDocument("b", PageOrientation::Portrait);
        pdf.EndDocument();
        pdf.BeginDocument("c", PageOrientation::Portrait);
        EXPECT_EQ(pdf.CurrentDocumentPath(), temp.path() / "druck-3.pdf");
    }
    EXPECT_EQ(CheckWellFormed(ReadFile(file)), 1);
    EXPECT_EQ(CheckWellFormed(ReadFile(temp.path() / "druck-2.pdf")), 1);
    EXPECT_EQ(CheckWellFormed(ReadFile(temp.path() / "druck-3.pdf")), 1);
}

TEST_F(PdfTest, ANewRunNumbersOnPastTheFilesOfEarlierRunsOrOverwritesANamedFile) {
    WriteFile(file, "erster Lauf");
    WriteFile(temp.path() / "druck-2.pdf", "erster Lauf");
    WriteFile(temp.path() / "druck-4.pdf", "erster Lauf");
    {
        PdfCanvas pdf(file, true);
        EXPECT_EQ(pdf.NextDocumentPath(), (temp.path() / "druck-3.pdf").string());
        for (const char* title : {"a", "b"}) {
            pdf.BeginDocument(title, PageOrientation::Portrait);
            pdf.EndDocument();
        }
        EXPECT_EQ(pdf.writtenFiles(),
                  (std::vector<std::filesystem::path>{temp.path() / "druck-3.pdf",
                                                      temp.path() / "druck-5.pdf"}));
    }
    for (const char* kept : {"druck.pdf", "druck-2.pdf", "druck-4.pdf"})
        EXPECT_EQ(ReadFile(temp.path() / kept), "erster Lauf") << kept;

    PdfCanvas named(file);
    named.BeginDocument("c", PageOrientation::Portrait);
    named.EndDocument();
    EXPECT_EQ(CheckWellFormed(ReadFile(file)), 1);
}

TEST_F(PdfTest, AnUnwritableFileIsReported) {
    PdfCanvas pdf(temp.path() / "fehlt" / "x.pdf");
    pdf.BeginDocument("a", PageOrientation::Portrait);
    pdf.EndDocument();
    EXPECT_TRUE(pdf.failed());
    EXPECT_TRUE(pdf.writtenFiles().empty());

    // A write-protected printout of an earlier run is neither replaced nor reported as written.
    WriteFile(file, "geschützt");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    PdfCanvas named(file);
    named.BeginDocument("b", PageOrientation::Portrait);
    named.EndDocument();
    EXPECT_TRUE(named.failed());
    EXPECT_EQ(ReadFile(file), "geschützt");
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

} // namespace
