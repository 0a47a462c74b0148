#pragma once
// Taking over what the schools deliver on diskette (a folder per drive, engine.drives): the coded
// data set becomes the school's data set file (with an archive copy under "TEVORIG"), the list file
// of the sibling program is copied to "eprdat", and the school's entry in the delivery list is
// written back.
#include "shell/engine.h"

#include <string>

namespace tev {

// The loop over diskettes; it runs again while "weitere einlesen" is answered "Yes". Returns
// how many data set files were taken over; each gets a line in the output box.
int ImportDelivery(Engine& engine);
// The developer button "ext".
void SBextClick(Engine& engine);

// Where the import keeps the office's side of the deliveries.
std::string DeliveryListFile(const Engine& engine);      // DataPath + "eprdat/liefer.dat"
std::string DeliveryArchiveFolder(const Engine& engine); // DataPath + "TEVORIG/"
// The name of a delivered list file in "eprdat": "ze" + school number + "." + year.
std::string DeliveredListName(const std::string& schoolNumber, const std::string& yearDigits);

} // namespace tev
