#include "app/AppStartup.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without a display the toolkit would abort; say how to run without one instead.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "ZAVK: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it without a screen with QT_QPA_PLATFORM=offscreen, or in a virtual "
                     "display with xvfb-run.\n");
        return 2;
    }
    QApplication app(argc, argv);
    return RunZavk(app);
}
