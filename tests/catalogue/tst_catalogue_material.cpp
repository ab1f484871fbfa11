#include <QtTest>

class TestCatalogue_material : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestCatalogue_material)
#include "tst_catalogue_material.moc"
