#include "app/cli_import.h"

#include "data/delivery_import.h"

#include <iostream>

namespace tev::cli {

// The questions ("trotzdem uebernehmen", replacing a data set file, "weitere einlesen") take
// their answers from --answer and --defaults like any other.
void AddImportCommand(CommandRegistry& registry) {
    registry.Add("import",
                 "take over the deliveries of the diskette folders (\"a:\", then \"b:\"): each "
                 "coded data set becomes the school's data set file, the old one kept as "
                 "\".alt\"; prints the files taken over; exit 1 when none was",
                 [](Session& session) {
                     const int takenOver = ImportDelivery(*session.engine);
                     PrintLines(session.engine->outputBox.lines());
                     if (takenOver > 0) return 0;
                     std::cerr << "tev-cli: no data set was taken over\n";
                     return 1;
                 });
}

} // namespace tev::cli
