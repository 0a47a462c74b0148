// The manual page says what --help says: every command, its arguments and its options.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tev::test;

namespace {

CliResult RunTev(const std::vector<std::string>& args, const std::filesystem::path& dir) {
    return RunCli(TEV_CLI_PATH, args, dir);
}

// The first words of the lines of a help section ("Subcommands:", "Options:", ...).
std::vector<std::string> SectionWords(const std::string& help, const std::string& section) {
    std::vector<std::string> words;
    std::istringstream in(help);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line == section) {
            inside = true;
        } else if (inside && line.rfind("   ", 0) == 0) {
            continue; // a wrapped description
        } else if (inside && line.rfind("  ", 0) == 0) {
            std::istringstream fields(line);
            std::string word;
            fields >> word;
            words.push_back(word);
        } else if (inside) {
            inside = false;
        }
    }
    return words;
}

// The page with roff's "\-" read back as "-".
std::string PlainPage(std::string page) {
    for (size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at))
        page.erase(at, 1);
    return page;
}

} // namespace

TEST(CliManPage, EveryCommandArgumentAndOptionOfTheHelpIsOnThePage) {
    TempDir temp;
    const auto man = RunTev({"--manpage"}, temp.path());
    ASSERT_EQ(man.exitCode, 0) << man.err;
    const std::string page = PlainPage(man.out);
    EXPECT_EQ(page.rfind(".TH TEV-CLI 1", 0), 0u);

    const auto help = RunTev({"--help"}, temp.path());
    ASSERT_EQ(help.exitCode, 0);
    for (const std::string& option : SectionWords(help.out, "Options:")) {
        if (option.find("--help") == std::string::npos) {
            EXPECT_NE(page.find(".B " + option), std::string::npos) << option;
        }
    }
    const std::vector<std::string> commands = SectionWords(help.out, "Subcommands:");
    for (const char* known : {"list", "menu", "sheet", "print-sheet", "grid", "demo-data"})
        EXPECT_NE(std::find(commands.begin(), commands.end(), known), commands.end()) << known;
    for (const std::string& command : commands) {
        EXPECT_NE(page.find(".SS " + command + "\n"), std::string::npos) << command;
        const auto own = RunTev({command, "--help"}, temp.path());
        ASSERT_EQ(own.exitCode, 0) << command;
        // The description stands under the command's heading.
        const std::string description = own.out.substr(0, own.out.find('\n'));
        EXPECT_NE(page.find(description), std::string::npos) << command;
        for (const std::string& argument : SectionWords(own.out, "Positionals:"))
            EXPECT_NE(page.find(".B " + argument), std::string::npos) << command << " " << argument;
        for (const std::string& option : SectionWords(own.out, "Options:")) {
            if (option.find("--help") == std::string::npos) {
                EXPECT_NE(page.find(".B " + option), std::string::npos) << command << " " << option;
            }
        }
    }
}
