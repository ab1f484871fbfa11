#pragma once

#include "controls/FrmShell.h"

#include <QStringList>

#include <functional>

class QLabel;
class QPlainTextEdit;
class TSkinButton;

// The ten lines of the result note: the texts of the items "EdtCaclResultNote1"
// to "EdtCaclResultNote8", an empty line, and "EdtCaclResultNote9". A text the
// language file lacks gives an empty line in its place.
QStringList ResultNoteLines(const std::function<QString(const QString& item)>& text);

// The window that explains the result page's figures in words and with a
// picture: the language's picture "Img/ResultNotePic_<Language>.jpg" when it can
// be loaded, otherwise the window's own.
class TFrmResultNote : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmResultNote(QWidget* parent = nullptr);
    // Fills the note for the current language and shows it modally under the title.
    void ShowNote(const QString& title);

private:
    void fill();

    QPlainTextEdit* EdtCaclResultNote;
    QLabel* Image1;
    TSkinButton* BtnClose;
};
