#pragma once

#include <QDomDocument>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

// The language file of the current language and its text lookups. A file that
// is missing, not a regular file, not well-formed, larger than MaxFileSize or
// beyond MaxDepth / MaxElements is replaced by the English file beside it; the
// reason is kept in LoadError() for the user interface to show once.
class TXMLLan {
public:
    // The shipped files hold about 40 KB in some 400 elements five levels deep;
    // the limits leave ample room for them and keep a hostile file from
    // stalling the start-up in the parser.
    static constexpr qint64 MaxFileSize = 8 << 20;
    static constexpr int MaxDepth = 32;
    static constexpr int MaxElements = 100000;

    explicit TXMLLan(const QString& filePath);

    // Loads another file unless the path text equals the current one.
    void SwitchFile(const QString& filePath);
    const QString& FileName() const { return fileName_; }
    bool Loaded() const { return !document_.isNull(); }
    // The file the texts come from: FileName(), the English file beside it, or
    // empty when neither could be read.
    const QString& LoadedFile() const { return loadedFile_; }
    // Whether the English file was loaded in place of FileName().
    bool FallbackUsed() const { return Loaded() && loadedFile_ != fileName_; }
    // Why FileName() was not used, and on a further line why the English file
    // was not used either; empty when FileName() was loaded.
    const QString& LoadError() const { return loadError_; }

    QString FontName() const;
    // The value of the first item of the screen whose ItemName matches; empty when missing.
    QString GetFormItemText(const QString& screen, const QString& itemName) const;
    // The same, telling a missing item (nullopt) from an empty one.
    std::optional<QString> FindFormItem(const QString& screen, const QString& itemName) const;
    // The items of the screen named prefix + "[n]", n a plain decimal index,
    // by index; the first of items with one name. One pass over the screen.
    std::map<int, QString> IndexedFormItems(const QString& screen, const QString& prefix) const;
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
    QString loadedFile_;
    QDomDocument document_;
    QString loadError_;
};
