// tev-cli: every report of the program without a window.
#include "app/cli_charts.h"
#include "app/cli_commands.h"
#include "app/cli_demand.h"
#include "app/cli_demo.h"
#include "app/cli_extract.h"
#include "app/cli_grid.h"
#include "app/cli_import.h"
#include "app/cli_manpage.h"
#include "app/cli_options.h"
#include "app/cli_plausi.h"
#include "app/cli_print_sheet.h"
#include "app/cli_registry.h"
#include "app/cli_school.h"
#include "app/cli_search.h"
#include "app/cli_session.h"
#include "app/cli_sheet.h"
#include "output/codepage.h"
#include "shell/messages.h"
#include "shell/scripted_ui.h"

#include <iostream>
#include <string>

using namespace tev;

namespace {

int RunOnEngine(const cli::Options& options, const cli::SessionCommand& run) {
    cli::Session session(options);
    const auto chartFailed = options.charts ? cli::WriteChartFiles(session.ui) : nullptr;
    if (options.school) cli::LoadSchool(session, *options.school);
    int code = run(session);
    if (chartFailed && *chartFailed && code == 0) code = 1;
    if (const size_t left = session.ui.answersLeft(); left > 0) {
        std::cerr << "tev-cli: " << left << " answer(s) left unused\n";
    }
    return cli::FinishPrinting(session) ? code : 1;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"tev-cli: the evaluator of the school statistics without a window.\n"
                 "stdout is UTF-8; messages go to stderr as \"info: ...\". Exit codes: 0 "
                 "success, 1 failure, 2 usage error or an entry that is not built yet, 3 a "
                 "question without an answer."};
    app.name("tev-cli");
    app.fallthrough();
    app.require_subcommand(1);
    cli::Options options;
    cli::DeclareOptions(app, options);
    cli::CommandRegistry registry(app);
    cli::AddListAndMenuCommands(registry);
    cli::AddSheetCommands(registry);
    cli::AddPlausiCommand(registry);
    cli::AddSearchCommand(registry);
    cli::AddExtractCommand(registry);
    cli::AddPrintSheetCommand(registry);
    cli::AddDemoCommand(registry);
    cli::AddDemandCommand(registry);
    cli::AddGridCommand(registry);
    cli::AddImportCommand(registry);
    cli::DeclareManPageFlag(app, registry);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : 2;
    }
    if (options.charts && !cli::ChartFilesAvailable()) {
        std::cerr << "tev-cli: --charts: this tev-cli was built without Qt (TEV_BUILD_GUI=OFF) "
                     "and cannot draw charts\n";
        return 2;
    }
    const cli::CommandRegistry::Command* command = registry.Chosen();
    try {
        if (command->runPlain) return command->runPlain();
        return RunOnEngine(options, command->run);
    } catch (const cli::UsageError& error) {
        std::cerr << "tev-cli: " << error.message << "\n(see tev-cli " << command->app->get_name()
                  << " --help)\n";
        return 2;
    } catch (const UnansweredQuestion& question) {
        std::cerr << "tev-cli: no answer left for the question: "
                  << DisplayText(question.question()) << '\n';
        return 3;
    } catch (const UnusableAnswer& error) {
        std::cerr << "tev-cli: " << DisplayText(error.what()) << '\n';
        return 2;
    } catch (const FatalStopError& error) {
        std::cerr << "tev-cli: stopped: " << DisplayText(error.what()) << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "tev-cli: " << error.what() << '\n';
        return 1;
    }
}
