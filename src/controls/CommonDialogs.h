#pragma once

#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

// The one message box of the program, with button captions in the current language.
enum class TMsgDlgType { mtWarning, mtInformation, mtConfirmation };
enum TMsgDlgBtn { mbYes = 1, mbNo = 2, mbOK = 4 };
using TMsgDlgButtons = int;
inline constexpr int mrOk = 1;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

struct TMessageRequest {
    QString text;
    QString title;
    TMsgDlgType kind = TMsgDlgType::mtInformation;
    QString captions; // "Yes;No;OK;Cancel", empty for the toolkit's own captions
    TMsgDlgButtons buttons = mbOK;
};

// Shows a modal message box and gives mrOk, mrYes or mrNo. Lines of the text may
// be separated by a lone carriage return, as the language files give them.
int ShowMessageDlg(const QString& text, const QString& title, TMsgDlgType kind,
                   const QString& captions, TMsgDlgButtons buttons);
// A plain message with the program title and an OK button.
void ShowPlainMessage(const QString& text);
// The message of a language key, titled "MSGMESSAGE", with ButtonCaptions.
int ShowKeyedMessage(const QString& key, TMsgDlgType kind, TMsgDlgButtons buttons);
// True when no file has the path, or the user agrees to replace it (MSG0033).
bool MayReplaceFile(const QString& path);

// Where the hints of controls go: the status line of the main window, which
// installs the handler. Without one, hints are dropped.
using THintHandler = std::function<void(const QString& hint, QWidget* control)>;
void SetHintHandler(THintHandler handler);
void ShowHint(const QString& hint, QWidget* control = nullptr);

// Replaces the message box, for tests that answer it; an empty handler restores it.
using TMessageHandler = std::function<int(const TMessageRequest&)>;
void SetMessageHandler(TMessageHandler handler);

// Loads AppPath + subfolder + baseName + ".bmp", else ".JPG", into the picture.
// On failure the picture stays as it was and, when asked, the path is reported
// with " Load Image Error!". A subfolder given in another letter case than the
// folder on disk (for example "img\") is still found.
bool LoadImageFile(QLabel* picture, const QString& subfolder, const QString& baseName,
                   bool reportErrors);

// A value button that can tell the default value of the unit it shows; the
// combo boxes paired with such a button take that value when they are enabled.
class TUnitDefaultSource {
public:
    virtual ~TUnitDefaultSource() = default;
    virtual std::optional<double> DefaultValueOfShownUnit() const = 0;
};

// The widget an input's "tag" names: its position among the owner's child widgets
// (the input's window when owner is null); null when the tag names none.
// An input bound to a component by its tag names it directly once this is set.
QWidget* TaggedComponent(QWidget* input, QWidget* owner);
void SetTaggedComponent(QWidget* input, QWidget* component);

// Enables or disables and greys an input (combo box, line edit, text edit). A combo
// box whose "tag" property is not 0 shares its state with the value button found at
// that index among the owner's child widgets.
void EnableInput(QWidget* input, bool enable, QWidget* owner, bool clear);
// Enables or disables a control; drop-down and edit boxes are greyed when disabled.
void SetInputEnabled(QWidget* control, bool enabled);

// Asks for a folder; true and path set when the user confirmed one.
bool BrowseForFolder(const QString& title, const QString& rootFolder, QString& path);
// Replaces the folder browser, for tests; an empty browser restores the real one.
using TFolderBrowser =
    std::function<std::optional<QString>(const QString& title, const QString& startFolder)>;
void SetFolderBrowser(TFolderBrowser browser);

// Asks for a file to open with the file filter ("Text (*.txt)"); nothing when the
// user cancelled.
std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& filter);
// Replaces the file-open dialog, for tests; an empty chooser restores the real one.
using TFileChooser = std::function<std::optional<QString>(const QString& filter)>;
void SetFileChooser(TFileChooser chooser);
// Asks for a file name to save under; nothing when the user cancelled. The test
// chooser above answers this too.
std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& filter);
