#include "card/scheda.h"
#include "colonne.h"

#include <QTest>

namespace {

// One holding (number 1) with the given quotations under columns dated a month apart
// from January 2000; the columns after the list are undated.
Portfolio untitolo(const QStringList& quotazioni, const QString& quantita = QStringLiteral("100"),
                   const QString& prezzo = QStringLiteral("10"), const QString& acquisto = QStringLiteral("05/01/00"))
{
    Portfolio p;
    p.nomititoli[1] = QStringLiteral("Fiat");
    p.quantitatitoli[1] = quantita;
    p.prezzititoli[1] = prezzo;
    p.dateacquisto[1] = acquisto;
    for (int c = 1; c <= quotazioni.size(); ++c) {
        p.datequotazioni[c] = QStringLiteral("10/%1/00").arg(c, 2, 10, QChar(u'0'));
        p.quotazioni(c, 1) = quotazioni[c - 1];
    }
    p.numerotitoli = 1;
    p.numerocolonne = int(quotazioni.size());
    return p;
}

} // namespace

class TestScheda : public QObject {
    Q_OBJECT
private slots:
    void figure_data()
    {
        colonne<QString, QString, QString, QString, QString, QString, QString, bool>(
            "quantita", "prezzo", "quotazione", "valin", "tot", "corr", "guad", "negativa");
        QTest::newRow("guadagno") << "1500" << "12.5" << "15" << "18.750,00" << "22.500,00" << "3.750,00" << "20,00" << false;
        QTest::newRow("perdita") << "100" << "10" << "7.5" << "1.000,00" << "750,00" << "-250,00" << "-25,00" << true;
        QTest::newRow("prezzo zero") << "10" << "0" << "3" << "0,00" << "30,00" << "30,00" << "tutto guadagno" << false;
        QTest::newRow("prezzo zero, perdita impossibile") << "10" << "" << "0" << "0,00" << "0,00" << "0,00"
                                                          << "tutto guadagno" << false;
        QTest::newRow("quantità zero") << "0" << "10" << "12" << "0,00" << "0,00" << "0,00" << "" << false;
        // The percentage comes from the figures shown, to the cent.
        QTest::newRow("centesimi") << "3" << "0.333" << "0.5" << "1,00" << "1,50" << "0,50" << "50,00" << false;
        // Nothing invested that shows: no percentage of nothing, no division by zero.
        QTest::newRow("investito invisibile") << "1" << "0.001" << "5" << "0,00" << "5,00" << "5,00" << "" << false;
        // The shown quotation is empty: no value, no gain, nothing stale.
        QTest::newRow("quotazione vuota") << "100" << "10" << "" << "1.000,00" << "" << "" << "" << false;
        QTest::newRow("virgola") << "100" << "12,50" << "13" << "1.200,00" << "1.300,00" << "100,00" << "8,33" << false;
    }
    void figure()
    {
        QFETCH(QString, quantita);
        QFETCH(QString, prezzo);
        QFETCH(QString, quotazione);
        const Portfolio p = untitolo({QStringLiteral("11"), quotazione}, quantita, prezzo);
        const FigureScheda f = riempischeda(p, 1, 2);
        QCOMPARE(f.colonna, 2);
        QCOMPARE(f.data, QStringLiteral("10/02/00"));
        QCOMPARE(f.agg, quotazione);
        QTEST(f.valin, "valin");
        QTEST(f.tot, "tot");
        QTEST(f.corr, "corr");
        QTEST(f.guad, "guad");
        QTEST(f.negativa, "negativa");
        QCOMPARE(f.numero, QStringLiteral("n. 1"));
        QCOMPARE(f.prez, prezzo);   // as typed
        QCOMPARE(f.moneta, QStringLiteral("moneta di riferimento: EURO"));
    }

    void colonnamostrata_data()
    {
        colonne<QStringList, int, int, bool>("date", "chiesta", "mostrata", "mancante");
        QTest::newRow("datata") << QStringList{"10/01/00", "10/02/00", "10/03/00"} << 2 << 2 << false;
        QTest::newRow("oltre l'ultima") << QStringList{"10/01/00", "10/02/00", "10/03/00"} << 5 << 3 << true;
        QTest::newRow("buco") << QStringList{"10/01/00", "", "10/03/00"} << 2 << 1 << true;
        QTest::newRow("nessuna data") << QStringList{} << 1 << 0 << true;
    }
    void colonnamostrata()
    {
        QFETCH(QStringList, date);
        QFETCH(int, chiesta);
        QFETCH(int, mostrata);
        Portfolio p = untitolo({});
        for (int c = 1; c <= date.size(); ++c) {
            p.datequotazioni[c] = date[c - 1];
            p.quotazioni(c, 1) = QString::number(10 + c);
        }
        const FigureScheda f = riempischeda(p, 1, chiesta);
        QCOMPARE(f.colonna, mostrata);
        QTEST(f.mancante, "mancante");
        if (mostrata == 0) {
            // Nothing dated: the date's figures stay empty, what was invested still shows.
            QVERIFY(f.data.isEmpty() && f.agg.isEmpty() && f.tot.isEmpty() && f.corr.isEmpty() && f.guad.isEmpty());
            QVERIFY(!f.attenzione);
            QCOMPARE(f.valin, QStringLiteral("1.000,00"));
        } else {
            QCOMPARE(f.data, date[mostrata - 1]);
            QCOMPARE(f.agg, QString::number(10 + mostrata));
        }
    }

    void attenzione_data()
    {
        colonne<QString, bool>("acquisto", "attenzione");
        QTest::newRow("prima") << "01/01/00" << false;
        QTest::newRow("lo stesso giorno") << "10/02/00" << false;
        QTest::newRow("dopo") << "11/02/00" << true;
        QTest::newRow("non è una data") << "31/02/00" << false;
    }
    void attenzione()
    {
        QFETCH(QString, acquisto);
        const Portfolio p = untitolo({QStringLiteral("11"), QStringLiteral("12")}, QStringLiteral("100"),
                                     QStringLiteral("10"), acquisto);
        const FigureScheda f = riempischeda(p, 1, 2);
        QTEST(f.attenzione, "attenzione");
        QCOMPARE(f.tot, QStringLiteral("1.200,00"));   // computed all the same
    }

    void estremi_data()
    {
        colonne<QStringList, QString, QString, QString, QString>(
            "quotazioni", "migliore", "mdata", "peggiore", "pdata");
        QTest::newRow("12 15 9") << QStringList{"12", "15", "9", ""} << "15" << "10/02/00" << "9" << "10/03/00";
        QTest::newRow("zero in testa") << QStringList{"0", "12", "9"} << "12" << "10/02/00" << "9" << "10/03/00";
        QTest::newRow("zero in mezzo") << QStringList{"12", "0", "15"} << "15" << "10/03/00" << "12" << "10/01/00";
        QTest::newRow("vuota in testa") << QStringList{"", "8", "7"} << "8" << "10/02/00" << "7" << "10/03/00";
        // Numbers, not texts: "9" sorts after "10" as text.
        QTest::newRow("numeri") << QStringList{"9", "10", "8.5", "10.25"} << "10.25" << "10/04/00" << "8.5" << "10/03/00";
        QTest::newRow("pari: la prima") << QStringList{"15", "9", "15", "9"} << "15" << "10/01/00" << "9" << "10/02/00";
        // "12,9" is 12: the comma ends the number.
        QTest::newRow("virgola") << QStringList{"12,9", "12.5"} << "12.5" << "10/02/00" << "12,9" << "10/01/00";
        QTest::newRow("nessuna") << QStringList{"0", "", "abc"} << "" << "" << "" << "";
    }
    void estremi()
    {
        QFETCH(QStringList, quotazioni);
        const Estremi e = ::estremi(untitolo(quotazioni), 1);
        QTEST(e.migliore, "migliore");
        QTEST(e.mdata, "mdata");
        QTEST(e.peggiore, "peggiore");
        QTEST(e.pdata, "pdata");
    }

    void primaquotazione_data()
    {
        colonne<QString, int, bool>("acquisto", "colonna", "mancante");
        // Columns dated 10/01/00 .. 10/04/00, then none.
        QTest::newRow("prima di tutte") << "01/01/00" << 1 << false;
        QTest::newRow("salta due") << "15/02/00" << 3 << false;
        QTest::newRow("lo stesso giorno") << "10/02/00" << 2 << false;
        QTest::newRow("dopo tutte") << "20/05/00" << 5 << true;
        QTest::newRow("anno in lire") << "15/02/98" << 1 << false;
        QTest::newRow("non è una data") << "abc" << 1 << false;
    }
    void primaquotazione()
    {
        QFETCH(QString, acquisto);
        const Portfolio p = untitolo({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")},
                                     QStringLiteral("100"), QStringLiteral("10"), acquisto);
        bool mancante = false;
        QTEST(::primaquotazione(p, 1, 1, &mancante), "colonna");
        QTEST(mancante, "mancante");
    }

    void percentualedividendo_data()
    {
        colonne<QStringList, QString, QString, QString>("quotazioni", "dividendo", "data", "testo");
        QTest::newRow("euro") << QStringList{"15", "20"} << "0.5" << "10/02/00" << "2,50";
        QTest::newRow("lire 1998") << QStringList{"9", "10"} << "500" << "30/12/98" << "2,58";
        QTest::newRow("lire 1999") << QStringList{"9", "10"} << "500" << "31/12/99" << "2,58";
        QTest::newRow("euro 2001") << QStringList{"9", "10"} << "500" << "02/01/01" << "5.000,00";
        // The last quotation above 0, whatever column is shown.
        QTest::newRow("ultima sopra zero") << QStringList{"20", "40", "0", ""} << "1" << "10/01/00" << "2,50";
        QTest::newRow("arrotondata") << QStringList{"3"} << "1" << "10/01/00" << "33,33";
        QTest::newRow("metà in su") << QStringList{"100"} << "0.125" << "10/01/00" << "0,13";
        QTest::newRow("nessuna quotazione") << QStringList{"0", ""} << "1" << "10/01/00" << "";
        QTest::newRow("nessun dividendo") << QStringList{"10"} << "" << "10/01/00" << "";
        QTest::newRow("data vuota") << QStringList{"10"} << "1" << "" << "10,00";
    }
    void percentualedividendo()
    {
        QFETCH(QStringList, quotazioni);
        QFETCH(QString, dividendo);
        QFETCH(QString, data);
        const Portfolio p = untitolo(quotazioni);
        QTEST(testopercentualedividendo(p, 1, dividendo, data), "testo");
    }

    void lireeeuro()
    {
        // Bought in lire in 1997, quoted in lire in 1998 and in euro in 1999: every figure of
        // the card in euro, not a 14500-lire price against a 7.30-euro quotation.
        Portfolio p;
        p.nomititoli[1] = QStringLiteral("Fiat");
        p.quantitatitoli[1] = QStringLiteral("100");
        p.prezzititoli[1] = QStringLiteral("14500");
        p.dateacquisto[1] = QStringLiteral("12/03/97");
        const char* date[] = {"31/12/98", "04/01/99", "01/02/99"};
        const char* quotazioni[] = {"10500", "7.30", "5.10"};
        for (int c = 1; c <= 3; ++c) {
            p.datequotazioni[c] = QString::fromLatin1(date[c - 1]);
            p.quotazioni(c, 1) = QString::fromLatin1(quotazioni[c - 1]);
        }
        p.numerotitoli = 1;
        const FigureScheda f = riempischeda(p, 1, 2);
        QCOMPARE(f.valin, QStringLiteral("748,86"));
        QCOMPARE(f.tot, QStringLiteral("730,00"));
        QCOMPARE(f.corr, QStringLiteral("-18,86"));
        QCOMPARE(f.guad, QStringLiteral("-2,52"));
        QCOMPARE(riempischeda(p, 1, 1).tot, QStringLiteral("542,28"));
        // 10500 lire is 5.42 euro: neither the best nor the worst.
        QCOMPARE(f.estremi.migliore, QStringLiteral("7.30"));
        QCOMPARE(f.estremi.mdata, QStringLiteral("04/01/99"));
        QCOMPARE(f.estremi.peggiore, QStringLiteral("5.10"));
        // Figures shown as typed in lire say so, under "moneta di riferimento: EURO".
        QCOMPARE(f.prez, p.prezzititoli[1] + QStringLiteral(" L."));
        QCOMPARE(f.agg, QStringLiteral("7.30"));
        QCOMPARE(riempischeda(p, 1, 1).agg, QStringLiteral("10500 L."));
        p.quotazioni(3, 1) = QStringLiteral("5.50");
        QCOMPARE(riempischeda(p, 1, 2).estremi.peggiore, QStringLiteral("10500 L."));
    }

    void completaeconteggio()
    {
        Portfolio p = untitolo({QStringLiteral("11")});
        QVERIFY(schedacompleta(p, 1));
        p.quotazioni(1, 1).clear();
        p.quotazioni(2, 1) = QStringLiteral("12");   // under an undated column: nothing to show
        QVERIFY(!schedacompleta(p, 1));
        QVERIFY(!schedacompleta(p, 2));

        // Holdings typed since the last check count too.
        p.numerotitoli = 1;
        for (int i = 2; i <= 4; ++i) {
            p.nomititoli[i] = QStringLiteral("T%1").arg(i);
            p.dateacquisto[i] = QStringLiteral("01/01/00");
        }
        p.nomititoli[6] = QStringLiteral("senza data");
        QCOMPARE(titolischeda(p), 4);
        p.numerotitoli = 8;
        QCOMPARE(titolischeda(p), 8);
    }
};

QTEST_GUILESS_MAIN(TestScheda)
#include "test_scheda.moc"
