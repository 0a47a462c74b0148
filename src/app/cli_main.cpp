// tev-cli: every report of the program without a window.
#include "app/cli_commands.h"
#include "app/cli_demo.h"
#include "app/cli_options.h"
#include "app/cli_session.h"
#include "output/codepage.h"
#include "shell/messages.h"
#include "shell/scripted_ui.h"

#include <iostream>
#include <string>
#include <vector>

using namespace tev;

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        // Writing a demo office needs no data directory to start on.
        if (!args.empty() && args[0] == "demo-data") {
            return cli::DemoDataCommand({args.begin() + 1, args.end()});
        }
        const cli::Options options = cli::ParseOptions(args);
        cli::Session session(options);
        const int code = cli::RunCommand(session, options);
        if (const size_t left = session.ui.answersLeft(); left > 0) {
            std::cerr << "tev-cli: " << left << " answer(s) left unused\n";
        }
        return cli::FinishPrinting(session) ? code : 1;
    } catch (const cli::UsageError& error) {
        std::cerr << "tev-cli: " << error.message << '\n' << cli::UsageText();
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
