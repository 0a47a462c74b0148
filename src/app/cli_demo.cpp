#include "app/cli_demo.h"

#include "data/demo/demo_office.h"
#include "output/text_routines.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace tev::cli {
namespace {

constexpr const char* kUsage =
    "usage: tev-cli demo-data DIR [--schools N] [--seed S] [--years .14-.24]\n"
    "  writes a demo office into DIR (a new or empty directory):\n"
    "  --schools N   number of schools, 1 to 600 (default 450)\n"
    "  --seed S      the same seed gives the same files (default 1)\n"
    "  --years A-B   school years by their file suffix, .13 to .29 (default .14-.24)\n";

template <typename T> std::optional<T> Number(const std::string& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// ".16" gives 116; years below 30 are the 2000s.
std::optional<int> YearCode(const std::string& suffix) {
    if (suffix.size() != 3 || suffix[0] != '.') return std::nullopt;
    const auto digits = Number<int>(suffix.substr(1));
    if (!digits) return std::nullopt;
    return (*digits + 70) % 100 + 30;
}

struct UsageProblem {
    std::string message;
};

DemoOptions ParseDemoOptions(const std::vector<std::string>& args, std::string& dir) {
    DemoOptions options;
    if (args.empty() || args[0].empty() || args[0][0] == '-')
        throw UsageProblem{"demo-data needs the directory first"};
    dir = args[0];
    for (size_t i = 1; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) throw UsageProblem{name + " needs a value"};
        const std::string& value = args[i + 1];
        if (name == "--schools") {
            const auto schools = Number<int>(value);
            if (!schools || *schools < 1 || *schools > kDemoMaxSchools)
                throw UsageProblem{"--schools takes a number from 1 to 600"};
            options.schools = *schools;
        } else if (name == "--seed") {
            const auto seed = Number<uint64_t>(value);
            if (!seed) throw UsageProblem{"--seed takes a whole number"};
            options.seed = *seed;
        } else if (name == "--years") {
            const size_t dash = value.find('-');
            const auto first = YearCode(value.substr(0, dash));
            const auto last = dash == std::string::npos ? first : YearCode(value.substr(dash + 1));
            if (!first || !last || *first > *last || *first < kDemoFirstYearCode ||
                *last > kDemoLastYearCode)
                throw UsageProblem{"--years takes a range like .14-.24 within .13 to .29"};
            options.firstYear = *first;
            options.lastYear = *last;
        } else {
            throw UsageProblem{"unknown option " + name};
        }
    }
    return options;
}

} // namespace

int DemoDataCommand(const std::vector<std::string>& args) {
    std::string dir;
    DemoOptions options;
    try {
        options = ParseDemoOptions(args, dir);
    } catch (const UsageProblem& problem) {
        std::cerr << "tev-cli: " << problem.message << '\n' << kUsage;
        return 2;
    }
    try {
        const DemoOfficeResult result = WriteDemoOffice(dir, options);
        int dataFaults = 0;
        for (const auto& fault : result.faults)
            if (fault.kind != DemoFaultKind::MissingDataSet &&
                fault.kind != DemoFaultKind::MissingZepList)
                ++dataFaults;
        std::cout << "demo office written to " << dir << ": " << options.schools << " schools, "
                  << result.dataSetFiles << " data sets, " << result.zepLists << " ZEP lists, "
                  << dataFaults << " deliberate faults (see demo-fehler.txt)\n";
        for (size_t i = 0; i < result.pupils.size(); ++i)
            std::cout << "  pupils " << SchoolYearText(options.firstYear + static_cast<int>(i))
                      << ": " << result.pupils[i] << '\n';
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "tev-cli: " << error.what() << '\n';
        return 1;
    }
}

} // namespace tev::cli
