#include "portfolio/ordinamento.h"
#include "portfolio/totali.h"
#include "shared/numeri.h"
#include "colonne.h"

#include <QTest>

namespace {
void titolo1(Portfolio& p, int i, const QString& nome, const QString& qta, const QString& prezzo, const QString& data)
{
    p.nomititoli[i] = nome;
    p.quantitatitoli[i] = qta;
    p.prezzititoli[i] = prezzo;
    p.dateacquisto[i] = data;
}
} // namespace

class TestTotali : public QObject {
    Q_OBJECT
private slots:
    void prezzoeuro_data()
    {
        colonne<QString, QString, double>("prezzo", "data", "atteso");
        QTest::newRow("30/12/98 in lire") << "20000" << "30/12/98" << 20000 / 1936.27;
        QTest::newRow("31/12/98 in euro") << "10" << "31/12/98" << 10.0;
        QTest::newRow("1999 in euro") << "10" << "04/01/99" << 10.0;
        QTest::newRow("virgola: vale 12") << "12,50" << "04/01/99" << 12.0;
        // A half-typed date is not known to be before the euro: the price is taken as euro.
        QTest::newRow("data a metà") << "20000" << "30/12/" << 20000.0;
    }
    void prezzoeuro()
    {
        QFETCH(QString, prezzo);
        QFETCH(QString, data);
        QFETCH(double, atteso);
        Portfolio p;
        titolo1(p, 1, QStringLiteral("X"), QStringLiteral("1"), prezzo, data);
        QCOMPARE(::prezzoeuro(p, 1), atteso);
        QVERIFY(qAbs(::prezzoeuro(p, 1) - atteso) < 1e-12);
    }

    void costo()
    {
        Portfolio p;
        titolo1(p, 1, QStringLiteral("Fiat"), QStringLiteral("100"), QStringLiteral("20000"), QStringLiteral("30/12/98"));
        QCOMPARE(formatta(calcolacosto(p, 10), u"##,##0.00"), QStringLiteral("1.032,91"));
        QVERIFY(qAbs(p.prezzieuro[1] - 10.3291) < 1e-4);
        // The sum stops at the first holding with no purchase date.
        titolo1(p, 3, QStringLiteral("Eni"), QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("04/01/99"));
        QCOMPARE(formatta(calcolacosto(p, 10), u"##,##0.00"), QStringLiteral("1.032,91"));
        titolo1(p, 2, QStringLiteral("Aem"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("04/01/99"));
        QCOMPARE(formatta(calcolacosto(p, 10), u"##,##0.00"), QStringLiteral("1.092,91"));
        // ... and at the last holding on screen.
        QCOMPARE(formatta(calcolacosto(p, 2), u"##,##0.00"), QStringLiteral("1.042,91"));
    }

    void saldo_data()
    {
        colonne<QString, QString, double, double, double>("quotazione", "acquisto", "valore", "investito", "guadagno");
        QTest::newRow("guadagno") << "12.5" << "04/01/99" << 125.0 << 100.0 << 25.0;
        QTest::newRow("perdita") << "9" << "04/01/99" << 90.0 << 100.0 << -10.0;
        QTest::newRow("comprato lo stesso giorno") << "9" << "15/03/99" << 90.0 << 100.0 << -10.0;
        QTest::newRow("comprato dopo: valore sì, costo no") << "9" << "16/03/99" << 90.0 << 0.0 << 90.0;
        QTest::newRow("data d'acquisto a metà: costo no") << "9" << "16/03" << 90.0 << 0.0 << 90.0;
        QTest::newRow("senza quotazione") << "" << "04/01/99" << 0.0 << 100.0 << -100.0;
    }
    void saldo()
    {
        QFETCH(QString, quotazione);
        QFETCH(QString, acquisto);
        QFETCH(double, valore);
        QFETCH(double, investito);
        QFETCH(double, guadagno);
        Portfolio p;
        titolo1(p, 1, QStringLiteral("Fiat"), QStringLiteral("10"), QStringLiteral("10"), acquisto);
        p.datequotazioni[3] = QStringLiteral("15/03/99");
        p.quotazioni(3, 1) = quotazione;
        const auto s = calcolasaldo(p, 3, 10);
        QVERIFY(s);
        QCOMPARE(s->data, QStringLiteral("15/03/99"));
        QCOMPARE(s->valoredatato, valore);
        QCOMPARE(s->investitodatato, investito);
        QCOMPARE(s->guadagno, guadagno);
    }

    void saldo_inlire()
    {
        // In 1998 quotations were typed in lire, as the prices: the saldo compares euro with
        // euro, not lire with euro (a 15000-lire quotation is not worth 15000 euro).
        Portfolio p;
        titolo1(p, 1, QStringLiteral("Fiat"), QStringLiteral("100"), QStringLiteral("14500"), QStringLiteral("12/03/97"));
        p.datequotazioni[1] = QStringLiteral("31/12/98");
        p.quotazioni(1, 1) = QStringLiteral("15000");
        p.datequotazioni[2] = QStringLiteral("04/01/99");
        p.quotazioni(2, 1) = QStringLiteral("7.9");
        const auto lire = calcolasaldo(p, 1, 10);
        QCOMPARE(formatta(lire->valoredatato, u"##,##0.00"), QStringLiteral("774,69"));
        QCOMPARE(formatta(lire->investitodatato, u"##,##0.00"), QStringLiteral("748,86"));
        QCOMPARE(formatta(lire->guadagno, u"##,##0.00"), QStringLiteral("25,82"));
        QCOMPARE(formatta(calcolasaldo(p, 2, 10)->guadagno, u"##,##0.00"), QStringLiteral("41,14"));
    }

    void saldo_senzadata()
    {
        Portfolio p;
        titolo1(p, 1, QStringLiteral("Fiat"), QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("04/01/99"));
        p.quotazioni(2, 1) = QStringLiteral("5");
        QVERIFY(!calcolasaldo(p, 2, 10));
        p.datequotazioni[2] = QStringLiteral("15/03");   // half typed: no saldo yet
        QVERIFY(!calcolasaldo(p, 2, 10));
        QVERIFY(!calcolasaldo(p, 301, 10));
    }

    void saldo_finoalultimovisibile()
    {
        Portfolio p;
        p.datequotazioni[1] = QStringLiteral("15/03/99");
        for (int i = 1; i <= 25; ++i) {
            titolo1(p, i, QStringLiteral("T%1").arg(i), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("04/01/99"));
            p.quotazioni(1, i) = QStringLiteral("2");
        }
        QCOMPARE(calcolasaldo(p, 1, 10)->valoredatato, 20.0);
        QCOMPARE(calcolasaldo(p, 1, 16 + 9)->valoredatato, 50.0);
        QCOMPARE(calcolasaldo(p, 1, 16 + 9)->investitodatato, 25.0);
    }

    void ordinaazioni()
    {
        Portfolio p;
        const QStringList nomi{"Fiat", "Aem", "Enel", "", "Enel"};
        for (int i = 1; i <= 5; ++i) {
            titolo1(p, i, nomi[i - 1], QString::number(i), QString::number(i), QStringLiteral("04/01/99"));
            p.notetitoli[i] = QStringLiteral("nota %1").arg(i);
            p.quotazioni(1, i) = QStringLiteral("1.%1").arg(i);
            p.quotazioni(300, i) = QStringLiteral("300.%1").arg(i);
        }
        titolo1(p, 6, QStringLiteral("Abc"), QStringLiteral("6"), QStringLiteral("6"), QString());
        p.numerotitoli = 5;
        ::ordinaazioni(p);
        QCOMPARE((QStringList{p.nomititoli[1], p.nomititoli[2], p.nomititoli[3], p.nomititoli[4], p.nomititoli[5]}),
                 (QStringList{"", "Aem", "Enel", "Enel", "Fiat"}));
        // Every field and quotation went with its holding; equal names kept their order.
        QCOMPARE((QStringList{p.quantitatitoli[1], p.quantitatitoli[2], p.quantitatitoli[3], p.quantitatitoli[4],
                              p.quantitatitoli[5]}),
                 (QStringList{"4", "2", "3", "5", "1"}));
        QCOMPARE(p.notetitoli[5], QStringLiteral("nota 1"));
        QCOMPARE(p.quotazioni(1, 5), QStringLiteral("1.1"));
        QCOMPARE(p.quotazioni(300, 2), QStringLiteral("300.2"));
        QCOMPARE(p.quotazioni(300, 1), QStringLiteral("300.4"));
        QCOMPARE(p.nomititoli[6], QStringLiteral("Abc"));   // beyond the count: untouched
    }

    void ordinaquotazioni()
    {
        Portfolio p;
        p.datequotazioni[1] = QStringLiteral("15/03/98");
        p.datequotazioni[2] = QStringLiteral("01/02/98");
        for (int i : {1, 2, 100}) {
            p.quotazioni(1, i) = QStringLiteral("marzo %1").arg(i);
            p.quotazioni(2, i) = QStringLiteral("febbraio %1").arg(i);
            p.quotazioni(3, i) = QStringLiteral("senza data %1").arg(i);
        }
        p.quotazioni(5, 1) = QStringLiteral("oltre");
        p.datequotazioni[5] = QStringLiteral("01/01/90");
        ::ordinaquotazioni(p);
        QCOMPARE(p.datequotazioni[1], QStringLiteral("01/02/98"));
        QCOMPARE(p.datequotazioni[2], QStringLiteral("15/03/98"));
        QVERIFY(p.datequotazioni[3].isEmpty());
        for (int i : {1, 2, 100}) {
            QCOMPARE(p.quotazioni(1, i), QStringLiteral("febbraio %1").arg(i));
            QCOMPARE(p.quotazioni(2, i), QStringLiteral("marzo %1").arg(i));
            QCOMPARE(p.quotazioni(3, i), QStringLiteral("senza data %1").arg(i));
        }
        // Columns after the first empty date are not touched.
        QCOMPARE(p.datequotazioni[5], QStringLiteral("01/01/90"));
        QCOMPARE(p.quotazioni(5, 1), QStringLiteral("oltre"));
    }

    void ordinaquotazioni_dataindecifrabile()
    {
        Portfolio p;
        const QStringList date{"10/05/99", "01/05/99", "xx/05/99", "20/04/99", "02/04/99", "02/04/99"};
        for (int c = 1; c <= date.size(); ++c) {
            p.datequotazioni[c] = date[c - 1];
            p.quotazioni(c, 1) = QString::number(c);
        }
        ::ordinaquotazioni(p);
        QStringList dopo, quot;
        for (int c = 1; c <= date.size(); ++c) {
            dopo << p.datequotazioni[c];
            quot << p.quotazioni(c, 1);
        }
        QCOMPARE(dopo, (QStringList{"01/05/99", "10/05/99", "xx/05/99", "02/04/99", "02/04/99", "20/04/99"}));
        QCOMPARE(quot, (QStringList{"2", "1", "3", "5", "6", "4"}));
    }
};

QTEST_GUILESS_MAIN(TestTotali)
#include "test_totali.moc"
