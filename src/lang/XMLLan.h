#pragma once

#include <QDomDocument>
#include <QString>
#include <QStringList>

#include <optional>

// The language file of the current language and its text lookups. A file that
// is missing or not well-formed is replaced by the English file beside it; the
// reason is kept in LoadError() for the user interface to show once.
class TXMLLan {
public:
    explicit TXMLLan(const QString& filePath);

    // Loads another file unless the path text equals the current one.
    void SwitchFile(const QString& filePath);
    const QString& FileName() const { return fileName_; }
    bool Loaded() const { return !document_.isNull(); }
    const QString& LoadError() const { return loadError_; }

    QString FontName() const;
    // The value of the first item of the screen whose ItemName matches; empty when missing.
    QString GetFormItemText(const QString& screen, const QString& itemName) const;
    // The same, telling a missing item (nullopt) from an empty one.
    std::optional<QString> FindFormItem(const QString& screen, const QString& itemName) const;
    // The lines of a message joined by a lone carriage return; empty when missing.
    QString GetMessageText(const QString& key) const;
    // The entry field + key of a data table; empty when missing.
    QString GetDataText(const QString& table, const QString& key, const QString& field) const;
    // Replaces lines with the entry's lines; false (lines untouched) when missing.
    bool GetDataLines(const QString& table, const QString& key, QStringList& lines,
                      const QString& field) const;

private:
    void load(const QString& filePath);
    QDomElement container(int position) const;

    QString fileName_;
    QDomDocument document_;
    QString loadError_;
};
