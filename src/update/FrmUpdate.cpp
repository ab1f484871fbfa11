#include "update/FrmUpdate.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "update/FrmSetProxy.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QNetworkInformation>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Pages in the order of the steps that show them.
const int StepPages[] = {TFrmUpdate::stWelcome, TFrmUpdate::stSelectPath, TFrmUpdate::stBeforeCopy,
                         TFrmUpdate::stCopy,    TFrmUpdate::stFinish,     TFrmUpdate::stCancel};

int pageOf(int step) {
    for (int page = 0; page < int(std::size(StepPages)); ++page) {
        if (StepPages[page] == step)
            return page;
    }
    return 0;
}

// Only a network backend that positively reports no connection stops the
// update; without one (or on loopback) the request itself will tell.
bool knownOffline() {
    QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    return info && info->reachability() == QNetworkInformation::Reachability::Disconnected;
}

// A folder on a local disk that can be written: not a network file system.
bool onLocalDisk(const QString& folder) {
    const QStorageInfo storage(folder);
    static const QList<QByteArray> remote = {"nfs",   "nfs4",  "cifs",       "smb3",
                                             "smbfs", "sshfs", "fuse.sshfs", "9p"};
    return storage.isValid() && storage.isReady() && !storage.isReadOnly() &&
           !remote.contains(storage.fileSystemType());
}

QTableWidget* logGrid(const char* name, QWidget* parent) {
    auto* grid = new QTableWidget(1, 5, parent); // row 0 takes the headings of the language file
    grid->setObjectName(QLatin1String(name));
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setHorizontalHeaderLabels({QString(), QStringLiteral("File"),
                                     QStringLiteral("Description"), QString(),
                                     QStringLiteral("Time stamp")});
    const int widths[] = {9, 89, 60, 10, 132};
    for (int column = 0; column < 5; ++column)
        grid->setColumnWidth(column, widths[column]);
    grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    return grid;
}

} // namespace

TFrmUpdate::TFrmUpdate(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmUpdate"));
    labTitle->setText(QStringLiteral("Data update"));
    resize(640, 470);
    buildPages();
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, ShowHint);
    const std::array<const char*, 3> designed = {"Next >", "Update", "Finish"};
    for (int i = 0; i < 3; ++i) {
        nextCaptions_[i] = text(qPrintable(QStringLiteral("btnNext.Caption%1").arg(i)));
        nextHints_[i] = text(qPrintable(QStringLiteral("btnNext.Hint%1").arg(i)));
        if (nextCaptions_[i].isEmpty())
            nextCaptions_[i] = QLatin1String(designed[i]);
    }
    for (QTableWidget* grid : {sgCopyLog, sgLog}) {
        for (int column : {1, 2, 4}) {
            if (const QTableWidgetItem* heading = grid->item(0, column))
                grid->horizontalHeaderItem(column)->setText(heading->text());
        }
        grid->setRowCount(0);
    }
    Tm8Install = new QTimer(this);
    Tm8Install->setInterval(1000);
    connect(Tm8Install, &QTimer::timeout, this, &TFrmUpdate::tick);
    SetInstallFolder(AppPath);
    showStep(stWelcome);
}

TFrmUpdate::~TFrmUpdate() = default;

QString TFrmUpdate::text(const char* key) const {
    if (!BaseClass || !BaseClass->Lan)
        return QString();
    return BaseClass->Lan->FindFormItem(objectName(), QLatin1String(key)).value_or(QString());
}

QWidget* TFrmUpdate::page(const char* name, const char* title, const char* titleCaption,
                          const char* body, const char* bodyCaption) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(page);
    QLabel* heading = DialogLabel(title, titleCaption, page);
    heading->setStyleSheet(QStringLiteral("font-size: 15pt; font-weight: bold;"));
    layout->addWidget(heading);
    QLabel* text = DialogLabel(body, bodyCaption, page);
    text->setWordWrap(true);
    layout->addWidget(text);
    nbMain->addWidget(page);
    return page;
}

void TFrmUpdate::buildPages() {
    nbMain = new QStackedWidget(ClientPanel());
    nbMain->setObjectName(QStringLiteral("nbMain"));

    QWidget* welcome =
        page("Welcome", "lbl2Welcome", "Welcome to the data update", "mem2Welcome", "");
    auto* picture = DialogLabel("ImaWelcome", "", welcome);
    LoadImageFile(picture, QStringLiteral("img\\"), QStringLiteral("Main"), false);
    if (const QPixmap shown = picture->pixmap(); !shown.isNull())
        picture->setPixmap(shown.scaledToWidth(360, Qt::SmoothTransformation));
    static_cast<QVBoxLayout*>(welcome->layout())->insertWidget(0, picture);
    welcome->layout()->addWidget(DialogLabel("lblQOV", "ZAVK online update", welcome));

    QWidget* folder = page("SelectPath", "lbl4Title", "Installation folder", "lbl4Text", "");
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(folder);
    icon->setPixmap(style()->standardIcon(QStyle::SP_DirIcon).pixmap(32, 32));
    lbl4InstallFolder = DialogLabel("lbl4InstallFolder", "", folder);
    auto* change = DialogButton("btnChangeFolder", QStringLiteral("Change…"), folder);
    connect(change, &TSkinButton::clicked, this, &TFrmUpdate::changeFolder);
    row->addWidget(icon);
    row->addWidget(lbl4InstallFolder, 1);
    row->addWidget(change);
    static_cast<QVBoxLayout*>(folder->layout())->addLayout(row);

    page("BeforeCopyFile", "lbl5Title", "Ready to update", "lbl5Text", "");

    QWidget* copy = page("CopyFile", "lbl8Title", "Updating", "mem8Install", "");
    mem8Install = copy->findChild<QLabel*>(QStringLiteral("mem8Install"));
    pbarMain = new QProgressBar(copy);
    pbarMain->setObjectName(QStringLiteral("pbarMain"));
    pbarSecondary = new QProgressBar(copy);
    pbarSecondary->setObjectName(QStringLiteral("pbarSecondary"));
    btnDetailed1 = DialogButton("btnDetailed1", QStringLiteral("Details >>"), copy);
    btnDetailed2 = DialogButton("btnDetailed2", QStringLiteral("<< Details"), copy);
    connect(btnDetailed1, &TSkinButton::clicked, this, [this] { showDetails(true); });
    connect(btnDetailed2, &TSkinButton::clicked, this, [this] { showDetails(false); });
    sgCopyLog = logGrid("sgCopyLog", copy);
    for (QWidget* w : std::initializer_list<QWidget*>{pbarMain, pbarSecondary, btnDetailed1,
                                                      btnDetailed2, sgCopyLog})
        copy->layout()->addWidget(w);
    showDetails(false);

    QWidget* finish = page("Finish", "lbl9Title", "Update finished", "lbl9Text", "");
    lblLog = DialogLabel("lblLog", "", finish);
    sgLog = logGrid("sgLog", finish);
    finish->layout()->addWidget(lblLog);
    finish->layout()->addWidget(sgLog);

    page("Cancel", "lbl10Title", "Update stopped", "lbl10Text", "");
    // Every page but the finished one, whose log takes the room, keeps its content at the top.
    for (int i = 0; i < nbMain->count(); ++i) {
        if (i != pageOf(stFinish))
            static_cast<QVBoxLayout*>(nbMain->widget(i)->layout())->addStretch();
    }

    btnBack = DialogButton("btnBack", QStringLiteral("< Back"), ClientPanel());
    btnNext = DialogButton("btnNext", QStringLiteral("Next >"), ClientPanel());
    btnCancel = DialogButton("btnCancel", QStringLiteral("Cancel"), ClientPanel());
    connect(btnBack, &TSkinButton::clicked, this, &TFrmUpdate::back);
    connect(btnNext, &TSkinButton::clicked, this, &TFrmUpdate::next);
    connect(btnCancel, &TSkinButton::clicked, this, [this] {
        if (askCancel())
            showStep(stCancel);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (TSkinButton* button : {btnBack, btnNext, btnCancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->addWidget(nbMain, 1);
    layout->addLayout(buttons);
}

void TFrmUpdate::SetInstallFolder(const QString& folder) {
    installFolder_ = QDir::cleanPath(folder); // no trailing "/"

    lbl4InstallFolder->setText(installFolder_);
    session_ = std::make_unique<TUpdateSession>(installFolder_, AppPath);
}

void TFrmUpdate::showStep(int step) {
    step_ = step;
    nbMain->setCurrentIndex(pageOf(step));
    const bool ended = step == stFinish || step == stCancel;
    const int caption = step == stBeforeCopy ? 1 : ended ? 2 : 0;
    btnNext->SetCaption(nextCaptions_[caption]);
    btnNext->setToolTip(nextHints_[caption]);
    btnBack->setEnabled(step == stSelectPath || step == stBeforeCopy);
    btnNext->setEnabled(step != stCopy && (step != stSelectPath || !installFolder_.isEmpty()));
    btnCancel->setEnabled(!ended);
    if (step == stSelectPath)
        SetInstallFolder(AppPath);
    if (step == stCopy)
        QTimer::singleShot(0, this, &TFrmUpdate::runCopy);
}

void TFrmUpdate::next() {
    switch (step_) {
    case stFinish:
    case stCancel:
        accept();
        return;
    case stWelcome:
        showStep(stSelectPath);
        return;
    case stSelectPath:
        if (folderAccepted())
            showStep(stBeforeCopy);
        return;
    case stBeforeCopy:
        showStep(stCopy);
        return;
    default:
        return;
    }
}

void TFrmUpdate::back() {
    if (step_ == stSelectPath)
        showStep(stWelcome);
    else if (step_ == stBeforeCopy)
        showStep(stSelectPath);
}

bool TFrmUpdate::askCancel() {
    if (ShowKeyedMessage(QStringLiteral("MSG0061"), TMsgDlgType::mtInformation, mbYes | mbNo) !=
        mrYes)
        return false;
    cancelled_ = true;
    return true;
}

void TFrmUpdate::reject() {
    if (running_) {
        if (askCancel())
            showStep(stCancel);
        return;
    }
    TFrmShell::reject();
}

bool TFrmUpdate::folderAccepted() {
    const char* refusal = nullptr;
    if (!onLocalDisk(installFolder_))
        refusal = "MSG0064";
    else if (session_->UrlInfo.Url.trimmed().isEmpty())
        refusal = "MSG0063";
    else if (knownOffline())
        refusal = "MSG0065";
    if (refusal)
        ShowKeyedMessage(QLatin1String(refusal), TMsgDlgType::mtInformation, mbOK);
    return !refusal;
}

void TFrmUpdate::changeFolder() {
    QString folder;
    if (!BrowseForFolder(QString(), QString(), folder) || folder.trimmed().isEmpty())
        return;
    SetInstallFolder(folder);
    btnNext->setEnabled(true);
}

void TFrmUpdate::setStatus(const QString& status) {
    statusText_ = status;
    if (!Tm8Install->isActive()) {
        mem8Install->setText(statusText_ + ticker_);
        Tm8Install->start();
    }
}

void TFrmUpdate::tick() {
    ticker_ = ticker_.size() >= 8 ? QString() : ticker_ + QStringLiteral(" >");
    mem8Install->setText(statusText_ + ticker_);
}

void TFrmUpdate::showDetails(bool shown) {
    sgCopyLog->setVisible(shown);
    btnDetailed1->setVisible(!shown);
    btnDetailed2->setVisible(shown);
}

void TFrmUpdate::fillLog(QTableWidget* grid) {
    grid->setRowCount(int(installed_.size()));
    for (int row = 0; row < installed_.size(); ++row) {
        const TFileInfo& file = installed_.at(row);
        const QString cells[] = {QString(), file.Name, file.Info, QString(), file.Stamp};
        for (int column = 0; column < 5; ++column)
            grid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    lblLog->setText(BaseClass->Lan->GetMessageText(QStringLiteral("MSG0072")) +
                    QStringLiteral("    ") + QString::number(grid->rowCount()));
}

void TFrmUpdate::failed(const QString& reason) {
    if (!cancelled_)
        ShowPlainMessage(BaseClass->Lan->GetMessageText(QStringLiteral("MSGUPDATEFAILED")) +
                         reason);
}

void TFrmUpdate::runCopy() {
    running_ = true;
    setStatus(BaseClass->Lan->GetMessageText(QStringLiteral("UpdateDrtv01")));
    if (knownOffline()) {
        ShowKeyedMessage(QStringLiteral("MSG0065"), TMsgDlgType::mtInformation, mbOK);
        running_ = false;
        return;
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
    pbarMain->setValue(0);
    installed_.clear();
    TUpdateClient client;
    int next = stCancel;
    if (!client.Configure(session_->UrlInfo)) {
        ShowKeyedMessage(QStringLiteral("MSGPROXYPORT"), TMsgDlgType::mtInformation, mbOK);
    } else if (fetchVersionList(client)) {
        setStatus(BaseClass->Lan->GetMessageText(QStringLiteral("UpdateDrtv03")));
        switch (session_->Compare()) {
        case TCompareResult::Error:
            ShowKeyedMessage(QStringLiteral("MSG0071"), TMsgDlgType::mtInformation, mbOK);
            next = stSelectPath;
            break;
        case TCompareResult::AllCurrent:
            if (ShowKeyedMessage(QStringLiteral("MSG0066"), TMsgDlgType::mtInformation,
                                 mbYes | mbNo) == mrYes) {
                session_->DownloadEverything();
                next = download(client) ? stFinish : stCancel;
            }
            break;
        case TCompareResult::SomethingToDo:
            next = download(client) ? stFinish : stCancel;
            break;
        }
    }
    QApplication::restoreOverrideCursor();
    Tm8Install->stop();
    running_ = false;
    if (next == stFinish)
        fillLog(sgLog);
    showStep(cancelled_ ? stCancel : next);
}

// The version list; a failed fetch offers the proxy settings and tries again
// for as long as the user confirms them. A hostile list is refused outright.
bool TFrmUpdate::fetchVersionList(TUpdateClient& client) {
    setStatus(BaseClass->Lan->GetMessageText(QStringLiteral("UpdateDrtv02")));
    for (;;) {
        QString error;
        if (session_->FetchVersionList(client, &error))
            return true;
        if (session_->ListRefused()) {
            ShowPlainMessage(BaseClass->Lan->GetMessageText(QStringLiteral("MSGUPDATEBADLIST"))
                                 .replace(QLatin1Char('\r'),
                                          QStringLiteral("\r") + error + QStringLiteral("\r")));
            return false;
        }
        if (cancelled_)
            return false;
        if (!proxyDialog_)
            proxyDialog_ = new TFrmSetProxy(this);
        proxyDialog_->UrlInfo = session_->UrlInfo;
        proxyDialog_->SettingsFile = installFolder_ + QStringLiteral("/System.ini");
        proxyDialog_->Accepted = false;
        QApplication::restoreOverrideCursor();
        proxyDialog_->exec();
        QApplication::setOverrideCursor(Qt::BusyCursor);
        if (!proxyDialog_->Accepted)
            return false;
        const QString url = session_->UrlInfo.Url;
        session_->UrlInfo = proxyDialog_->UrlInfo;
        session_->UrlInfo.Url = url;
        if (!client.Configure(session_->UrlInfo)) {
            ShowKeyedMessage(QStringLiteral("MSGPROXYPORT"), TMsgDlgType::mtInformation, mbOK);
            return false;
        }
    }
}

bool TFrmUpdate::download(TUpdateClient& client) {
    TUpdateHooks hooks;
    hooks.Downloading = [this](const QString& name) {
        setStatus(BaseClass->Lan->GetMessageText(QStringLiteral("UpdateDrtv04")) + name);
    };
    hooks.FileProgress = [this](int done, int total) {
        pbarMain->setRange(0, std::max(1, total));
        pbarMain->setValue(done);
    };
    hooks.ByteProgress = [this](qint64 received, qint64 total) {
        // Kibibytes keep a file of any size within the bar's integer range.
        pbarSecondary->setRange(0, std::max(1, int(total / 1024)));
        pbarSecondary->setValue(int(received / 1024));
    };
    hooks.Installed = [this](const TFileInfo& file) {
        installed_.append(file);
        fillLog(sgCopyLog);
    };
    hooks.Cancelled = [this] { return cancelled_; };
    hooks.ReleaseCatalogue = [](const QString& path) {
        if (DMComm && QFileInfo(DMComm->DatabasePath()) == QFileInfo(path))
            DMComm->CloseConnection();
    };
    QString error;
    if (session_->Download(client, hooks, &error))
        return true;
    failed(error);
    return false;
}
