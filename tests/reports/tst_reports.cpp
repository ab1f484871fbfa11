#include "reports/FrmResultNote.h"

#include <QTest>

class TstReports : public QObject {
    Q_OBJECT
private slots:
    // Eight lines, an empty one and the closing line; a missing text leaves its
    // line empty, so the note keeps its shape.
    void resultNoteKeepsTenLines() {
        const QStringList lines = ResultNoteLines([](const QString& item) {
            return item == "EdtCaclResultNote3.Caption" ? QString() : item.left(18);
        });
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral("EdtCaclResultNote1"));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[8], QString());
        QCOMPARE(lines[9], QStringLiteral("EdtCaclResultNote9"));
    }
};

QTEST_GUILESS_MAIN(TstReports)
#include "tst_reports.moc"
