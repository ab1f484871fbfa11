#include "controls/FrmHelp.h"

#include "settings/BaseClass.h"

#include <QHelpEngineCore>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The folder under which the help project files put their pages.
const QString HelpFolder = QStringLiteral("doc");

// Reads pages, style sheets and pictures from the help file instead of the disk.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(TFrmHelp* help) : QTextBrowser(help), help_(help) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() != QLatin1String("qthelp"))
            return QTextBrowser::loadResource(type, name);
        const QByteArray data = help_->HelpData(name);
        if (type == QTextDocument::ImageResource)
            return QImage::fromData(data);
        return QString::fromUtf8(data);
    }

private:
    TFrmHelp* help_;
};

} // namespace

TFrmHelp::TFrmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral("ZAVK - Help"));
    resize(760, 600);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("LblHelpNotice"));
    notice_->setStyleSheet(QStringLiteral("background:#fff4d6; color:#5a4300; padding:6px 10px"));
    notice_->hide();
    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("BrowserHelp"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(notice_);
    layout->addWidget(browser_);
}

TFrmHelp::~TFrmHelp() = default;

bool TFrmHelp::openHelpFile(const QString& helpFile) {
    if (engine_ && helpFile == helpFile_)
        return true;
    const QString name = QHelpEngineCore::namespaceName(helpFile);
    auto folder = std::make_unique<QTemporaryDir>();
    if (name.isEmpty() || !folder->isValid())
        return false;
    // A private collection in a temporary folder, so nothing is written beside the program.
    auto engine = std::make_unique<QHelpEngineCore>(folder->filePath("help.qhc"));
    engine->setReadOnly(false);
    if (!engine->setupData() || !engine->registerDocumentation(helpFile))
        return false;
    browser_->clear();
    engine_ = std::move(engine);
    collectionDir_ = std::move(folder);
    helpFile_ = helpFile;
    namespace_ = name;
    // Every page of a help file shares its "style.css".
    browser_->document()->setDefaultStyleSheet(QString::fromUtf8(
        HelpData(QUrl(QStringLiteral("qthelp://%1/%2/style.css").arg(name, HelpFolder)))));
    return true;
}

QByteArray TFrmHelp::HelpData(const QUrl& url) const {
    return engine_ ? engine_->fileData(url) : QByteArray();
}

bool TFrmHelp::ShowTopic(const QString& helpFile, const QString& topic) {
    if (!openHelpFile(helpFile))
        return false;
    const QUrl url(QStringLiteral("qthelp://%1/%2/%3").arg(namespace_, HelpFolder, topic));
    if (HelpData(url).isEmpty())
        return false;
    browser_->setSource(url);
    const bool englishInstead = BaseClass && !BaseClass->HelpInOwnLanguage();
    if (englishInstead)
        notice_->setText(
            QStringLiteral("The help is not available in %1 yet; the English help is shown.")
                .arg(BaseClass->Language));
    notice_->setVisible(englishInstead);
    return true;
}

QString TFrmHelp::CurrentTopicUrl() const {
    return browser_->source().toString();
}

void TFrmHelp::InstallAsHelpViewer(QWidget* owner) {
    TBaseClass::SetHelpViewer(
        [owner = QPointer<QWidget>(owner)](const QString& helpFile, const QString& topic) {
            static QPointer<TFrmHelp> window;
            if (!window) {
                // Owned by the main window, so it never keeps the program running alone.
                window = new TFrmHelp(owner);
                window->setAttribute(Qt::WA_DeleteOnClose);
            }
            if (window->ShowTopic(helpFile, topic)) {
                window->show();
                window->raise();
                window->activateWindow();
            }
        });
}
