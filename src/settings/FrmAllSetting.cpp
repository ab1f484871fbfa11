#include "settings/FrmAllSetting.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/DataFolder.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "settings/LanguageFlags.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum TPage { pgGeneral, pgLanguage, pgUnitScheme, pgAbout };

const char* const PageNames[] = {"GeneralMaster", "Language", "UnitScheme", "About"};
const char* const PageButtonNames[] = {"BitBtnGenaral", "BitBtnLanguage", "BitBtnUnit",
                                       "BitBtnAbout"};
const char* const PageCaptions[] = {"Preset values", "Language", "Unit schemes", "About"};
const char* const NumberedTopics[] = {"11-1.htm", "11-2.htm", "11-3.htm", "11-4.htm"};
const char* const NamedTopics[] = {"tos-generales.html", "idioma.html",
                                   "programacion-de-la-unidad.html",
                                   "informacion-de-la-version.html"};

// Rows of the language list in the order of LanguageNames; the flag pictures
// follow the same order.
const char* const OwnNames[LanguageCount] = {"日本語",    "中文",     "한국어",  "English",
                                             "Español",   "Français", "Deutsch", "Italiano",
                                             "Português", "Русский"};

const QColor Unavailable(212, 208, 200);

// A language can be chosen when it is switched on and its file is there.
bool selectable(int language) {
    return language >= 0 && BaseClass->Available[language] &&
           QFileInfo::exists(LanguageFilePathOf(QLatin1String(LanguageNames[language])));
}

} // namespace

TFrmAllSetting::TFrmAllSetting(TDMComm& db, QWidget* parent) : TFrmShell(parent), db_(db) {
    setObjectName(QStringLiteral("FrmAllSetting"));
    labTitle->setText(QStringLiteral("Settings"));
    resize(860, 600);
    buildFrame();
    ApplyToForm(*BaseClass->Lan, this, [this](const QString& hint, QWidget*) { showHint(hint); });
    for (QTableWidget* grid : {SgUnit, SgUnitGroup, SgUnitGroupDetail})
        ShowGridHeadings(grid);
    // Drop-down boxes tell their hint on the status line too when the mouse comes onto them.
    for (QComboBox* box : {cboUnitList, cboAreaProduct, CmbCheck})
        box->installEventFilter(this);
    if (const auto hint =
            BaseClass->Lan->FindFormItem(objectName(), QStringLiteral("sbClose.Hint")))
        SetCloseHint(*hint);

    transactionOpen_ = db_.Connected() && db_.BeginTrans();
    writable_ = transactionOpen_ && db_.CanWrite();
    const QStringList models = ModelIds(db_);
    for (const QString& model : models) {
        cboModel->addItem(model, model);
        CmbModule->addItem(model, model);
    }
    fillSchemeList();

    LblVersion->setText(QStringLiteral("Version: ") + VersionText);
    baseTitle_ = labTitle->text();
    showPage(pgGeneral);
    // The version lines keep the dialog's plain face whatever the language asks for.
    for (QLabel* label : {LblVersion, Label1})
        label->setFont(QFont(QStringLiteral("DejaVu Sans")));
    for (QWidget* control : {sbAdd, sbDelete, BitBtnAdd, BitBtnMod, BitBtnDel})
        control->setEnabled(control->isEnabled() && writable_);
    if (!writable_)
        dbgUnitItem->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

TFrmAllSetting::~TFrmAllSetting() {
    finishTransaction(false);
}

void TFrmAllSetting::buildFrame() {
    auto* root = new QVBoxLayout(ClientPanel());
    auto* body = new QHBoxLayout;
    auto* column = new QVBoxLayout;
    for (int page = pgGeneral; page <= pgAbout; ++page) {
        TSkinButton* button =
            DialogButton(PageButtonNames[page], QLatin1String(PageCaptions[page]), ClientPanel());
        button->setFixedSize(150, 40);
        connect(button, &TSkinButton::clicked, this, [this, page] {
            if (page == pgLanguage)
                initLanguagePage();
            showPage(page);
        });
        pageButtons_[page] = button;
        column->addWidget(button);
    }
    column->addStretch();
    body->addLayout(column);

    nbMain = new QStackedWidget(ClientPanel());
    nbMain->setObjectName(QStringLiteral("nbMain"));
    const std::array<QWidget*, 4> pages = {buildGeneralPage(), buildLanguagePage(),
                                           buildSchemePage(), buildAboutPage()};
    for (int page = pgGeneral; page <= pgAbout; ++page) {
        pages[page]->setObjectName(QLatin1String(PageNames[page]));
        nbMain->addWidget(pages[page]);
    }
    body->addWidget(nbMain, 1);
    root->addLayout(body, 1);

    auto* bottom = new QHBoxLayout;
    LabHint = DialogLabel("LabHint", "", ClientPanel());
    LabHint->setWordWrap(true);
    bottom->addWidget(LabHint, 1);
    BitBtnClose = DialogButton("BitBtnClose", QStringLiteral("OK"), ClientPanel());
    connect(static_cast<TSkinButton*>(BitBtnClose), &TSkinButton::clicked, this,
            &TFrmAllSetting::accept);
    bottom->addWidget(BitBtnClose);
    root->addLayout(bottom);
}

QWidget* TFrmAllSetting::buildLanguagePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    lvLanguage = new QTreeWidget(page);
    lvLanguage->setObjectName(QStringLiteral("lvLanguage"));
    lvLanguage->setColumnCount(2);
    lvLanguage->setHeaderLabels({QString(), QStringLiteral("Language")});
    lvLanguage->setRootIsDecorated(false);
    lvLanguage->setIconSize(QSize(32, 21));
    lvLanguage->header()->resizeSection(0, 56);
    for (int i = 0; i < LanguageCount; ++i) {
        auto* row = new QTreeWidgetItem(lvLanguage, {QString(), QString::fromUtf8(OwnNames[i])});
        row->setIcon(0, LanguageFlag(i, QSize(32, 21)));
        if (!selectable(i)) {
            row->setForeground(1, Unavailable);
            row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
        }
    }
    connect(lvLanguage, &QTreeWidget::itemSelectionChanged, this, &TFrmAllSetting::selectLanguage);
    connect(lvLanguage, &QTreeWidget::itemClicked, this, &TFrmAllSetting::selectLanguage);
    layout->addWidget(lvLanguage, 1);
    cbDefault = new QCheckBox(QStringLiteral("Default language"), page);
    cbDefault->setObjectName(QStringLiteral("cbDefault"));
    layout->addWidget(cbDefault);
    auto* region = new QHBoxLayout;
    region->addWidget(DialogLabel("LabAreaProduct", "Sales region:", page));
    cboAreaProduct = new QComboBox(page);
    cboAreaProduct->setObjectName(QStringLiteral("cboAreaProduct"));
    cboAreaProduct->addItems({QStringLiteral("Asia"), QStringLiteral("Europe"),
                              QStringLiteral("South America"), QStringLiteral("North America")});
    region->addWidget(cboAreaProduct, 1);
    layout->addLayout(region);
    return page;
}

QWidget* TFrmAllSetting::buildAboutPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* picture = DialogLabel("ImaAbout", "", page);
    picture->setAlignment(Qt::AlignCenter);
    LoadImageFile(picture, QStringLiteral("img\\"), QStringLiteral("Main"), false);
    if (const QPixmap shown = picture->pixmap(); !shown.isNull())
        picture->setPixmap(shown.scaledToWidth(520, Qt::SmoothTransformation));
    layout->addWidget(picture);
    auto* name = DialogLabel("LabAboutName", "ZAVK", page);
    name->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    layout->addWidget(name);
    LblVersion = DialogLabel("LblVersion", "", page);
    Label1 = DialogLabel("Label1", "", page);
    Label1->setWordWrap(true);
    layout->addWidget(LblVersion);
    layout->addWidget(Label1);
    layout->addStretch();
    return page;
}

void TFrmAllSetting::showPage(int page) {
    for (int i = pgGeneral; i <= pgAbout; ++i)
        pageButtons_[i]->SetDownIn(i == page);
    nbMain->setCurrentIndex(page);
    labTitle->setText(baseTitle_ + '-' + pageButtons_[page]->property("Caption").toString());
    if (page == pgLanguage)
        lvLanguage->setFocus();
}

void TFrmAllSetting::showHint(const QString& hint) {
    LabHint->setText(hint);
}

void TFrmAllSetting::showHelp() {
    const int page = nbMain->currentIndex();
    BaseClass->HelpTopic =
        QLatin1String(BaseClass->UsesNamedHelpTopics() ? NamedTopics[page] : NumberedTopics[page]);
    BaseClass->ShowCurrentHelp();
}

void TFrmAllSetting::showEvent(QShowEvent* event) {
    TFrmShell::showEvent(event);
    if (event->spontaneous())
        return;
    changeModel();
    if (!writable_ && db_.Connected())
        ShowKeyedMessage(QStringLiteral("MSGSETREADONLY"), TMsgDlgType::mtInformation, mbOK);
}

void TFrmAllSetting::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    TFrmShell::keyPressEvent(event);
}

void TFrmAllSetting::initLanguagePage() {
    if (languagePageReady_)
        return;
    languagePageReady_ = true;
    const int area = BaseClass->AreaProduct;
    cboAreaProduct->setCurrentIndex(area >= 0 && area < cboAreaProduct->count() ? area : 0);
    const bool isDefault = BaseClass->DefaultLanguage == BaseClass->Language;
    cbDefault->setChecked(isDefault);
    cbDefault->setEnabled(!isDefault);
    const int current = LanguageIndexOfName(BaseClass->Language);
    if (selectable(current))
        lvLanguage->setCurrentItem(lvLanguage->topLevelItem(current));
}

void TFrmAllSetting::selectLanguage() {
    QTreeWidgetItem* row = lvLanguage->currentItem();
    const int index = row ? lvLanguage->indexOfTopLevelItem(row) : -1;
    if (!selectable(index)) {
        lvLanguage->clearSelection();
        cbDefault->setEnabled(false);
        cboAreaProduct->setEnabled(false);
        return;
    }
    if (!row->isSelected())
        row->setSelected(true);
    cboAreaProduct->setEnabled(true);
    const bool isDefault = BaseClass->DefaultLanguage == QLatin1String(LanguageNames[index]);
    cbDefault->setChecked(isDefault);
    cbDefault->setEnabled(!isDefault);
}

void TFrmAllSetting::finishTransaction(bool commit) {
    if (!transactionOpen_)
        return;
    transactionOpen_ = false;
    if (!(commit ? db_.CommitTrans() : db_.RollbackTrans()) && commit)
        ShowPlainMessage(db_.LastError());
}

void TFrmAllSetting::accept() {
    if (ShowKeyedMessage(QStringLiteral("MSGSETSAVE"), TMsgDlgType::mtWarning, mbYes | mbNo) !=
        mrYes) {
        reject();
        return;
    }
    saveSettings();
    QDialog::accept();
    writeSystemIni();
}

void TFrmAllSetting::reject() {
    finishTransaction(false);
    QDialog::reject();
}

void TFrmAllSetting::saveSettings() {
    // A row still being typed is posted first, so that it is part of what is kept;
    // one the checks refuse is dropped with the message that says why.
    if (presets_->Editing()) {
        presetEdited(presets_->EditRow());
        if (presets_->Editing())
            presets_->Cancel();
    }
    finishTransaction(true);
    presetsChanged_ = true;
    if (!languagePageReady_) {
        initLanguagePage();
        showPage(pgLanguage);
    }
    BaseClass->AreaProduct =
        RegionOfChoice(cboAreaProduct->count(), cboAreaProduct->currentIndex());
    if (QTreeWidgetItem* row = lvLanguage->currentItem(); row && row->isSelected())
        BaseClass->Language = QLatin1String(LanguageNames[lvLanguage->indexOfTopLevelItem(row)]);
    settingsAccepted_ = true;
    if (schemeRow_ >= FreeChoiceRow) {
        BaseClass->DefaultSchemeID = currentSchemeId_.toInt();
        BaseClass->UnitFreedom = schemeRow_ == FreeChoiceRow;
        unitSettingsChanged_ = true;
    }
}

void TFrmAllSetting::writeSystemIni() {
    IniFile::TKeyValues values;
    if (cbDefault->isChecked()) {
        BaseClass->DefaultLanguage = BaseClass->Language;
        values.append({QStringLiteral("DefaultLanguage"), BaseClass->Language});
    }
    values.append({QStringLiteral("AreaProduct"), QString::number(cboAreaProduct->currentIndex())});
    IniFile settings(SystemIniPath());
    if (!settings.writeStrings(QStringLiteral("System"), values))
        ReportWriteFailure(settings.errorString());
    TBaseClass::RestoreSysIniStamp();
}
