#pragma once

#include <memory>

class QApplication;
class TDMComm;
class TFrmDebugInfo;
class TFrmMainShell;
class TFrmModelSel;
class TFrmPrintRes;
class TFrmSplash;

// The long-lived objects of a running program, each reachable through its global
// reference while it exists. They are destroyed in reverse order of creation.
struct TApplicationObjects {
    std::unique_ptr<TDMComm> DataModule;
    std::unique_ptr<TFrmMainShell> MainShell;
    std::unique_ptr<TFrmPrintRes> PrintRes;
    std::unique_ptr<TFrmDebugInfo> DebugInfo;
    std::unique_ptr<TFrmModelSel> ModelSel;

    TApplicationObjects();
    ~TApplicationObjects();
};

// Creates the data module, the main window (which connects to the catalogue and
// creates the settings object), the report layout window, the diagnostic window
// and the model choice dialog, in this order, moving the splash on by 20 after each.
std::unique_ptr<TApplicationObjects> CreateApplicationObjects(TFrmSplash& splash);

// The whole start-up, message loop and shutdown of the ZAVK program; openUpdate
// shows the online update wizard once the main window is up.
int RunZavk(QApplication& app, bool openUpdate = false);
