#include "XMLLan.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool parseFile(const QString& path, QDomDocument& document, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QString message;
    int line = 0;
    int column = 0;
    QDomDocument parsed;
    if (!parsed.setContent(&file, &message, &line, &column)) {
        error = QStringLiteral("%1: line %2, column %3: %4")
                    .arg(path)
                    .arg(line)
                    .arg(column)
                    .arg(message);
        return false;
    }
    if (parsed.documentElement().isNull()) {
        error = QStringLiteral("%1: no root element").arg(path);
        return false;
    }
    document = parsed;
    return true;
}

QString nodeText(const QDomNode& node) {
    if (node.isElement())
        return node.toElement().text();
    return node.nodeValue();
}

} // namespace

TXMLLan::TXMLLan(const QString& filePath) {
    load(filePath);
}

void TXMLLan::SwitchFile(const QString& filePath) {
    if (filePath != fileName_)
        load(filePath);
}

void TXMLLan::load(const QString& filePath) {
    fileName_ = filePath;
    document_ = QDomDocument();
    loadError_.clear();
    if (parseFile(filePath, document_, loadError_))
        return;
    const QString english = QFileInfo(filePath).absolutePath() + QStringLiteral("/English.xml");
    QString englishError;
    if (QFileInfo(english) != QFileInfo(filePath))
        parseFile(english, document_, englishError);
}

QDomElement TXMLLan::container(int position) const {
    QDomElement element = document_.documentElement().firstChildElement();
    for (int i = 0; i < position && !element.isNull(); ++i)
        element = element.nextSiblingElement();
    return element;
}

QString TXMLLan::FontName() const {
    return container(0).attribute(QStringLiteral("FontName"));
}

QString TXMLLan::GetFormItemText(const QString& screen, const QString& itemName) const {
    return FindFormItem(screen, itemName).value_or(QString());
}

std::optional<QString> TXMLLan::FindFormItem(const QString& screen, const QString& itemName) const {
    const QDomElement form = container(0).firstChildElement(screen);
    for (QDomElement item = form.firstChildElement(); !item.isNull();
         item = item.nextSiblingElement()) {
        if (item.attribute(QStringLiteral("ItemName")) == itemName)
            return item.attribute(QStringLiteral("value"));
    }
    return std::nullopt;
}

QString TXMLLan::GetMessageText(const QString& key) const {
    const QDomElement message = container(1).firstChildElement(key);
    QStringList lines;
    for (QDomNode node = message.firstChild(); !node.isNull(); node = node.nextSibling())
        lines.append(nodeText(node));
    return lines.join(QChar('\r'));
}

QString TXMLLan::GetDataText(const QString& table, const QString& key, const QString& field) const {
    return container(2).firstChildElement(table).firstChildElement(field + key).text();
}

bool TXMLLan::GetDataLines(const QString& table, const QString& key, QStringList& lines,
                           const QString& field) const {
    const QDomElement entry = container(2).firstChildElement(table).firstChildElement(field + key);
    if (entry.isNull())
        return false;
    lines.clear();
    for (QDomNode node = entry.firstChild(); !node.isNull(); node = node.nextSibling())
        lines.append(nodeText(node));
    return true;
}
