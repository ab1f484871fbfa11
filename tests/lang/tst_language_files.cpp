#include <QtTest>

class Test_tst_language_files : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Test_tst_language_files)
#include "tst_language_files.moc"
