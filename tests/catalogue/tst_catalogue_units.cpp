#include <QtTest>

class TestCatalogue_units : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestCatalogue_units)
#include "tst_catalogue_units.moc"
