#include "app/AppStartup.h"

#include "controls/CommonDialogs.h"
#include "controls/FrmDebugInfo.h"
#include "controls/FrmHelp.h"
#include "core/DMComm.h"
#include "core/DataFolder.h"
#include "core/Globals.h"
#include "core/Startup.h"
#include "reports/FrmPrintRes.h"
#include "shell/FrmAgree.h"
#include "shell/FrmMainShell.h"
#include "shell/FrmSplash.h"
#include "wizard/FrmModelSel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int SplashStep = 20;
constexpr qint64 SplashWaitNs = 10'000'000;

template <typename T> T* created(std::unique_ptr<T>& owner, T*& global, TFrmSplash& splash) {
    owner = std::make_unique<T>();
    global = owner.get();
    splash.Advance(SplashStep);
    return owner.get();
}

// With ZAVK_STARTUP_PROBE set, the program reports how long it took until the
// main window was shown, then ends: the start-up benchmark runs it this way.
void attachStartupProbe(TFrmMainShell& mainShell, const QElapsedTimer& sinceStart) {
    if (qEnvironmentVariableIsEmpty("ZAVK_STARTUP_PROBE"))
        return;
    QObject::connect(&mainShell, &TFrmMainShell::shown, &mainShell, [&sinceStart] {
        std::printf("main window shown after %.3f ms\n", sinceStart.nsecsElapsed() / 1e6);
        std::fflush(stdout);
        // exit() rather than quit(): quitting asks every window to close, which asks the user.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    });
}

// The splash stays up for 10 ms after the objects are created. Meanwhile the hidden
// main window is polished and laid out (which loads its fonts), so that showing it
// afterwards is quick; the wait is no shorter for it.
void waitWithSplashLayingOut(QWidget& mainWindow) {
    QElapsedTimer waited;
    waited.start();
    mainWindow.ensurePolished();
    if (QLayout* layout = mainWindow.layout())
        layout->activate();
    const qint64 leftNs = SplashWaitNs - waited.nsecsElapsed();
    if (leftNs > 0)
        QThread::usleep(static_cast<unsigned long>(leftNs / 1000));
}

void showWriteFailure(const QString& error) {
    ShowPlainMessage(QStringLiteral("ZAVK cannot save its settings; changes are lost when it "
                                    "ends.\n") +
                     error);
}

// An installation in a read-only folder keeps its settings in the user's data folder.
void useDataFolder() {
    SetWriteFailureHandler(showWriteFailure);
    QString error;
    if (!UseDataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), error))
        ReportWriteFailure(error);
}

} // namespace

TApplicationObjects::TApplicationObjects() = default;

TApplicationObjects::~TApplicationObjects() {
    ModelSel.reset();
    FrmModelSel = nullptr;
    DebugInfo.reset();
    FrmDebugInfo = nullptr;
    PrintRes.reset();
    FrmPrintRes = nullptr;
    MainShell.reset();
    DataModule.reset();
    DMComm = nullptr;
}

std::unique_ptr<TApplicationObjects> CreateApplicationObjects(TFrmSplash& splash) {
    auto objects = std::make_unique<TApplicationObjects>();
    created(objects->DataModule, DMComm, splash);
    created(objects->MainShell, FrmMainShell, splash);
    created(objects->PrintRes, FrmPrintRes, splash);
    created(objects->DebugInfo, FrmDebugInfo, splash);
    created(objects->ModelSel, FrmModelSel, splash);
    QCoreApplication::processEvents();
    return objects;
}

int RunZavk(QApplication& app, bool openUpdate) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    AppPath = QCoreApplication::applicationDirPath() + '/';
    app.setApplicationName(QStringLiteral("ZAVK")); // names the user's data folder too
    useDataFolder();
    LoadSystemGlobals();
    if (TermsOfUseRequired()) {
        // Offscreen nobody could answer the terms: say so instead of waiting for ever.
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            std::fprintf(stderr,
                         "ZAVK: the terms of use must be accepted on a screen at the first "
                         "start.\nStart it once with a display, or set DisplayAgree=0 in "
                         "section [System] of %s.\n",
                         qPrintable(SystemIniPath()));
            return 2;
        }
        if (!TFrmAgree::Ask())
            return 0;
    }

    auto splash = std::make_unique<TFrmSplash>();
    splash->show();
    QCoreApplication::processEvents();
    auto objects = CreateApplicationObjects(*splash);
    TFrmHelp::InstallAsHelpViewer(objects->MainShell.get());
    waitWithSplashLayingOut(*objects->MainShell);
    splash.reset();

    attachStartupProbe(*objects->MainShell, sinceStart);
    objects->MainShell->show();
    if (openUpdate)
        QTimer::singleShot(0, objects->MainShell.get(), &TFrmMainShell::RunUpdateWizard);
    const int result = app.exec();
    objects.reset();
    return result;
}
