#include "lang/XMLLan.h"

#include "core/FileAccess.h"

#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

QString limitExceeded(int depth, int elements) {
    if (depth > TXMLLan::MaxDepth)
        return QStringLiteral("elements are nested deeper than %1 levels").arg(TXMLLan::MaxDepth);
    if (elements > TXMLLan::MaxElements)
        return QStringLiteral("it holds more than %1 elements").arg(TXMLLan::MaxElements);
    return QString();
}

// Refuses a document nested deeper or holding more elements than a language
// file needs, before QDomDocument (whose cost grows with the square of the
// depth) sees it. The scan stops at the first element beyond a limit. Syntax
// errors are left to QDomDocument, which tells their line and column.
bool withinLimits(const QByteArray& content, QString& problem) {
    QXmlStreamReader reader(content);
    int depth = 0;
    int elements = 0;
    QString exceeded;
    while (!reader.atEnd() && exceeded.isEmpty()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            exceeded = limitExceeded(++depth, ++elements);
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    problem = exceeded;
    return exceeded.isEmpty();
}

bool parseContent(const QByteArray& content, QDomDocument& document, QString& error) {
    if (!withinLimits(content, error))
        return false;
    QString message;
    int line = 0;
    int column = 0;
    QDomDocument parsed;
    if (!parsed.setContent(content, &message, &line, &column)) {
        error = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(message);
        return false;
    }
    if (parsed.documentElement().isNull()) {
        error = QStringLiteral("no root element");
        return false;
    }
    document = parsed;
    return true;
}

// Only a regular file of at most MaxFileSize bytes is read, so a FIFO or a
// link to a device cannot hold up the start-up.
bool parseFile(const QString& path, QDomDocument& document, QString& error) {
    QByteArray content;
    QString reason;
    if (ReadRegularFile(path, TXMLLan::MaxFileSize, content, reason) &&
        parseContent(content, document, reason))
        return true;
    error = QStringLiteral("%1: %2").arg(path, reason);
    return false;
}

// The n of prefix + "[n]" when n is written as a plain decimal number.
std::optional<int> indexAfter(const QString& name, const QString& prefix) {
    const qsizetype start = prefix.size() + 1;
    if (name.size() <= start + 1 || !name.startsWith(prefix) || name.at(prefix.size()) != u'[' ||
        !name.endsWith(u']'))
        return std::nullopt;
    const QStringView digits = QStringView(name).sliced(start, name.size() - start - 1);
    bool ok = false;
    const int index = digits.toInt(&ok);
    if (!ok || index < 0 || digits != QString::number(index))
        return std::nullopt;
    return index;
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
    loadedFile_.clear();
    document_ = QDomDocument();
    loadError_.clear();
    if (parseFile(filePath, document_, loadError_)) {
        loadedFile_ = filePath;
        return;
    }
    const QString english = QFileInfo(filePath).absolutePath() + QStringLiteral("/English.xml");
    if (QFileInfo(english) == QFileInfo(filePath))
        return;
    QString englishError;
    if (parseFile(english, document_, englishError))
        loadedFile_ = english;
    else
        loadError_ += QChar('\n') + englishError;
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

std::map<int, QString> TXMLLan::IndexedFormItems(const QString& screen,
                                                 const QString& prefix) const {
    std::map<int, QString> items;
    const QDomElement form = container(0).firstChildElement(screen);
    for (QDomElement item = form.firstChildElement(); !item.isNull();
         item = item.nextSiblingElement()) {
        if (const auto index = indexAfter(item.attribute(QStringLiteral("ItemName")), prefix))
            items.try_emplace(*index, item.attribute(QStringLiteral("value")));
    }
    return items;
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
