#include <QtTest>

class TestCatalogue_products : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestCatalogue_products)
#include "tst_catalogue_products.moc"
