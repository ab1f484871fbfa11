#pragma once

#include <QWidget>

#include <memory>

class QHelpEngineCore;
class QLabel;
class QTemporaryDir;
class QTextBrowser;

// The help window: shows a topic of a compiled help file (.qch) of the current
// language, follows its links and shows its pictures. While a language has no
// help file of its own, the English one is shown with a line that says so.
class TFrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget* parent = nullptr);
    ~TFrmHelp() override;

    // Opens the help file at the topic (a file name inside it, such as "4.htm");
    // false, and nothing changed, when the file or the topic cannot be read.
    bool ShowTopic(const QString& helpFile, const QString& topic);
    QString CurrentTopicUrl() const;

    // Contents of a file inside the open help file; empty when there is none.
    QByteArray HelpData(const QUrl& url) const;

    // Makes a help window (created on first use) the settings object's help viewer.
    static void InstallAsHelpViewer(QWidget* owner);

private:
    bool openHelpFile(const QString& helpFile);

    std::unique_ptr<QTemporaryDir> collectionDir_;
    std::unique_ptr<QHelpEngineCore> engine_;
    QString helpFile_;
    QString namespace_;
    QLabel* notice_;
    QTextBrowser* browser_;
};
