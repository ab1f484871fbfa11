#include "core/JetSql.h"

#include <QRegularExpression>

namespace {

// Copy of the statement in which everything between quotes or brackets is
// replaced by a filler, so patterns can only match in the SQL text itself.
QString maskQuotedText(const QString& statement) {
    QString masked = statement;
    QChar closing;
    for (qsizetype i = 0; i < masked.size(); ++i) {
        const QChar c = statement.at(i);
        if (closing.isNull()) {
            if (c == '\'' || c == '"')
                closing = c;
            else if (c == '[')
                closing = ']';
            continue;
        }
        if (c == closing)
            closing = QChar(); // a doubled quote closes and reopens: same effect
        else
            masked[i] = QChar(0x1);
    }
    return masked;
}

} // namespace

QString TranslateJetSql(const QString& statement) {
    static const QRegularExpression deleteStar(QStringLiteral("\\bDELETE\\s*\\*\\s*(?=FROM\\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (!statement.contains('*'))
        return statement;
    const QString masked = maskQuotedText(statement);
    QString result = statement;
    // Replace from the end so earlier positions stay valid.
    QList<QRegularExpressionMatch> matches;
    for (auto it = deleteStar.globalMatch(masked); it.hasNext();)
        matches.prepend(it.next());
    for (const auto& match : matches)
        result.replace(match.capturedStart(), match.capturedLength(), QStringLiteral("DELETE "));
    return result;
}
