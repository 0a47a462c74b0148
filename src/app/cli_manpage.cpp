#include "app/cli_manpage.h"

#include <iostream>
#include <sstream>

namespace tev::cli {
namespace {

// roff reads "\" as an escape and a leading "." or "'" as a request.
std::string Roff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else if (lineStart && (c == '.' || c == '\'')) {
            out += "\\&";
            out += c;
        } else {
            out += c;
        }
        lineStart = c == '\n';
    }
    return out;
}

std::string OptionSynopsis(const CLI::Option& option) {
    std::string names = option.get_name(false, true);
    const std::string type = option.get_type_name();
    if (option.get_expected_min() > 0 && !type.empty()) names += " " + type;
    return names;
}

bool IsHelp(const CLI::Option& option) {
    return option.get_name(false, true).find("--help") != std::string::npos;
}

std::string Usage(const CLI::App& command) {
    std::string usage = "tev-cli [OPTIONS] " + command.get_name();
    for (const CLI::Option* option : command.get_options()) {
        if (!option->get_positional()) continue;
        const std::string name = option->get_name(true);
        const bool many = option->get_items_expected_max() > 1;
        const bool required = option->get_required();
        usage += required ? " " + name : " [" + name + "]";
        if (many) usage += "...";
    }
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_positional() || IsHelp(*option)) continue;
        usage += " [" + OptionSynopsis(*option) + "]";
    }
    return usage;
}

void WriteOptions(std::ostream& out, const std::vector<const CLI::Option*>& options,
                  bool positionals) {
    for (const CLI::Option* option : options) {
        if (option->get_positional() != positionals || IsHelp(*option)) continue;
        out << ".TP\n.B " << Roff(positionals ? option->get_name(true) : OptionSynopsis(*option))
            << '\n'
            << Roff(option->get_description()) << '\n';
    }
}

} // namespace

std::string ManPage(const CLI::App& app, const CommandRegistry& registry) {
    std::ostringstream out;
    out << ".TH TEV\\-CLI 1 \"\" \"TEV\" \"User Commands\"\n"
        << ".SH NAME\ntev\\-cli \\- the evaluator of the school statistics without a window\n"
        << ".SH SYNOPSIS\n.B tev\\-cli\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGS\\fR...]\n"
        << ".SH DESCRIPTION\n"
        << Roff(app.get_description()) << '\n'
        << ".SH OPTIONS\n";
    WriteOptions(out, app.get_options(), false);
    out << ".SH COMMANDS\n";
    for (const auto& command : registry.Commands()) {
        const CLI::App& sub = *command.app;
        out << ".SS " << Roff(sub.get_name()) << "\n.B " << Roff(Usage(sub)) << "\n.PP\n"
            << Roff(sub.get_description()) << '\n';
        WriteOptions(out, sub.get_options(), true);
        WriteOptions(out, sub.get_options(), false);
    }
    out << ".SH ENVIRONMENT\n"
        << ".TP\n.B TEV_DRIVE_V\nthe folder of the office drive \"v:\" (default: the data "
           "directory)\n"
        << ".TP\n.B TEV_DRIVE_A\nthe folder of the diskette drive \"a:\" (default: the data "
           "directory)\n"
        << ".TP\n.B usw\nstarting with \"QVZ\": developer mode (the menu \"XXX\", and the school "
           "list unsorted unless \\-\\-sort is given)\n"
        << ".SH SEE ALSO\n.BR tev (1)\n";
    return out.str();
}

void DeclareManPageFlag(CLI::App& app, const CommandRegistry& registry) {
    app.add_flag_callback(
        "--manpage",
        [&app, &registry] {
            std::cout << ManPage(app, registry);
            throw CLI::Success();
        },
        "print the manual page tev-cli.1 (roff) and end");
}

} // namespace tev::cli
