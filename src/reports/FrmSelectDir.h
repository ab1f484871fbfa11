#pragma once

#include "controls/FrmShell.h"

class QLineEdit;

// Where an HTML export goes: an existing parent folder, the name of the folder to
// create in it (or to use again) and the page's file name without extension. OK
// checks them and asks before an existing page is replaced.
class TFrmSelectDir : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmSelectDir(QWidget* parent = nullptr);

    // The export's folder: parent folder and folder name.
    QString TargetFolder() const;
    QString FileName() const;

    QLineEdit* ediPath;
    QLineEdit* ediDir;
    QLineEdit* ediFileName;

private:
    void browse();
    void confirm();
};
