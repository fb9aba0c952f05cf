#include "identity/TSonucBilgisi.h"

#include <QTest>

class TestTSonucBilgisi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults()
    {
        const TSonucBilgisi record;
        QCOMPARE(record.MusteriTipi, 1);
        QCOMPARE(record.Version, 1);
        QCOMPARE(record.CARINO, 0);
        QCOMPARE(record.Varmi, false);
        int fields = 0;
        TSonucBilgisi::visitFields(record, [&](const char *, const auto &) { ++fields; });
        QCOMPARE(fields, 20);
    }

    void kopyalaCopiesEveryField()
    {
        // A source where every field differs from its default, workstation fields included.
        TSonucBilgisi source;
        int n = 0;
        TSonucBilgisi::visitFields(source, [&](const char *name, auto &field) {
            using T = std::decay_t<decltype(field)>;
            ++n;
            if constexpr (std::is_same_v<T, QString>)
                field = QString::fromLatin1(name) + QStringLiteral("-değer");
            else if constexpr (std::is_same_v<T, bool>)
                field = true;
            else
                field = 100 + n;
        });
        source.Version = 27;

        TSonucBilgisi target;
        target.Kopyala(source);
        QVERIFY(target == source);
        QCOMPARE(target.Version, 27);
        QVERIFY(target.Varmi);
        QCOMPARE(target.BILGISAYARID, QStringLiteral("FBILGISAYARID-değer"));
        QVERIFY(!(target == TSonucBilgisi()));
    }
};

QTEST_GUILESS_MAIN(TestTSonucBilgisi)
#include "tst_tsonucbilgisi.moc"
