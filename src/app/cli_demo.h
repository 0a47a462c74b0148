#pragma once
// tev-cli demo-data DIR [--schools N] [--seed S] [--years .14-.24]
#include <string>
#include <vector>

namespace tev::cli {

// The arguments after "demo-data". Exit code 0 on success, 2 for a usage error, 1 when the
// office could not be written.
int DemoDataCommand(const std::vector<std::string>& args);

} // namespace tev::cli
