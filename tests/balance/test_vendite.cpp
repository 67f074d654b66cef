#include "balance/vendite.h"
#include "portfolio/portfolio.h"
#include "shared/numeri.h"
#include "colonne.h"

#include <QTest>

namespace {
const QString titolo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");

// Three holdings: one bought in lire, one in euro, one with no purchase date.
Portfolio portafoglio()
{
    Portfolio p;
    const QStringList nomi{"Fiat", "Eni", "Generali Ass."};
    const QStringList quantita{"300", "500", "100"};
    const QStringList prezzi{"14500", "6.10", "38000"};
    const QStringList date{"31/12/98", "01/01/99", ""};
    for (int i = 1; i <= 3; ++i) {
        p.nomititoli[i] = nomi[i - 1];
        p.quantitatitoli[i] = quantita[i - 1];
        p.prezzititoli[i] = prezzi[i - 1];
        p.dateacquisto[i] = date[i - 1];
    }
    p.notetitoli[1] = QStringLiteral("tenere fino a giugno");
    p.numerotitoli = 3;
    return p;
}

// A sale already on row r: stock k of portafoglio() chosen, then the sale typed.
void vendita(SalesBalance& b, int r, int k, const QString& data, const QString& vendute, const QString& prezzo)
{
    const Portfolio p = portafoglio();
    QVERIFY(!sceglititolo(b, p, r, k, p.nomititoli[k], titolo));
    b.datavendita[r] = data;
    b.na[r] = vendute;
    b.prezzo[r] = prezzo;
    calcolariga(b, r);
}
} // namespace

class TestVendite : public QObject {
    Q_OBJECT
private slots:
    void prezzodiacquisto_data()
    {
        colonne<QString, QString, QString>("data", "prezzo", "atteso");
        QTest::newRow("31/12/98: lire, tenuto") << "31/12/98" << "14500" << "14500";
        QTest::newRow("30/11/97: lire, tenuto") << "30/11/97" << "2950" << "2950";
        QTest::newRow("01/01/99: euro in lire") << "01/01/99" << "6.10" << "11811";        // 11811.247
        QTest::newRow("arrotondato per eccesso") << "15/02/99" << "7.5" << "14522";      // 14522.025 + 0.5
        QTest::newRow("2005: euro in lire") << "12/03/05" << "2.35" << "4550";           // 4550.2345
        QTest::newRow("virgola: vale la parte intera") << "01/01/99" << "12,50" << "23235"; // 12 x 1936.27
    }
    void prezzodiacquisto()
    {
        QFETCH(QString, data);
        QFETCH(QString, prezzo);
        QFETCH(QString, atteso);
        Portfolio p = portafoglio();
        p.dateacquisto[1] = data;
        p.prezzititoli[1] = prezzo;
        SalesBalance b;
        QVERIFY(!sceglititolo(b, p, 1, 1, QStringLiteral("Fiat"), titolo));
        QCOMPARE(b.prezzo0[1], atteso);
    }

    void scelta_copiailtitolo()
    {
        const Portfolio p = portafoglio();
        SalesBalance b;
        b.prezzo0[2] = QStringLiteral("999");   // a stock chosen before on that row
        QVERIFY(!sceglititolo(b, p, 1, 1, QStringLiteral("Fiat"), titolo));
        QCOMPARE(b.nomea[1], QStringLiteral("Fiat"));
        QCOMPARE(b.nacq[1], QStringLiteral("300"));
        QCOMPARE(b.dataacquisto[1], QStringLiteral("31/12/98"));
        QCOMPARE(b.appunti[1], QStringLiteral("tenere fino a giugno"));
        QCOMPARE(b.numerorighe, 1);
        // A holding with no purchase date brings no price, and keeps none of the previous.
        QVERIFY(!sceglititolo(b, p, 2, 3, QStringLiteral("Generali Ass."), titolo));
        QVERIFY(b.prezzo0[2].isEmpty());
        QCOMPARE(b.numerorighe, 2);
    }

    void scelta_elencosuperato()
    {
        // The list was filled before "Fiat" was deleted: entry 2 now names holding 1.
        Portfolio p = portafoglio();
        SalesBalance b;
        QVERIFY(!sceglititolo(b, p, 1, 2, QStringLiteral("Generali Ass."), titolo));
        QCOMPARE(b.nomea[1], QStringLiteral("Generali Ass."));
        QCOMPARE(b.nacq[1], QStringLiteral("100"));
        const auto m = sceglititolo(b, p, 2, 1, QStringLiteral("Parmalat"), titolo);
        QVERIFY(m);
        QCOMPARE(m->icona, Icona::Critica);
        QVERIFY(b.nomea[2].isEmpty());
    }

    void scelta_oltrecentorighe()
    {
        const Portfolio p = portafoglio();
        SalesBalance b;
        const auto m = sceglititolo(b, p, 101, 1, QStringLiteral("Fiat"), titolo);
        QVERIFY(m);
        QCOMPARE(m->icona, Icona::Critica);
        QCOMPARE(m->titolo, titolo);
        QVERIFY(m->testo.contains(QStringLiteral("cento")));
        QVERIFY(b.nomea[101].isEmpty());
        QCOMPARE(b.numerorighe, 0);
    }

    void conteggiorighe()
    {
        const Portfolio p = portafoglio();
        SalesBalance b;
        b.nomea[1] = QStringLiteral("Fiat");
        b.nomea[2] = QStringLiteral("Eni");
        QVERIFY(!sceglititolo(b, p, 3, 1, QStringLiteral("Fiat"), titolo));
        QCOMPARE(b.numerorighe, 3);
        b.nomea[2].clear();
        QVERIFY(!sceglititolo(b, p, 3, 1, QStringLiteral("Fiat"), titolo));
        QCOMPARE(b.numerorighe, 1);
        // All hundred rows hold a sale: the hundredth counts as well.
        for (int r = 1; r <= 99; ++r)
            b.nomea[r] = QStringLiteral("Fiat");
        QVERIFY(!sceglititolo(b, p, 100, 2, QStringLiteral("Eni"), titolo));
        QCOMPARE(b.numerorighe, 100);
    }

    void riga_scalata()
    {
        SalesBalance b;
        b.prezzo0[1] = QStringLiteral("0.1");
        b.na[1] = QStringLiteral("3");
        b.prezzo[1] = QStringLiteral("0.7");
        calcolariga(b, 1);
        // 0.1 x 3 is 0.30000000000000004 in binary: the scaling keeps the caption clean.
        QCOMPARE(b.pagato[1], QStringLiteral("0.3"));
        QCOMPARE(b.realizzato[1], QStringLiteral("1.8"));
        QCOMPARE(b.percento[1], QStringLiteral("600"));
        b.prezzo[1].clear();
        calcolariga(b, 1);
        QVERIFY(b.realizzato[1].isEmpty());
        QVERIFY(b.percento[1].isEmpty());
        b.prezzo0[1] = QStringLiteral("14500");
        b.na[1] = QStringLiteral("300");
        b.prezzo[1] = QStringLiteral("16320");
        calcolariga(b, 1);
        QCOMPARE(b.pagato[1], QStringLiteral("4350000"));
        QCOMPARE(b.realizzato[1], QStringLiteral("546000"));
        QCOMPARE(b.percento[1], QStringLiteral("12,55"));
        QCOMPARE(mostraimporto(b.pagato[1], false), QStringLiteral("4.350.000"));
        QCOMPARE(mostraimporto(QStringLiteral("2246.5"), true), QStringLiteral("2.246,50"));
        QCOMPARE(mostraimporto(QString(), false), QString());
    }

    void totali_data()
    {
        QTest::addColumn<QStringList>("righe");   // "purchase price;sold;sale price" per row
        colonne<QString, QString, QString>("pagato", "guadagno", "media");
        QTest::newRow("guadagno") << QStringList{"1000;10;1100", "2000;5;1800"} << "20000" << "0" << "";
        QTest::newRow("percento") << QStringList{"1000;10;1250"} << "10000" << "2500" << "25";
        QTest::newRow("due decimali") << QStringList{"3000;1;3100"} << "3000" << "100" << "3,33";
        QTest::newRow("gratis") << QStringList{"0;50;2000"} << "0" << "100000" << "gratis";
        QTest::newRow("gratis e pagati") << QStringList{"0;50;2000", "1000;10;1000"} << "10000" << "100000" << "1000";
        QTest::newRow("prezzo di vendita mancante") << QStringList{"1000;10;", "1000;10;0"} << "20000" << "0" << "";
        QTest::newRow("perdita") << QStringList{"2000;10;1500"} << "20000" << "-5000" << "-25";
        // Millions with decimals: the totals file takes the figure, not its binary noise.
        QTest::newRow("milioni con decimali") << QStringList{"14500;100;10.329"} << "1450000" << "-1448967.1" << "-99,93";
    }
    void totali()
    {
        QFETCH(QStringList, righe);
        QFETCH(QString, pagato);
        QFETCH(QString, guadagno);
        QFETCH(QString, media);
        SalesBalance b;
        for (int r = 1; r <= righe.size(); ++r) {
            const QStringList c = righe[r - 1].split(u';');
            b.nomea[r] = QStringLiteral("titolo %1").arg(r);
            b.prezzo0[r] = c[0];
            b.na[r] = c[1];
            b.prezzo[r] = c[2];
        }
        b.numerorighe = int(righe.size());
        const TotaliBilancio t = calcolatotali(b);
        QCOMPARE(t.testopagato, pagato);
        QCOMPARE(t.testoguadagno, guadagno);
        QCOMPARE(t.media, media);
    }

    void vendute_data()
    {
        colonne<QString, QString>("data", "vendute");
        QTest::addColumn<QString>("messaggio");   // beginning of the message; empty: none
        QTest::addColumn<QString>("rimaste");     // shares sold the row keeps
        QTest::newRow("tutte le possedute") << "15/03/01" << "300" << "" << "300";
        QTest::newRow("una in più") << "15/03/01" << "301"
                                    << "Non è possibile vendere un numero di azioni maggiore di quante se ne posseggono."
                                    << "";
        QTest::newRow("data mancante") << "" << "10"
                                       << "Correggere la data della vendita del titolo n. 1: usare il formato gg/mm/aa."
                                       << "10";
        QTest::newRow("data corta") << "1/3/01" << "10"
                                    << "Correggere la data della vendita del titolo n. 1: usare il formato gg/mm/aa."
                                    << "10";
        QTest::newRow("giorni e mese") << "31/04/01" << "10" << "Giorni e mese incompatibili nella data della vendita"
                                       << "10";
        QTest::newRow("separatori") << "15-03-01" << "10" << "Errore nella data della vendita del titolo n. 1" << "10";
    }
    void vendute()
    {
        QFETCH(QString, data);
        QFETCH(QString, vendute);
        QFETCH(QString, messaggio);
        QFETCH(QString, rimaste);
        SalesBalance b;
        vendita(b, 1, 1, data, QString(), QStringLiteral("16000"));
        const EsitoVendita e = immettivendute(b, 1, 1, vendute, QStringLiteral("Fiat"), QString(), titolo);
        QCOMPARE(e.messaggio.has_value(), !messaggio.isEmpty());
        if (e.messaggio) {
            QVERIFY2(e.messaggio->testo.startsWith(messaggio), qPrintable(e.messaggio->testo));
            QCOMPARE(e.messaggio->icona, Icona::Critica);
            QCOMPARE(e.messaggio->titolo, titolo);
        }
        QCOMPARE(b.na[1], rimaste);
        QCOMPARE(e.svuotata, rimaste.isEmpty());
        if (e.calcolata)
            QCOMPARE(b.pagato[1], QString::number(14500 * int(valore(rimaste))));
    }

    void annidiversi_solotralineevicine()
    {
        SalesBalance b;
        vendita(b, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16000"));
        vendita(b, 2, 1, QStringLiteral("20/12/02"), QString(), QStringLiteral("16000"));
        // Line 2 against line 1: different years.
        EsitoVendita e = immettivendute(b, 2, 2, QStringLiteral("10"), QStringLiteral("Fiat"), b.datavendita[1], titolo);
        QVERIFY(e.messaggio);
        QVERIFY(e.messaggio->testo.startsWith(QStringLiteral("Attenzione: si stanno considerando titoli venduti in anni diversi")));
        QCOMPARE(e.anno, std::optional<int>(2002));
        // Line 3 is compared with line 2 only: line 1's year does not count.
        vendita(b, 3, 1, QStringLiteral("05/01/02"), QString(), QStringLiteral("16000"));
        e = immettivendute(b, 3, 3, QStringLiteral("10"), QStringLiteral("Fiat"), b.datavendita[2], titolo);
        QVERIFY(!e.messaggio);
        QCOMPARE(e.anno, std::optional<int>(2002));
    }

    void titolodigitato_rifiutato()
    {
        SalesBalance b;
        b.datavendita[1] = QStringLiteral("15/03/01");
        const EsitoVendita e = immettivendute(b, 1, 1, QStringLiteral("10"), QStringLiteral("Fiatt"), QString(), titolo);
        QVERIFY(e.messaggio);
        QCOMPARE(e.messaggio->testo, QStringLiteral("Impossibile procedere: scegliere il titolo venduto tra la lista di "
                                                    "quelli posseduti cliccando sulla freccia."));
        // Refused or not, the row's figures count the shares the box shows.
        QVERIFY(e.calcolata);
        QCOMPARE(b.na[1], QStringLiteral("10"));
    }

    void euroepoilire()
    {
        SalesBalance b;
        vendita(b, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("16320"));
        vendita(b, 2, 2, QStringLiteral("15/03/01"), QStringLiteral("100"), QString());
        convertiineuro(b);
        QCOMPARE(b.prezzo0[1], QStringLiteral("7.489"));   // 14500 / 1936.27
        QCOMPARE(b.prezzo[1], QStringLiteral("8.429"));
        QCOMPARE(b.prezzo0[2], QStringLiteral("6.1"));     // 11811 / 1936.27 = 6.09997
        QVERIFY(b.prezzo[2].isEmpty());
        QCOMPARE(b.pagato[1], QStringLiteral("748.9"));    // the figures follow the prices
        QCOMPARE(b.realizzato[1], QStringLiteral("94"));
        QVERIFY(b.prezzonumero[1]);
        convertiinlire(b);
        // Back in lire, every price is the one typed (14500, not 14501), a typed text again.
        QCOMPARE(b.prezzo0[1], QStringLiteral("14500"));
        QCOMPARE(b.prezzo[1], QStringLiteral("16320"));
        QVERIFY(!b.prezzonumero[1]);
        QCOMPARE(b.prezzo0[2], QStringLiteral("11811"));
        QCOMPARE(b.pagato[1], QStringLiteral("1450000"));
        // A price typed while in euro is converted, once.
        convertiineuro(b);
        b.prezzo[1] = QStringLiteral("8.5");
        convertiinlire(b);
        QCOMPARE(b.prezzo[1], QStringLiteral("16458"));   // 8.5 x 1936.27 = 16458.3
        QCOMPARE(b.prezzo0[1], QStringLiteral("14500"));
    }

    void conversione_pagineoltrelaprima()
    {
        SalesBalance b;
        for (int r = 1; r <= 25; ++r) {
            b.nomea[r] = QStringLiteral("Fiat");
            b.prezzo0[r] = QStringLiteral("19362.7");
            b.na[r] = QStringLiteral("1");
        }
        b.prezzo0[41] = QStringLiteral("19362.7");   // beyond the last page of the walk
        b.numerorighe = 25;
        QCOMPARE(ultimarigaconvertita(0), 10);
        QCOMPARE(ultimarigaconvertita(10), 20);
        QCOMPARE(ultimarigaconvertita(25), 40);   // pages from 1, 11, 21 and 31
        convertiineuro(b);
        for (int r : {1, 10, 11, 25})
            QCOMPARE(b.prezzo0[r], QStringLiteral("10"));
        QCOMPARE(b.prezzo0[41], QStringLiteral("19362.7"));
        QCOMPARE(calcolatotali(b).testopagato, QStringLiteral("250"));
    }
};

QTEST_GUILESS_MAIN(TestVendite)
#include "test_vendite.moc"
