// The shipped language files: all ten exist, parse, name a font that is
// installed, and hold exactly the message keys, data entries and screen items of
// the English file; every message key the program looks up is there.
#include "TestSupport.h"
#include "core/Languages.h"
#include "lang/XMLLan.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QString LanguageDir = QStringLiteral(ZAVK_TEST_LANGUAGE_DIR);

// Keys of the three containers, as "container/element" or "screen/item" texts.
struct FileKeys {
    QSet<QString> messages;
    QSet<QString> data;
    QSet<QString> screens;
};

FileKeys keysOf(const QString& path) {
    FileKeys keys;
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return keys;
    const QDomElement root = document.documentElement();
    const QDomElement screens = root.firstChildElement();
    const QDomElement messages = screens.nextSiblingElement();
    const QDomElement data = messages.nextSiblingElement();
    for (QDomElement s = screens.firstChildElement(); !s.isNull(); s = s.nextSiblingElement()) {
        for (QDomElement i = s.firstChildElement(); !i.isNull(); i = i.nextSiblingElement())
            keys.screens.insert(s.tagName() + "/" + i.attribute("ItemName"));
    }
    for (QDomElement m = messages.firstChildElement(); !m.isNull(); m = m.nextSiblingElement())
        keys.messages.insert(m.tagName());
    for (QDomElement t = data.firstChildElement(); !t.isNull(); t = t.nextSiblingElement()) {
        for (QDomElement e = t.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            keys.data.insert(t.tagName() + "/" + e.tagName());
    }
    return keys;
}

QStringList sorted(QSet<QString> set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

// Message keys written as literals anywhere in the program's sources.
QSet<QString> keysInSources() {
    static const QRegularExpression literal(
        "\"((MSG|QLError|CalcError|UpdateDrtv)[A-Za-z0-9_]*|UnitButtonHint)\"");
    QSet<QString> keys;
    QDirIterator it(QStringLiteral(ZAVK_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = literal.globalMatch(text); m.hasNext();)
            keys.insert(m.next().captured(1));
    }
    return keys;
}

// Every message the screens of the program show, also those still to be built.
const QStringList ProgramMessages = {"MSG001",
                                     "MSG002",
                                     "MSG003",
                                     "MSG004",
                                     "MSG005",
                                     "MSG006",
                                     "MSG008",
                                     "MSG0014",
                                     "MSG0017",
                                     "MSG0018",
                                     "MSG0019",
                                     "MSG0020",
                                     "MSG0021",
                                     "MSG0030",
                                     "MSG0031",
                                     "MSG0032",
                                     "MSG0033",
                                     "MSG0036",
                                     "MSG0038",
                                     "MSG0061",
                                     "MSG0063",
                                     "MSG0064",
                                     "MSG0065",
                                     "MSG0066",
                                     "MSG0068",
                                     "MSG0071",
                                     "MSG0072",
                                     "MSG0075",
                                     "MSG0076",
                                     "MSG0077",
                                     "MSG0078",
                                     "MSG0079",
                                     "MSGCaclResult1",
                                     "MSGCaclResult2_1",
                                     "MSGCaclResult2_2",
                                     "MSGCaclResult2_3",
                                     "MSGCaclResult3",
                                     "MSGCaclResult4",
                                     "MSGConvertError",
                                     "MSGEJNONE",
                                     "MSGGOTOCACLINFO",
                                     "MSGNOPADMODEL",
                                     "MSGPLEASEINPUTMODELNO",
                                     "MSGSETSAVE",
                                     "MSGZK2MIN",
                                     "MSGZuidazhenkongyaliError",
                                     "QLError1",
                                     "QLError2",
                                     "UpdateDrtv01",
                                     "UpdateDrtv02",
                                     "UpdateDrtv03",
                                     "UpdateDrtv04",
                                     "UnitButtonHint",
                                     "MSGYES",
                                     "MSGNO",
                                     "MSGOK",
                                     "MSGCANCEL",
                                     "MSGMESSAGE"};

} // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT

    FileKeys english_;

private slots:
    void initTestCase() { english_ = keysOf(LanguageDir + "/English.xml"); }

    void everyLanguageHasItsFile_data() {
        QTest::addColumn<QString>("language");
        for (const char* name : LanguageNames)
            QTest::newRow(name) << QString(name);
    }
    void everyLanguageHasItsFile() {
        QFETCH(QString, language);
        const TXMLLan lan(LanguageDir + "/" + language + ".xml");
        QVERIFY2(lan.LoadError().isEmpty(), qPrintable(lan.LoadError()));
        QVERIFY(!lan.GetMessageText("MSGYES").isEmpty());
        QVERIFY(!lan.GetFormItemText("FrmMainShell", "labMainTitle.Caption").isEmpty());
        const QString family = lan.FontName();
        QVERIFY2(QFontDatabase::families().contains(family),
                 qPrintable(family + " is not installed"));
    }

    void everyFileHasTheKeysOfTheEnglishOne_data() { everyLanguageHasItsFile_data(); }
    void everyFileHasTheKeysOfTheEnglishOne() {
        QFETCH(QString, language);
        const FileKeys keys = keysOf(LanguageDir + "/" + language + ".xml");
        const std::pair<const QSet<QString>*, const QSet<QString>*> containers[] = {
            {&keys.messages, &english_.messages},
            {&keys.data, &english_.data},
            {&keys.screens, &english_.screens}};
        for (const auto& [own, reference] : containers) {
            QCOMPARE(sorted(*reference - *own), QStringList()); // missing in this language
            QCOMPARE(sorted(*own - *reference), QStringList()); // missing in English
        }
    }

    void everyMessageTheProgramShowsExists() {
        QSet<QString> wanted = keysInSources();
        QVERIFY(wanted.contains("MSG006"));
        for (const QString& key : ProgramMessages)
            wanted.insert(key);
        QCOMPARE(sorted(wanted - english_.messages), QStringList());
    }

    void formatPatternsTakeOneNumber_data() { everyLanguageHasItsFile_data(); }
    void formatPatternsTakeOneNumber() {
        QFETCH(QString, language);
        const TXMLLan lan(LanguageDir + "/" + language + ".xml");
        static const QRegularExpression placeholder("%[-+ #0]*[0-9]*(\\.[0-9]+)?[a-zA-Z]");
        for (const char* key : {"MSGCaclResult3", "MSGCaclResult4"}) {
            const QString text = lan.GetMessageText(key);
            QCOMPARE(text.count(placeholder), 1);
            QVERIFY2(text.contains("%g"), qPrintable(text));
        }
    }
};

QTEST_MAIN(TestLanguageFiles)
#include "tst_language_files.moc"
