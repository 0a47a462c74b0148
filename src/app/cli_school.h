#pragma once
// Loading one school of the list by its number, as a click in the school list does.
#include "app/cli_session.h"

#include <string>

namespace tev::cli {

// Throws std::runtime_error when the number is not in the school list.
void LoadSchool(Session& session, const std::string& number);

} // namespace tev::cli
