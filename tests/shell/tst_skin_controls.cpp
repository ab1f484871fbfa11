#include <QtTest>

class Test_tst_skin_controls : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Test_tst_skin_controls)
#include "tst_skin_controls.moc"
