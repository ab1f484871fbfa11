// Draws the windows and the skinned controls of ZAVK into PNG files, to look at
// them without starting the program. Run it offscreen:
//   QT_QPA_PLATFORM=offscreen zavk-screens OUTPUT_FOLDER
// The windows read the build's program folder; they change no file in it.
#include "SamplePictures.h"
#include "app/AppStartup.h"
#include "controls/CommonDialogs.h"
#include "controls/FrmDebugInfo.h"
#include "controls/FrmHelp.h"
#include "controls/FrmInfoShow.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "settings/FrmAllSetting.h"
#include "settings/FrmUnitAdd.h"
#include "shell/FrmAgree.h"
#include "shell/FrmMainShell.h"
#include "shell/FrmSplash.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>

#include <cstdio>

namespace {

QString outputFolder;
bool allSaved = true;

void save(const QImage& image, const QString& name) {
    const QString path = outputFolder + '/' + name + ".png";
    if (image.isNull() || !image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        allSaved = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void save(QWidget& widget, const QString& name) {
    save(widget.grab().toImage(), name);
}

// Shows the window and lets it become active, so it is drawn as the user sees it.
void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!window.isActiveWindow() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

// The dialog on a plain backdrop, so that its rounded corners show.
void saveOnBackdrop(QWidget& dialog, const QString& name) {
    const QPixmap shot = dialog.grab();
    QImage canvas(shot.size() + QSize(48, 48), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(QColor(0xd5, 0xdc, 0xe4));
    QPainter painter(&canvas);
    painter.drawPixmap(24, 24, shot);
    painter.end();
    save(canvas, name);
}

void saveSkinDialogs() {
    TFrmInfoShow dialog;
    showActive(dialog);
    saveOnBackdrop(dialog, "skin-info-show");

    TFrmDebugInfo debugInfo;
    debugInfo.SetHelpButtonVisible(true);
    debugInfo.resize(560, 300);
    debugInfo.ShowTrace({"T1 = 0.412 s", "C1 = 2.75", "C2 = 0.031", "C3 = 1.8", "pp = -65.0 kPa",
                         "Q = 38.5 l/min", "QL = 1.2 l/min"});
    saveOnBackdrop(debugInfo, "skin-debug-info");
}

// Every caption button in its three states, and push buttons in their states.
void saveButtonStrip() {
    QImage canvas(760, 250, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(QColor(0xf4, 0xf6, 0xf8));
    QPainter painter(&canvas);
    QLinearGradient bar(0, 0, canvas.width(), 0);
    bar.setColorAt(0, QColor(0x0b, 0x2a, 0x4a));
    bar.setColorAt(1, QColor(0x14, 0x5d, 0x8c));
    painter.fillRect(0, 0, canvas.width(), 70, bar);

    const TSkinButtonStyle captionStyles[] = {sbsMin, sbsMax, sbsNormal, sbsClose, sbsHelp};
    int x = 20;
    for (TSkinButtonStyle style : captionStyles) {
        for (int state = 0; state < 3; ++state) {
            TSkinButtonLook look;
            look.style = style;
            look.faces = LoadSkinFaces(style);
            look.size = look.faces.hover.size();
            look.hovering = state > 0;
            look.pressed = state == 2;
            painter.save();
            painter.translate(x, 26);
            PaintSkinButton(painter, look);
            painter.restore();
            x += 26;
        }
        x += 62;
    }

    struct PushCase {
        const char* caption;
        bool hovering, pressed, downIn, enabled, picture;
        int width;
        Qt::Alignment alignment;
    };
    const PushCase cases[] = {
        {"Normal", false, false, false, true, false, 130, Qt::AlignCenter},
        {"Hover", true, false, false, true, false, 130, Qt::AlignCenter},
        {"Pressed", true, true, false, true, false, 130, Qt::AlignCenter},
        {"Down in", false, false, true, true, false, 130, Qt::AlignCenter},
        {"Disabled", false, false, false, false, false, 130, Qt::AlignCenter},
        {"Open history", false, false, false, true, true, 170, Qt::AlignCenter},
        {"Settings", true, false, false, true, true, 170, Qt::AlignCenter},
        {"Left aligned", false, false, false, true, false, 230, Qt::AlignLeft},
        {"Selection", false, false, true, true, true, 200, Qt::AlignCenter},
    };
    QFont font = QApplication::font();
    font.setPixelSize(13);
    QPoint at(20, 95);
    for (const PushCase& c : cases) {
        TSkinButtonLook look;
        look.style = sbsBtn;
        look.faces = LoadSkinFaces(sbsBtn);
        look.size = QSize(c.width, 34);
        look.hovering = c.hovering;
        look.pressed = c.pressed;
        look.downIn = c.downIn;
        look.enabled = c.enabled;
        look.caption = QString::fromLatin1(c.caption);
        look.alignment = c.alignment;
        look.font = font;
        if (c.picture) {
            TSkinButton holder;
            holder.SetPicture(documentPicture());
            holder.SetHavePicture(true);
            look.picture = holder.Look().picture;
        }
        if (at.x() + c.width > canvas.width() - 20)
            at = QPoint(20, at.y() + 52);
        painter.save();
        painter.translate(at);
        PaintSkinButton(painter, look);
        painter.restore();
        at.rx() += c.width + 16;
    }
    painter.end();
    save(canvas, "skin-buttons");
}

void saveTermsOfUse() {
    TFrmAgree terms;
    terms.show();
    save(terms, "terms-of-use");
}

void saveHelp() {
    TFrmHelp help;
    if (!help.ShowTopic(AppPath + "HELP/English.qch", "4.htm")) {
        std::fprintf(stderr, "cannot open topic 4.htm of %sHELP/English.qch\n",
                     qPrintable(AppPath));
        allSaved = false;
    }
    save(help, "help");
}

// The four pages of the settings dialog, a user scheme with its unit chooser
// open on a row, and the scheme name dialog. Nothing is saved: the dialog rolls
// its transaction back when it goes.
void saveSettingsPages() {
    TFrmAllSetting settings(*DMComm, FrmMainShell);
    showActive(settings);
    const std::pair<const char*, const char*> pages[] = {{"BitBtnGenaral", "settings-presets"},
                                                         {"BitBtnLanguage", "settings-language"},
                                                         {"BitBtnUnit", "settings-unit-schemes"},
                                                         {"BitBtnAbout", "settings-about"}};
    for (const auto& [page, name] : pages) {
        settings.findChild<TSkinButton*>(page)->Click();
        if (QLatin1String(page) == QLatin1String("BitBtnUnit")) {
            auto* schemes = settings.findChild<QTableWidget*>("SgUnitGroup");
            schemes->setCurrentCell(schemes->rowCount() - 1, 0);
            settings.findChild<QTableWidget*>("SgUnitGroupDetail")->setCurrentCell(2, 1);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the unit chooser follows the settled columns
        saveOnBackdrop(settings, QLatin1String(name));
    }
    TFrmUnitAdd add(&settings);
    add.EdiSchemeName->setText(QStringLiteral("Imperial shop"));
    add.EdiMemo->setText(QStringLiteral("psi, inHg, lb, ft"));
    showActive(add);
    saveOnBackdrop(add, "settings-scheme-name");
}

void saveMainWindowAndSplash() {
    TFrmSplash splash;
    auto objects = CreateApplicationObjects(splash);
    showActive(*FrmMainShell);
    save(*FrmMainShell, "main-window");
    save(splash, "splash");
    saveSettingsPages();
    // The wizard's first page in both modes.
    const std::pair<const char*, const char*> modes[] = {{"skbActuatorSelect", "wizard-selection"},
                                                         {"skbActuatorCalc", "wizard-calculation"}};
    showActive(*FrmMainShell);
    for (const auto& [mode, name] : modes) {
        FrmMainShell->findChild<TSkinButton*>(mode)->Click();
        FrmMainShell->findChild<TSkinButton*>("skbNew")->Click();
        QCoreApplication::processEvents();
        save(*FrmMainShell, name);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zavk-screens OUTPUT_FOLDER\n");
        return 2;
    }
    outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(outputFolder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outputFolder));
        return 1;
    }
    AppPath = QStringLiteral(ZAVK_PROGRAM_DIR "/");
    LoadSystemGlobals(); // as the program does first: the version, the default language
    // A message box would wait for a click no one gives: report it and go on.
    SetMessageHandler([](const TMessageRequest& request) {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        allSaved = false;
        return int(mrOk);
    });

    saveSkinDialogs();
    saveButtonStrip();
    saveTermsOfUse();
    saveHelp();
    saveMainWindowAndSplash();
    return allSaved ? 0 : 1;
}
