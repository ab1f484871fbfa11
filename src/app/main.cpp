#include "app/AppStartup.h"
#include "core/Helpers.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char* const Usage = R"(usage: ZAVK [--help | --version | --update]

ZAVK designs vacuum gripping circuits: suction pads, tubing, ejector or vacuum
pump and valves, with their response times and safety factor.

Without a display, start it with QT_QPA_PLATFORM=offscreen (no window at all) or
under xvfb-run -a (a virtual display). The terms of use are shown at the first
start; DisplayAgree=0 in section [System] of System.ini skips them.
--update opens the online update wizard over the main window.
The command-line companion zavk-cli calculates history files without a window.
)";

// --help and --version answer without a display; false when neither is asked.
bool answeredOption(int argc, char* argv[], int& exitCode) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            exitCode = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ZAVK %s\n", qPrintable(ProgramVersionText()));
            exitCode = 0;
            return true;
        }
    }
    return false;
}

// Without a display the toolkit would abort; say how to run without one instead.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (int exitCode = 0; answeredOption(argc, argv, exitCode))
        return exitCode;
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "ZAVK: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it without a screen with QT_QPA_PLATFORM=offscreen, or in a virtual "
                     "display with xvfb-run.\n");
        return 2;
    }
    QApplication app(argc, argv);
    const bool update = std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--update") == 0;
    });
    return RunZavk(app, update);
}
