#include "core/Money.h"
#include <QTest>
class TestMoney : public QObject { Q_OBJECT
private Q_SLOTS:
    void smoke() { QCOMPARE((Money::fromString(u"12.50") * Money::fromString(u"0.85")).toFixed2(), QStringLiteral("10.62")); }
};
QTEST_APPLESS_MAIN(TestMoney)
#include "tst_money.moc"
