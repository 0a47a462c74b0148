#include "app/cli_options.h"

#include <charconv>

namespace tev::cli {
namespace {

int ReadInt(const std::string& text, const std::string& option) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) {
        throw UsageError{option + " takes a whole number, not \"" + text + "\""};
    }
    return value;
}

} // namespace

const char* UsageText() {
    return "usage: tev-cli [OPTIONS] COMMAND [ARGS...]\n"
           "options: --data DIR  --year SUFFIX  --today YYYY-MM-DD  --group CODE  --sort N\n"
           "         --answer TEXT (repeatable)  --defaults  --printer FILE\n"
           "commands: list | menu PATH | sheet SCHOOL [TABLE...] | plausi SCHOOL\n"
           "          edit [--save] SCHOOL TABLE COL ROW TEXT [...]\n"
           "          demo-data DIR [--schools N] [--seed S] [--years .14-.24]\n";
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    size_t i = 0;
    auto value = [&](const std::string& option) -> std::string {
        if (i + 1 >= args.size()) throw UsageError{option + " needs a value"};
        return args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--data") {
            options.dataDirectory = value(arg);
        } else if (arg == "--year") {
            const std::string suffix = value(arg);
            if (!IsYearSuffix(suffix)) {
                throw UsageError{"--year takes a suffix such as .16 or .16K, not \"" + suffix +
                                 "\""};
            }
            options.yearSuffix = suffix;
        } else if (arg == "--today") {
            const std::string text = value(arg);
            options.today = ParseIsoDate(text);
            if (!options.today) {
                throw UsageError{"--today takes a date YYYY-MM-DD from 1928 to 2027, not \"" +
                                 text + "\""};
            }
        } else if (arg == "--group") {
            options.groupCode = value(arg);
            if (options.groupCode.size() != 2) {
                throw UsageError{"--group takes a two-character code such as \"  \" or \"11\""};
            }
        } else if (arg == "--sort") {
            options.sortIndex = ReadInt(value(arg), arg);
            if (options.sortIndex < 0 || options.sortIndex > 12) {
                throw UsageError{"--sort takes a sort key index from 0 to 12"};
            }
        } else if (arg == "--answer") {
            options.answers.push_back(value(arg));
        } else if (arg == "--defaults") {
            options.useDefaults = true;
        } else if (arg == "--printer") {
            options.printerFile = value(arg);
        } else if (arg.rfind("--", 0) == 0 && options.command.empty()) {
            throw UsageError{"unknown option " + arg};
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.arguments.push_back(arg);
        }
    }
    if (options.command.empty()) throw UsageError{"no command given"};
    return options;
}

} // namespace tev::cli
