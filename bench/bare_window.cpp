// The yardstick of ZAVK's start-up: a bare Qt window of the main window's size,
// shown and ended at once, in a process of its own like ZAVK.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 738);
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
