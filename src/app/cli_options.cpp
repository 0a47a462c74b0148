#include "app/cli_options.h"

namespace tev::cli {

void DeclareOptions(CLI::App& app, Options& options) {
    app.add_option("--data", options.dataDirectory,
                   "the data directory (default: the current directory)")
        ->type_name("DIR");
    app.add_option("--year", options.yearSuffix,
                   "the school year suffix, e.g. .16 or .16K (default: from today's date)")
        ->type_name("SUFFIX")
        ->check(CLI::Validator(
            [](const std::string& text) {
                return IsYearSuffix(text) ? std::string()
                                          : "a school year suffix such as .16 or .16K";
            },
            ""));
    app.add_option_function<std::string>(
           "--today",
           [&options](const std::string& text) {
               options.today = ParseIsoDate(text);
               if (!options.today)
                   throw CLI::ValidationError(
                       "--today", "a date YYYY-MM-DD from 1928 to 2027, not \"" + text + "\"");
           },
           "run as if today were DATE")
        ->type_name("YYYY-MM-DD");
    app.add_option("--group", options.groupCode,
                   "the school group: \"  \" all schools, \"1 \" public, \"31\" private "
                   "schools of district 1, ... (default \"  \")")
        ->type_name("CODE")
        ->check(CLI::Validator(
            [](const std::string& code) {
                return code.size() == 2 ? std::string()
                                        : "a two-character code such as \"  \" or \"11\"";
            },
            ""));
    app.add_option("--sort", options.sortIndex,
                   "sort key 0..12 of the school list (default as the window starts: 2, "
                   "\"Dienstst-Nr\", or 0 for developers)")
        ->type_name("N")
        ->check(CLI::Range(0, 12));
    app.add_option("--answer", options.answers,
                   "the answer to the next question; repeat in order: range \"A-B\", \"A\" or "
                   "\"alle\"; option: its number or text; \"ja\"/\"nein\"; text: the text; "
                   "\"abbruch\" cancels")
        ->type_name("TEXT")
        ->allow_extra_args(false);
    app.add_flag("--defaults", options.useDefaults, "questions left over take their preset answer");
    app.add_option("--printer", options.printerFile,
                   "where printing goes: a PDF file, overwritten (further documents of one run "
                   "get -2, -3, ...); default druck.pdf, numbered on past the files that exist")
        ->type_name("FILE");
    app.add_option("--school", options.school,
                   "select this school (six-digit number) in the list and load it, as a "
                   "click does, before the command runs")
        ->type_name("NR");
    app.add_option("--kind", options.kind,
                   "the display kind 0..14 of the summary's cells (the items of \"Anzeige-Art\": "
                   "0 n, 1 sums with shares in 5.1/6.1, 3 means, 4 deviations, 14 sums, ...; "
                   "default 1, as the summary window starts)")
        ->type_name("N")
        ->check(CLI::Range(0, 14));
    app.add_flag("--charts", options.charts,
                 "write every chart a command shows as <name>.svg and <name>.png into the "
                 "current directory (drawn by Qt Charts without a display)");
}

} // namespace tev::cli
