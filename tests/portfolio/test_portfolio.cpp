#include "portfolio/portfolio.h"

#include <QTest>

namespace {
// Holdings named "T1".."Tn" with one quotation in each of `colonne` dated columns.
void riempi(Portfolio& p, int titoli, int colonne)
{
    for (int i = 1; i <= titoli; ++i) {
        p.nomititoli[i] = QStringLiteral("T%1").arg(i);
        p.quantitatitoli[i] = QString::number(i * 10);
        p.prezzititoli[i] = QString::number(i);
        p.dateacquisto[i] = QStringLiteral("01/01/99");
        p.notetitoli[i] = QStringLiteral("nota %1").arg(i);
        p.datestacco[i] = QStringLiteral("02/02/99");
        p.dividendi[i] = QString::number(i) + QStringLiteral(".5");
        for (int c = 1; c <= colonne; ++c)
            p.quotazioni(c, i) = QStringLiteral("%1.%2").arg(i).arg(c);
    }
    for (int c = 1; c <= colonne; ++c)
        p.datequotazioni[c] = QStringLiteral("%1/02/99").arg(c, 2, 10, QLatin1Char('0'));
    p.numerotitoli = titoli;
    p.numerocolonne = colonne;
}
} // namespace

class TestPortfolio : public QObject {
    Q_OBJECT
private slots:
    void cancellatutto()
    {
        Portfolio p;
        riempi(p, 100, 300);
        p.strategia = QStringLiteral("appunti");
        ::cancellatutto(p);
        for (int i = 1; i <= 100; ++i) {
            QVERIFY(p.nomititoli[i].isEmpty() && p.quantitatitoli[i].isEmpty());
            QVERIFY(p.prezzititoli[i].isEmpty() && p.dateacquisto[i].isEmpty());
            QVERIFY(p.notetitoli[i].isEmpty() && p.dividendi[i].isEmpty() && p.datestacco[i].isEmpty());
            for (int c = 1; c <= 300; ++c)
                QVERIFY(p.quotazioni(c, i).isEmpty());
        }
        for (int c = 1; c <= 300; ++c)
            QVERIFY(p.datequotazioni[c].isEmpty());
        QCOMPARE(p.numerotitoli, 0);
        QCOMPARE(p.strategia, QStringLiteral("appunti"));
    }

    void cancellatitolo_spostalerighe()
    {
        Portfolio p;
        riempi(p, 5, 3);
        QVERIFY(::cancellatitolo(p, QStringLiteral("T2")));
        const QStringList nomi{p.nomititoli[1], p.nomititoli[2], p.nomititoli[3], p.nomititoli[4], p.nomititoli[5]};
        QCOMPARE(nomi, (QStringList{"T1", "T3", "T4", "T5", ""}));
        // Every field and quotation moved with its holding.
        QCOMPARE(p.quantitatitoli[2], QStringLiteral("30"));
        QCOMPARE(p.notetitoli[2], QStringLiteral("nota 3"));
        QCOMPARE(p.dividendi[4], QStringLiteral("5.5"));
        QCOMPARE(p.quotazioni(3, 2), QStringLiteral("3.3"));
        QCOMPARE(p.quotazioni(1, 4), QStringLiteral("5.1"));
        QVERIFY(p.quotazioni(1, 5).isEmpty());
        QVERIFY(p.notetitoli[5].isEmpty());
        QCOMPARE(p.numerotitoli, 4);
        // Dates do not move.
        QCOMPARE(p.datequotazioni[1], QStringLiteral("01/02/99"));
    }

    void cancellatitolo_ultimariga()
    {
        Portfolio p;
        riempi(p, 100, 300);
        QVERIFY(::cancellatitolo(p, QStringLiteral("T100")));
        QVERIFY(p.nomititoli[100].isEmpty());
        QVERIFY(p.quotazioni(300, 100).isEmpty());
        QCOMPARE(p.nomititoli[99], QStringLiteral("T99"));
        QVERIFY(::cancellatitolo(p, QStringLiteral("T1")));
        QCOMPARE(p.nomititoli[1], QStringLiteral("T2"));
        QCOMPARE(p.quotazioni(300, 98), QStringLiteral("99.300"));
    }

    void cancellatitolo_nessuno_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("nome assente") << "Nessuno";
        QTest::newRow("nessuna scelta") << "";
    }
    void cancellatitolo_nessuno()
    {
        QFETCH(QString, nome);
        Portfolio p;
        riempi(p, 3, 2);
        p.quantitatitoli[4] = QStringLiteral("7");   // a row with no name must not be taken
        QVERIFY(!::cancellatitolo(p, nome));
        QCOMPARE(p.nomititoli[1], QStringLiteral("T1"));
        QCOMPARE(p.quantitatitoli[4], QStringLiteral("7"));
        QCOMPARE(p.numerotitoli, 3);
    }

    void cancellatitolo_contanonnegativo()
    {
        Portfolio p;
        p.nomititoli[3] = QStringLiteral("Fiat");   // typed, never checked: count still 0
        QVERIFY(::cancellatitolo(p, QStringLiteral("Fiat")));
        QCOMPARE(p.numerotitoli, 0);
    }

    void cancelladata_spostalecolonne()
    {
        Portfolio p;
        riempi(p, 3, 300);
        QVERIFY(::cancelladata(p, QStringLiteral("02/02/99")));
        QCOMPARE(p.datequotazioni[1], QStringLiteral("01/02/99"));
        QCOMPARE(p.datequotazioni[2], QStringLiteral("03/02/99"));
        QCOMPARE(p.quotazioni(2, 1), QStringLiteral("1.3"));
        QCOMPARE(p.quotazioni(299, 3), QStringLiteral("3.300"));
        QVERIFY(p.datequotazioni[300].isEmpty());
        QVERIFY(p.quotazioni(300, 3).isEmpty());
        QCOMPARE(p.quotazioni(1, 2), QStringLiteral("2.1"));
    }

    void cancelladata_nessuna()
    {
        Portfolio p;
        riempi(p, 2, 2);
        QVERIFY(!::cancelladata(p, QStringLiteral("09/09/99")));
        QVERIFY(!::cancelladata(p, QString()));
        QCOMPARE(p.datequotazioni[2], QStringLiteral("02/02/99"));
        QCOMPARE(p.quotazioni(2, 2), QStringLiteral("2.2"));
    }
};

QTEST_GUILESS_MAIN(TestPortfolio)
#include "test_portfolio.moc"
