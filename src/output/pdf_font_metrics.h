#pragma once
// Widths of the standard PDF fonts that stand in for the office's printer fonts.
namespace tev {

enum class PdfFontFamily { Courier, Helvetica };

// Advance width of one WinAnsi code in 1/1000 of the font size. Oblique faces have the
// widths of their upright faces.
int StandardFontWidth(PdfFontFamily family, bool bold, unsigned char code);

} // namespace tev
