#include "app/cli_print_sheet.h"

#include "app/cli_school.h"
#include "sheet/sheet_printing.h"

#include <memory>

namespace tev::cli {

void AddPrintSheetCommand(CommandRegistry& registry) {
    auto school = std::make_shared<std::string>();
    CLI::App& print = registry.Add(
        "print-sheet",
        "load the school and print its sheet: the first --answer picks the lines of the choice "
        "\"Schulbogen(Tabellen) drucken\" (\"A-B\" or \"A\", 1 to 21), the output goes to the "
        "PDF file of --printer",
        [school](Session& session) {
            LoadSchool(session, *school);
            PrintSheetMenu(*session.engine);
            return 0;
        });
    print.add_option("SCHOOL", *school, "the six-digit school number")->required();
}

} // namespace tev::cli
