#include "portfolio/controllo.h"
#include "colonne.h"

#include <QTest>

namespace {
const QString titolo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");

void titolo1(Portfolio& p, int i, const char* nome, const char* qta, const char* prezzo, const char* data)
{
    p.nomititoli[i] = QString::fromLatin1(nome);
    p.quantitatitoli[i] = QString::fromLatin1(qta);
    p.prezzititoli[i] = QString::fromLatin1(prezzo);
    p.dateacquisto[i] = QString::fromLatin1(data);
}

// Two holdings bought in January 1999, two dated columns with every quotation typed.
Portfolio valido()
{
    Portfolio p;
    titolo1(p, 1, "Fiat", "100", "10.5", "04/01/99");
    titolo1(p, 2, "Eni", "50", "6", "05/01/99");
    p.datequotazioni[1] = QStringLiteral("15/01/99");
    p.datequotazioni[2] = QStringLiteral("15/02/99");
    for (int c = 1; c <= 2; ++c)
        for (int i = 1; i <= 2; ++i)
            p.quotazioni(c, i) = QStringLiteral("7");
    return p;
}
} // namespace

class TestControllo : public QObject {
    Q_OBJECT
private slots:
    void superato()
    {
        Portfolio p = valido();
        const EsitoControllo e = controlloinput(p, 1, titolo);
        QVERIFY2(e.superato, qPrintable(e.messaggio ? e.messaggio->testo : QString()));
        QCOMPARE(p.numerotitoli, 2);
        QCOMPARE(p.numerocolonne, 2);
        QCOMPARE(e.primacolonna, 1);
    }

    void rifiuti_data()
    {
        colonne<int, QString, int>("caso", "testo", "icona");
        QTest::newRow("portafoglio vuoto") << 0 << "Impossibile proseguire: non è stato inserito nessun dato."
                                           << int(Icona::Critica);
        QTest::newRow("solo la riga 5") << 1 << "Correggere la data  d'acquisto del titolo n. 1" << int(Icona::Critica);
        QTest::newRow("virgola nel prezzo (passo 8)")
            << 2 << "Sostituire la virgola con il punto nel prezzo d'acquisto dell'azione n. 2." << int(Icona::Esclamativa);
        QTest::newRow("prezzo di lettere (passo 10)")
            << 3 << "Inserire un valore numerico valido per la prezzo d'acquisto dell'azione n. 2." << int(Icona::Esclamativa);
        QTest::newRow("quotazione mancante dopo l'acquisto")
            << 4 << "Inserire la quotazione alla data del 15/02/99 successiva alla data d'acquisto del titolo n. 2."
            << int(Icona::Esclamativa);
        QTest::newRow("data d'acquisto impossibile")
            << 5 << "Giorni e mese incompatibili nella data d'acquisto del titolo n. 2: usare il formato gg/mm/aa."
            << int(Icona::Critica);
        QTest::newRow("quotazioni senza data a video")
            << 6 << "Correggere la data delle quotazioni della colonna n. 3: usare il formato gg/mm/aa." << int(Icona::Critica);
        QTest::newRow("data di colonna con trattini")
            << 7 << "Errore nella data delle quotazioni della colonna n. 2: usare il formato gg/mm/aa." << int(Icona::Critica);
        QTest::newRow("data fuori vista che non è una data")
            << 8 << "Correggere la data delle quotazioni della colonna n. 9: usare il formato gg/mm/aa." << int(Icona::Critica);
        // Its parts pass the day, month and year checks, yet it is no date: a lira price
        // would be taken for euro.
        QTest::newRow("lettera O nella data d'acquisto") << 9 << "Correggere la data  d'acquisto del titolo n. 2"
                                                        << int(Icona::Critica);
        QTest::newRow("lettera O nella data di colonna")
            << 10 << "Correggere la data delle quotazioni della colonna n. 2: usare il formato gg/mm/aa." << int(Icona::Critica);
        QTest::newRow("quantità enorme") << 11
                                         << "Inserire un valore numerico valido per la quantità dell'azione n. 1: il numero è troppo grande."
                                         << int(Icona::Esclamativa);
        QTest::newRow("prezzo di venti cifre")
            << 12 << "Inserire un valore numerico valido per il prezzo d'acquisto dell'azione n. 2: il numero è troppo grande."
            << int(Icona::Esclamativa);
        QTest::newRow("quotazione enorme")
            << 13 << "Inserire un valore numerico valido per la quotazione del titolo n. 2 alla data del 15/02/99: il numero è troppo grande."
            << int(Icona::Esclamativa);
    }
    void rifiuti()
    {
        QFETCH(int, caso);
        QFETCH(QString, testo);
        QFETCH(int, icona);
        Portfolio p = caso == 0 ? Portfolio() : valido();
        switch (caso) {
        case 1:
            p = Portfolio();
            titolo1(p, 5, "Eni", "10", "5", "05/01/99");
            break;
        case 2: p.prezzititoli[2] = QStringLiteral("12,50"); break;   // reads as 12, still refused
        case 3: p.prezzititoli[2] = QStringLiteral("dodici"); break;
        case 4: p.quotazioni(2, 2).clear(); break;
        case 5: p.dateacquisto[2] = QStringLiteral("31/04/98"); break;
        case 6: p.quotazioni(3, 1) = QStringLiteral("8"); break;
        case 7: p.datequotazioni[2] = QStringLiteral("15-02-99"); break;
        case 8:
            p.datequotazioni[9] = QStringLiteral("ab/cd/ef");
            break;
        case 9: p.dateacquisto[2] = QStringLiteral("3O/12/98"); break;
        case 10: p.datequotazioni[2] = QStringLiteral("15/02/9O"); break;
        case 11: p.quantitatitoli[1] = QStringLiteral("1e308"); break;
        case 12: p.prezzititoli[2] = QStringLiteral("99999999999999999999"); break;
        case 13: p.quotazioni(2, 2) = QString(400, u'9'); break;
        }
        const EsitoControllo e = controlloinput(p, 1, titolo);
        QVERIFY(!e.superato);
        QVERIFY(e.messaggio);
        QCOMPARE(e.messaggio->testo, testo);
        QCOMPARE(e.messaggio->titolo, titolo);
        QCOMPARE(int(e.messaggio->icona), icona);
        if (caso == 1)
            QCOMPARE(p.numerotitoli, 5);
    }

    void quotazione_allastessadata()
    {
        // A column dated on the purchase day needs no quotation; a later one does (above).
        Portfolio p = valido();
        p.dateacquisto[2] = QStringLiteral("15/02/99");
        p.quotazioni(1, 2).clear();
        p.quotazioni(2, 2).clear();
        QVERIFY(controlloinput(p, 1, titolo).superato);
    }

    void colonne_spostate()
    {
        Portfolio p = valido();
        for (int c = 3; c <= 8; ++c) {
            p.datequotazioni[c] = QStringLiteral("15/%1/99").arg(c, 2, 10, QLatin1Char('0'));
            p.quotazioni(c, 1) = p.quotazioni(c, 2) = QStringLiteral("7");
        }
        // Columns 7..11 on screen, 9..11 empty: only two count, and the view goes back five.
        EsitoControllo e = controlloinput(p, 7, titolo);
        QVERIFY(e.superato);
        QCOMPARE(e.primacolonna, 2);
        QCOMPARE(p.numerocolonne, 8);
        // Five dated columns on screen: no shift.
        e = controlloinput(p, 3, titolo);
        QVERIFY(e.superato);
        QCOMPARE(e.primacolonna, 3);
        // A failure in the visible dates moves the view back five more.
        p.datequotazioni[2] = QStringLiteral("1/2/99");
        e = controlloinput(p, 7, titolo);
        QVERIFY(!e.superato);
        QCOMPARE(e.messaggio->testo,
                 QStringLiteral("Correggere la data delle quotazioni della colonna n. 1: usare il formato gg/mm/aa."));
        QCOMPARE(e.primacolonna, 1);
    }

    void colonne_senzadate_restano()
    {
        Portfolio p = valido();
        p.datequotazioni[1].clear();
        p.datequotazioni[2].clear();
        p.quotazioni(1, 1).clear();
        p.quotazioni(1, 2).clear();
        p.quotazioni(2, 1).clear();
        p.quotazioni(2, 2).clear();
        p.numerocolonne = 4;
        QVERIFY(controlloinput(p, 1, titolo).superato);
        QCOMPARE(p.numerocolonne, 4);
    }

    void controllisulladigitazione()
    {
        bool memorizza = false;
        auto m = controllonome(101, QStringLiteral("Fiat"), titolo, &memorizza);
        QVERIFY(m && !memorizza);
        QCOMPARE(m->testo, QStringLiteral("Non è possibile inserire dati di più di cento titoli."));
        QCOMPARE(m->icona, Icona::Critica);
        m = controllonome(100, QString(31, u'x'), titolo, &memorizza);
        QVERIFY(m && memorizza);
        QCOMPARE(m->testo, QStringLiteral("Per una stampa corretta non digitare nomi di azioni più lunghi di 30 caratteri."));
        QCOMPARE(m->icona, Icona::Esclamativa);
        QVERIFY(!controllonome(100, QString(30, u'x'), titolo, &memorizza) && memorizza);
        QCOMPARE(controlloquotazione(301, titolo)->testo,
                 QStringLiteral("Non è possibile digitare oltre trecento quotazioni: eliminarne qualcuna non più utile."));
        QVERIFY(!controlloquotazione(300, titolo));
        QCOMPARE(controllodataquotazione(301, titolo)->testo,
                 QStringLiteral("Non si possono digitare più di trecento date di quotazioni: eliminare prima quelle non più utili."));
        QVERIFY(!controllodataquotazione(300, titolo));
    }
};

QTEST_GUILESS_MAIN(TestControllo)
#include "test_controllo.moc"
