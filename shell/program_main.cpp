#include "shell/program_main.h"

#include <QApplication>
#include <cstdio>
#include <vector>

#include "shell/program_identity.h"
#include "shell/termination_signals.h"

namespace shell {

int programMain(int argc, char** argv, const ProgramDescription& program,
                const std::function<int(const std::string& commandLine)>& run) {
    const CommonOptions options =
        parseCommonOptions(std::vector<std::string>(argv + 1, argv + argc));
    const std::string commandLine = commandLineOf(argc, argv);
    const LanguageFlag language =
        program.helpEnglish.empty() ? German : determineLanguage(commandLine);
    if (!options.problem.empty()) {
        std::fprintf(stderr, "%s: %s needs a file name (see --help)\n", program.name.c_str(),
                     options.problem.c_str());
        return 2;
    }
    if (const std::string text = informationText(program, options, language); !text.empty()) {
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    identifyProgram(program.desktopId);
    // Qt has taken its own options (-platform, --style ...) out of argv.
    const std::string unknown = unknownOptionsText(
        program.name, parseCommonOptions(std::vector<std::string>(argv + 1, argv + argc)));
    std::fputs(unknown.c_str(), stderr);
    const ProgramStart start(options, language);
    if (!start.warning().empty())
        std::fprintf(stderr, "%s: %s", program.name.c_str(), start.warning().c_str());
    const TerminationSignals termination;
    return termination.exitCode(run(commandLine));
}

}  // namespace shell
