#include "TestSupport.h"
#include "core/CatalogueConstants.h"
#include "core/DMComm.h"

#include <QCryptographicHash>
#include <QImage>
#include <QSet>
#include <QtTest>

// The series pictures the build draws into the program folder: every series of
// the shipped catalogue has each file the selection pages load for it, a picture
// of the frame size unlike every other; a picture name that would leave the
// picture folder is refused.

namespace {

const QSize FrameSize(240, 180);

QStringList expectedFiles(const QString& picture, bool pad, bool unit, bool special) {
    QStringList files{picture};
    if (pad)
        files << picture + "_B";
    if (special)
        files << picture + "_1" << picture + "_2" << picture + "_3" << picture + "_4";
    else if (unit)
        files << picture + "_2";
    return files;
}

} // namespace

class TestSeriesPictures : public QObject {
    Q_OBJECT

private slots:
    void everySeriesHasItsPictures() {
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        TDataTable series;
        QVERIFY(db.GetDataPacket(
            "SELECT S.SERIESID AS ID, S.SERIES_PIC AS PIC, "
            "EXISTS (SELECT 1 FROM M_PT P WHERE P.SERIESID = S.SERIESID) AS PAD, "
            "EXISTS (SELECT 1 FROM M_EJ E WHERE E.SERIESID = S.SERIESID AND E.System_Cat = 2) "
            "AS UNIT FROM SERIES S WHERE S.SERIES_PIC <> ''",
            series));
        QVERIFY(series.RecordCount() > 0);
        QSet<QByteArray> seen;
        for (series.First(); !series.Eof(); series.Next()) {
            const bool special = series.AsString("ID") == QLatin1String(SpecialUnitSeries);
            for (const QString& name :
                 expectedFiles(series.AsString("PIC"), series.AsInteger("PAD"),
                               series.AsInteger("UNIT"), special)) {
                const QString path = QStringLiteral(ZAVK_PROGRAM_DIR "/Img/") + name + ".jpg";
                const QImage image(path);
                QVERIFY2(!image.isNull(), qPrintable(path));
                QCOMPARE(image.size(), FrameSize);
                const QByteArray pixels =
                    QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                             QCryptographicHash::Md5);
                QVERIFY2(!seen.contains(pixels), qPrintable(path + " repeats another picture"));
                seen.insert(pixels);
            }
        }
    }

    // A new series gets the files of its product table; a picture name that would
    // leave the picture folder is refused while the other series are still drawn.
    void newSeriesGetTheFilesOfTheirTable() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        TDMComm db;
        QVERIFY(db.ConnectDB(folder.file("Data/MORELDB.db")));
        QVERIFY(db.ExecSQL("INSERT INTO SERIES (ID, SERIESID, SERIES_NAME, SERIES_PIC) VALUES "
                           "(901, 'VPX', 'Bellows pads', 'S_VPX'), "
                           "(902, 'VUX', 'Vacuum units', 'S_VUX'), "
                           "(903, 'VSX', 'Compact valves', 'S_VSX'), "
                           "(904, 'ZZX', 'Grippers', 'S_ZZX'), "
                           "(905, 'VPY', 'Flat pads', '../S_OUT')"));
        QVERIFY(db.ExecSQL("INSERT INTO M_PT (SERIESID, PAD_S) VALUES ('VPX', 50), ('VPY', 50)"));
        QVERIFY(db.ExecSQL("INSERT INTO M_EJ (SERIESID, System_Cat) VALUES ('VUX', 2)"));
        QVERIFY(db.ExecSQL("INSERT INTO M_VA (SERIESID, Port, C1to2) VALUES ('VSX', 2, 0.5)"));
        db.CloseConnection();

        const Run run =
            RunProgram(ZAVK_SERIES_PICTURES, {folder.file("Data/MORELDB.db"), folder.file("Img")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("../S_OUT"), qPrintable(run.err));
        QVERIFY(QDir(folder.path()).entryList({"S_OUT*"}).isEmpty());
        const QStringList added =
            QDir(folder.file("Img"))
                .entryList({"S_VPX*", "S_VUX*", "S_VSX*", "S_ZZX*"}, QDir::Files, QDir::Name);
        QCOMPARE(added, QStringList({"S_VPX.jpg", "S_VPX_B.jpg", "S_VSX.jpg", "S_VUX.jpg",
                                     "S_VUX_2.jpg", "S_ZZX.jpg"}));
        QCOMPARE(QImage(folder.file("Img/S_VPF.jpg")).size(), FrameSize);
    }
};

QTEST_MAIN(TestSeriesPictures)
#include "tst_series_pictures.moc"
