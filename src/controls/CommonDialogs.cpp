#include "controls/CommonDialogs.h"

#include "core/Globals.h"
#include "core/Helpers.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "units/UnitConversion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

TMessageHandler& messageHandler() {
    static TMessageHandler handler;
    return handler;
}

TFolderBrowser& folderBrowser() {
    static TFolderBrowser browser;
    return browser;
}

TFileChooser& fileChooser() {
    static TFileChooser chooser;
    return chooser;
}

const QColor DisabledInputColour(212, 208, 200);
// The component an input was bound to, kept beside the tag: the tag counts widgets,
// and a widget created later (a drop-down list made on first use) shifts the count.
const char* const TaggedComponentProperty = "zavkTaggedComponent";

// The window a message belongs to: the active one, else the visible window that
// was active before (a closed dialog leaves no active window behind on some
// platforms), so that a message opens over the same window every time.
QWidget* messageParent() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() == Qt::Window)
            return window;
    }
    return nullptr;
}

int showMessageBox(const TMessageRequest& request) {
    const QMessageBox::Icon icon = request.kind == TMsgDlgType::mtWarning ? QMessageBox::Warning
                                   : request.kind == TMsgDlgType::mtConfirmation
                                       ? QMessageBox::Question
                                       : QMessageBox::Information;
    QMessageBox::StandardButtons buttons;
    if (request.buttons & mbYes)
        buttons |= QMessageBox::Yes;
    if (request.buttons & mbNo)
        buttons |= QMessageBox::No;
    if ((request.buttons & mbOK) || !buttons)
        buttons |= QMessageBox::Ok;
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    QMessageBox box(icon, request.title, text, buttons, messageParent());
    if (!request.captions.isEmpty()) {
        const std::pair<QMessageBox::StandardButton, int> pieces[] = {
            {QMessageBox::Yes, 1}, {QMessageBox::No, 2}, {QMessageBox::Ok, 3}};
        for (const auto& [role, piece] : pieces) {
            if (QAbstractButton* button = box.button(role))
                button->setText(GetPiece(request.captions, QStringLiteral(";"), piece));
        }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Ok:
        return mrOk;
    default: // closed without a button: the safe answer
        return (request.buttons & mbNo) ? mrNo : mrOk;
    }
}

// The subfolder as it exists on disk, matching each part without regard to case.
QString existingFolder(const QString& base, QString subfolder) {
    subfolder.replace('\\', '/');
    QString path = base;
    for (const QString& part : subfolder.split('/', Qt::SkipEmptyParts)) {
        QString found = part;
        if (!QFileInfo(path + part).isDir()) {
            const QStringList entries = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0)
                    found = entry;
            }
        }
        path += found + '/';
    }
    return path;
}

void setInputBackground(QWidget* input, bool enabled) {
    QPalette palette = input->palette();
    const QColor colour =
        enabled ? QApplication::palette(input).color(QPalette::Base) : DisabledInputColour;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    input->setPalette(palette);
}

void enableCombo(QComboBox* combo, bool enable, QWidget* owner, bool clear) {
    combo->setEnabled(enable);
    const int tag = combo->property("tag").toInt();
    QWidget* unitButton = tag != 0 && owner ? TaggedComponent(combo, owner) : nullptr;
    const auto* unitSource = dynamic_cast<TUnitDefaultSource*>(unitButton);
    if (unitSource)
        unitButton->setEnabled(enable);
    if (enable) {
        if (tag == 0 && combo->count() > 0) {
            combo->setCurrentIndex(0);
        } else if (unitSource) {
            // The same text the binding writes, in the locale's decimal separator.
            if (const auto value = unitSource->DefaultValueOfShownUnit())
                combo->setCurrentText(GeneralText(*value));
        }
    } else if (clear) {
        combo->setCurrentIndex(-1);
        combo->setCurrentText(QString());
    }
    setInputBackground(combo, enable);
}

THintHandler& hintHandler() {
    static THintHandler handler;
    return handler;
}

} // namespace

void SetHintHandler(THintHandler handler) {
    hintHandler() = std::move(handler);
}

void ShowHint(const QString& hint, QWidget* control) {
    if (hintHandler())
        hintHandler()(hint, control);
}

void SetMessageHandler(TMessageHandler handler) {
    messageHandler() = std::move(handler);
}

int ShowMessageDlg(const QString& text, const QString& title, TMsgDlgType kind,
                   const QString& captions, TMsgDlgButtons buttons) {
    const TMessageRequest request{text, title, kind, captions, buttons};
    if (messageHandler())
        return messageHandler()(request);
    return showMessageBox(request);
}

void ShowPlainMessage(const QString& text) {
    ShowMessageDlg(text, QStringLiteral("ZAVK"), TMsgDlgType::mtInformation, QString(), mbOK);
}

int ShowKeyedMessage(const QString& key, TMsgDlgType kind, TMsgDlgButtons buttons) {
    const TXMLLan* lan = BaseClass ? BaseClass->Lan.get() : nullptr;
    const QString text = lan ? lan->GetMessageText(key) : QString();
    const QString title = lan ? lan->GetMessageText(QStringLiteral("MSGMESSAGE")) : QString();
    return ShowMessageDlg(text.isEmpty() ? key : text,
                          title.isEmpty() ? QStringLiteral("ZAVK") : title, kind, ButtonCaptions,
                          buttons);
}

bool MayReplaceFile(const QString& path) {
    return !QFileInfo::exists(path) ||
           ShowKeyedMessage(QStringLiteral("MSG0033"), TMsgDlgType::mtWarning, mbYes | mbNo) ==
               mrYes;
}

bool LoadImageFile(QLabel* picture, const QString& subfolder, const QString& baseName,
                   bool reportErrors) {
    const QString folder = existingFolder(AppPath, subfolder);
    QString path = folder + baseName + QStringLiteral(".bmp");
    if (!QFileInfo(path).isFile())
        path = folder + baseName + QStringLiteral(".JPG");
    QImage image;
    if (QFileInfo(path).isFile()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
    }
    if (image.isNull()) {
        if (reportErrors)
            ShowPlainMessage(path + QStringLiteral(" Load Image Error!"));
        return false;
    }
    picture->setPixmap(QPixmap::fromImage(image));
    return true;
}

void SetTaggedComponent(QWidget* input, QWidget* component) {
    input->setProperty(TaggedComponentProperty, QVariant::fromValue<QObject*>(component));
    QObject::connect(component, &QObject::destroyed, input,
                     [input] { input->setProperty(TaggedComponentProperty, QVariant()); });
}

QWidget* TaggedComponent(QWidget* input, QWidget* owner) {
    if (!input)
        return nullptr;
    if (QObject* bound = input->property(TaggedComponentProperty).value<QObject*>())
        return qobject_cast<QWidget*>(bound);
    const int tag = input->property("tag").toInt();
    const QList<QWidget*> components = (owner ? owner : input->window())->findChildren<QWidget*>();
    return tag >= 0 && tag < components.size() ? components.at(tag) : nullptr;
}

void EnableInput(QWidget* input, bool enable, QWidget* owner, bool clear) {
    if (auto* combo = qobject_cast<QComboBox*>(input)) {
        enableCombo(combo, enable, owner, clear);
        return;
    }
    input->setEnabled(enable);
    if (!enable && clear) {
        if (auto* edit = qobject_cast<QLineEdit*>(input))
            edit->clear();
        else if (auto* text = qobject_cast<QTextEdit*>(input))
            text->clear();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(input))
            plain->clear();
    }
    setInputBackground(input, enable);
}

void SetInputEnabled(QWidget* control, bool enabled) {
    control->setEnabled(enabled);
    if (qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control) ||
        qobject_cast<QTextEdit*>(control) || qobject_cast<QPlainTextEdit*>(control))
        setInputBackground(control, enabled);
}

void SetFolderBrowser(TFolderBrowser browser) {
    folderBrowser() = std::move(browser);
}

bool BrowseForFolder(const QString& title, const QString& rootFolder, QString& path) {
    QString start = QFileInfo(path).isDir() ? path : QString();
    if (start.isEmpty() && QFileInfo(rootFolder).isDir())
        start = rootFolder;
    std::optional<QString> chosen;
    if (folderBrowser()) {
        chosen = folderBrowser()(title, start);
    } else {
        const QString folder = QFileDialog::getExistingDirectory(
            QApplication::activeWindow(), title, start, QFileDialog::ShowDirsOnly);
        if (!folder.isEmpty())
            chosen = folder;
    }
    if (!chosen || chosen->isEmpty())
        return false;
    path = QFileInfo(*chosen).absoluteFilePath();
    return true;
}

void SetFileChooser(TFileChooser chooser) {
    fileChooser() = std::move(chooser);
}

std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& filter) {
    if (fileChooser())
        return fileChooser()(filter);
    // The program asks before it replaces a file, with its own message.
    const QString file = QFileDialog::getSaveFileName(parent, QString(), QString(), filter, nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (file.isNull())
        return std::nullopt;
    return file;
}

std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& filter) {
    if (fileChooser())
        return fileChooser()(filter);
    const QString file = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (file.isNull())
        return std::nullopt;
    return file;
}
