#include "app/cli_demo.h"

#include "data/demo/demo_office.h"
#include "output/text_routines.h"

#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>

namespace tev::cli {
namespace {

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

struct DemoArgs {
    std::string directory;
    int schools = DemoOptions{}.schools;
    uint64_t seed = DemoOptions{}.seed;
    std::string years;
};

// "--years .14-.24" within the years the generator knows.
bool ApplyYears(const std::string& value, DemoOptions& options) {
    const size_t dash = value.find('-');
    const auto first = YearCode(value.substr(0, dash));
    const auto last = dash == std::string::npos ? first : YearCode(value.substr(dash + 1));
    if (!first || !last || *first > *last || *first < kDemoFirstYearCode ||
        *last > kDemoLastYearCode)
        return false;
    options.firstYear = *first;
    options.lastYear = *last;
    return true;
}

int WriteDemo(const DemoArgs& args) {
    DemoOptions options;
    options.schools = args.schools;
    options.seed = args.seed;
    if (!args.years.empty() && !ApplyYears(args.years, options)) {
        std::cerr << "tev-cli: --years takes a range like .14-.24 within .13 to .29\n";
        return 2;
    }
    try {
        const DemoOfficeResult result = WriteDemoOffice(args.directory, options);
        int dataFaults = 0;
        for (const auto& fault : result.faults)
            if (fault.kind != DemoFaultKind::MissingDataSet &&
                fault.kind != DemoFaultKind::MissingZepList)
                ++dataFaults;
        std::cout << "demo office written to " << args.directory << ": " << options.schools
                  << " schools, " << result.dataSetFiles << " data sets, " << result.zepLists
                  << " ZEP lists, " << result.deliveries << " deliveries on the diskettes, "
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

} // namespace

void AddDemoCommand(CommandRegistry& registry) {
    auto args = std::make_shared<DemoArgs>();
    CLI::App& demo =
        registry.AddPlain("demo-data", "write a demo office into DIR (a new or empty directory)",
                          [args] { return WriteDemo(*args); });
    demo.add_option("DIR", args->directory, "the directory to write")->required();
    demo.add_option("--schools", args->schools, "number of schools (default 450)")
        ->type_name("N")
        ->check(CLI::Range(1, kDemoMaxSchools));
    demo.add_option("--seed", args->seed, "the same seed gives the same files (default 1)")
        ->type_name("S");
    demo.add_option("--years", args->years,
                    "school years by their file suffix, .13 to .29 (default .14-.24)")
        ->type_name(".A-.B");
}

} // namespace tev::cli
