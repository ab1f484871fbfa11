#pragma once

#include "controls/FrmShell.h"
#include "update/UpdateSession.h"

#include <array>
#include <memory>

class QLabel;
class QProgressBar;
class QStackedWidget;
class QTableWidget;
class QTimer;
class TFrmSetProxy;
class TSkinButton;

// The online update wizard: welcome, the installation folder, ready, the download
// with its progress and log, and the end (finished or stopped). The download runs
// on this thread between the window's events, so Cancel answers while it runs.
class TFrmUpdate : public TFrmShell {
    Q_OBJECT
public:
    enum TStep {
        stWelcome = 1,
        stSelectPath = 3,
        stBeforeCopy = 4,
        stCopy = 5,
        stFinish = 6,
        stCancel = 7
    };

    explicit TFrmUpdate(QWidget* parent = nullptr);
    ~TFrmUpdate() override;

    int Step() const { return step_; }
    QString InstallFolder() const { return installFolder_; }
    void SetInstallFolder(const QString& folder);
    const TUpdateSession* Session() const { return session_.get(); }

    // The caption-bar close during the download asks as Cancel does.
    void reject() override;

private:
    void buildPages();
    QWidget* page(const char* name, const char* title, const char* titleCaption, const char* text,
                  const char* textCaption);
    void showStep(int step);
    void next();
    void back();
    bool askCancel();
    bool folderAccepted();
    void changeFolder();
    void runCopy();
    bool fetchVersionList(TUpdateClient& client);
    bool download(TUpdateClient& client);
    void setStatus(const QString& text);
    void tick();
    void fillLog(QTableWidget* grid);
    void showDetails(bool shown);
    void failed(const QString& reason);
    QString text(const char* key) const;

    int step_ = stWelcome;
    bool cancelled_ = false;
    bool running_ = false;
    QString installFolder_;
    QString statusText_;
    QString ticker_;
    std::unique_ptr<TUpdateSession> session_;
    QList<TFileInfo> installed_;
    std::array<QString, 3> nextCaptions_;
    std::array<QString, 3> nextHints_;
    TFrmSetProxy* proxyDialog_ = nullptr;

    QStackedWidget* nbMain;
    TSkinButton* btnBack;
    TSkinButton* btnNext;
    TSkinButton* btnCancel;
    QLabel* lbl4InstallFolder;
    QLabel* mem8Install;
    QProgressBar* pbarMain;
    QProgressBar* pbarSecondary;
    TSkinButton* btnDetailed1;
    TSkinButton* btnDetailed2;
    QTableWidget* sgCopyLog;
    QTableWidget* sgLog;
    QLabel* lblLog;
    QTimer* Tm8Install;
};
