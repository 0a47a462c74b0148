#pragma once
// Beginning, continuing and ending print documents on the engine's printer, and the page
// headers shared by the list and grid printers.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// False when there is no printer, or the printer is busy and the user gives up
// ("Drucker ist beschäftigt": Yes retries, No aborts).
bool PrinterReady(Engine& engine);
// A new document in the orientation of the flag; a document kept open (control bit 2, or a
// small grid) is continued on a new page, or below it after a small grid. Cursor 50, page
// counter 1. False when there is no printer or the document cannot begin.
bool OpenPrintDocument(Engine& engine, const std::string& title);
// Ends the document unless bit 2 keeps it open; portrait again; cursor 50.
void EndPrintDocument(Engine& engine);

void ShowPrintProgress(Engine& engine, const std::string& name);
// "speichern+drucken" prints even when the save was cancelled or failed; this tells the user
// that the file is missing.
void ReportUnsavedPrint(Engine& engine, const std::string& name);
void ShowPrintDone(Engine& engine, const std::string& name);

// "dd.mm.yy" of today (the start-up date).
std::string PrintDateText(const Engine& engine);
// The title split at "\r".
std::vector<std::string> TitleLines(const std::string& title);

// The first page's header at the cursor: the date (and the time and print mark when a mark
// is set) and the title lines; the cursor then stands 50 below the last title line.
void PrintPageHeader(Engine& engine, const std::string& title, const std::string& fontName);
// Starts a further page: page counter + 1, cursor 50, heading text + "   -n-" (and the date),
// cursor + 50.
void StartFurtherPage(Engine& engine, const std::string& heading, const std::string& fontName,
                      bool withDate);
// The page-break rule of lists and grids: beyond the break limit, a new page unless the
// remaining rows all fit above the bottom limit.
bool PageBreakDue(const PrintState& print, int remaining, int height);

} // namespace tev
