#include "portfolio/controllo.h"
#include "portfolio/importa.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
const QString titolo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");

QByteArray cp1252(const QString& t)
{
    QByteArray b;
    for (QChar c : t)
        b += c == QChar(0x20AC) ? '\x80' : char(c.unicode());
    return b;
}

Portfolio conti(const QStringList& nomi)
{
    Portfolio p;
    for (int i = 0; i < nomi.size(); ++i)
        p.nomititoli[i + 1] = nomi[i];
    return p;
}
} // namespace

class TestImporta : public QObject {
    Q_OBJECT
private slots:
    void numeri_data()
    {
        QTest::addColumn<QString>("incollato");
        QTest::addColumn<QString>("atteso");   // empty: not a number
        QTest::newRow("virgola italiana") << "6,35" << "6.35";
        QTest::newRow("punto") << "6.35" << "6.35";
        QTest::newRow("migliaia e euro") << "1.234,5 €" << "1234.5";
        QTest::newRow("euro davanti") << "€ 12,50" << "12.50";
        QTest::newRow("EUR dopo") << "7,1 EUR" << "7.1";
        QTest::newRow("inglese con migliaia") << "1,234.50" << "1234.50";
        QTest::newRow("spazio delle migliaia") << "12 500" << "12500";
        QTest::newRow("spazio unificatore") << QString::fromUtf8("12\u00a0500,25") << "12500.25";
        QTest::newRow("lire") << "Lit. 14.500" << "14500";
        QTest::newRow("più gruppi") << "1.234.567" << "1234567";
        QTest::newRow("virgolette e spazi") << "  \"6,80\" " << "6.80";
        QTest::newRow("senza zero") << ",5" << "0.5";
        QTest::newRow("negativo") << "-0,25" << "-0.25";
        QTest::newRow("intero") << "42" << "42";
        QTest::newRow("lettere") << "n.d." << "";
        QTest::newRow("vuoto") << "" << "";
        QTest::newRow("trattino") << "-" << "";
        QTest::newRow("percentuale") << "+1,5%" << "";
        QTest::newRow("gruppi sbagliati") << "1.23.4" << "";
        QTest::newRow("due decimali") << "1,2,3.4" << "";
    }
    void numeri()
    {
        QFETCH(QString, incollato);
        QFETCH(QString, atteso);
        QCOMPARE(numeroincollato(incollato).value_or(QString()), atteso);
    }

    void colonnaincollata()
    {
        Portfolio p = conti({"Eni", "Fiat", "Enel", "Terna"});
        p.quotazioni(2, 3) = QStringLiteral("9");
        // A column from a spreadsheet: CR LF, a blank line, a word, a trailing empty line.
        const EsitoIncolla e = incollacolonna(p, 2, 1, QStringLiteral("6,35\r\n\r\nn.d.\r\n1.234,5 €\r\n\r\n"), titolo);
        QVERIFY(!e.rifiuto);
        QCOMPARE(e.collocati, 2);
        QCOMPARE(e.saltate, (QList<int>{2, 3}));
        QCOMPARE(p.quotazioni(2, 1), QStringLiteral("6.35"));
        QVERIFY(p.quotazioni(2, 2).isEmpty());
        QCOMPARE(p.quotazioni(2, 3), QStringLiteral("9"));   // left as it was
        QCOMPARE(p.quotazioni(2, 4), QStringLiteral("1234.5"));
        QCOMPARE(e.riepilogo(titolo, QStringLiteral("quotazioni")).testo,
                 QStringLiteral("Sono state inserite 2 quotazioni. Righe lasciate come erano perché non sono numeri: 2, 3."));

        // Past holding 100 or column 300: refused whole, with the bound's own message.
        Portfolio q;
        const EsitoIncolla oltre = incollacolonna(q, 5, 99, QStringLiteral("1\n2\n3"), titolo);
        QCOMPARE(oltre.rifiuto->testo, QStringLiteral("Non è possibile inserire dati di più di cento titoli."));
        QVERIFY(q.quotazioni(5, 99).isEmpty());
        QCOMPARE(incolladate(q, 299, QStringLiteral("01/01/99\t02/01/99\t03/01/99"), titolo).rifiuto->testo,
                 QStringLiteral("Non si possono digitare più di trecento date di quotazioni: eliminare prima quelle non più utili."));
        QVERIFY(q.datequotazioni[299].isEmpty());
        // A row of dates as a spreadsheet copies it, in its own forms.
        const EsitoIncolla date = incolladate(q, 3, QStringLiteral("4/1/1999\t1999-02-01\tfebbraio\t31-03-99\r\n"), titolo);
        QCOMPARE(date.collocati, 3);
        QCOMPARE(date.saltate, QList<int>{3});
        QCOMPARE(q.datequotazioni[3], QStringLiteral("04/01/99"));
        QCOMPARE(q.datequotazioni[4], QStringLiteral("01/02/99"));
        QVERIFY(q.datequotazioni[5].isEmpty());
        QCOMPARE(q.datequotazioni[6], QStringLiteral("31/03/99"));
    }

    void csv_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("data");          // the file's date; empty when it has none
        QTest::addColumn<QStringList>("prezzi");    // Eni, Fiat, Enel as read
        const QString e = QString::fromUtf8("€");
        QTest::newRow("Excel italiano") << cp1252(QStringLiteral("Titolo;Prezzo;Data\r\nEni;6,35;04/01/1999\r\nFiat;\"7,10\";04/01/1999\r\nEnel;1.234,50 %1;04/01/1999\r\n").arg(e))
                                        << "04/01/99" << QStringList{"6.35", "7.10", "1234.50"};
        QTest::newRow("Excel inglese, mese prima") << QByteArray("Name,Price,Date\r\nEni,6.35,1/14/1999\r\nFiat,7.10,1/14/1999\r\nEnel,\"1,234.50\",1/14/1999\r\n")
                                                   << "14/01/99" << QStringList{"6.35", "7.10", "1234.50"};
        QTest::newRow("LibreOffice, virgola tra virgolette") << QByteArray("Eni,\"6,35\"\nFiat,\"7,1\"\n\nEnel,5\n")
                                                             << "" << QStringList{"6.35", "7.1", "5"};
        QTest::newRow("UTF-8 con BOM e data ISO") << QByteArray("\xEF\xBB\xBF" "data;titolo;ultimo\n1999-01-04;Eni;6,35\n1999-01-04;  fiat ;7\n1999-01-04;ENEL;n.d.\n")
                                                  << "04/01/99" << QStringList{"6.35", "7", ""};
        QTest::newRow("tabulazioni, senza intestazione") << QByteArray("Eni\t6.35\r\nFiat\t7.10\r\nEnel\t3\r\n")
                                                         << "" << QStringList{"6.35", "7.10", "3"};
    }
    void csv()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, data);
        QFETCH(QStringList, prezzi);
        const FileQuotazioni f = leggiquotazioni(file);
        QVERIFY2(f.errore.isEmpty(), qPrintable(f.errore));
        QCOMPARE(f.condata, !data.isEmpty());
        Portfolio p = conti({"Eni", "Fiat", "Enel", "Alitalia"});
        p.datequotazioni[1] = QStringLiteral("31/12/98");
        p.quotazioni(1, 1) = QStringLiteral("12000");
        const EsitoImporta e = importaquotazioni(p, f, data.isEmpty() ? QStringLiteral("05/01/99") : QString(), titolo);
        QVERIFY2(!e.rifiuto, qPrintable(e.rifiuto ? e.rifiuto->testo : QString()));
        QCOMPARE(e.colonna, 2);
        QCOMPARE(p.datequotazioni[2], data.isEmpty() ? QStringLiteral("05/01/99") : data);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(p.quotazioni(2, i), prezzi[i - 1]);
        QVERIFY(p.quotazioni(2, 4).isEmpty());
        QCOMPARE(p.numerocolonne, 2);
    }

    void csv_rifiuti()
    {
        Portfolio p = conti({"Eni", "Fiat"});
        auto importa = [&](const QByteArray& file) {
            return importaquotazioni(p, leggiquotazioni(file), QStringLiteral("05/01/99"), titolo);
        };
        QCOMPARE(importa("").rifiuto->testo, QStringLiteral("Impossibile importare le quotazioni: il file è vuoto."));
        QCOMPARE(importa("solo;parole\nsenza;numeri\n").rifiuto->testo,
                 QStringLiteral("Impossibile importare le quotazioni: il file non ha una colonna di nomi dei titoli e una di prezzi."));
        QCOMPARE(importa("Eni;6,35;04/01/99\nFiat;7;05/01/99\n").rifiuto->testo,
                 QStringLiteral("Il file contiene quotazioni di più giorni (04/01/99, 05/01/99): importarne un giorno alla volta."));
        const EsitoImporta nessuno = importa("Parmalat;1,2\nCirio;0,5\n");
        QCOMPARE(nessuno.rifiuto->testo, QStringLiteral("Nessun titolo del file è nel portafoglio: non è stato importato nulla.\r"
                                                        "Titoli del file: Parmalat, Cirio."));
        QVERIFY(p.datequotazioni[1].isEmpty());
        // The names it could not match are listed, the others imported.
        const EsitoImporta parte = importa("Eni;6,35\nParmalat;1,2\nFiat;x\n");
        QCOMPARE(parte.riepilogo(titolo).testo,
                 QStringLiteral("È stata importata 1 quotazione del 05/01/99 nella colonna n. 1.\r"
                                "Titoli del file che non sono nel portafoglio (correggerne il nome): Parmalat.\r"
                                "Righe del file senza un prezzo valido: 3."));
        // The same day again is refused: the column exists.
        QCOMPARE(importa("Eni;6,40\n").rifiuto->testo,
                 QStringLiteral("La colonna n. 1 ha già le quotazioni del 05/01/99: per importarle di nuovo eliminarla prima "
                                "con \"Cancella dati immessi\"."));
    }

    void colonnadelprezzo_data()
    {
        // Which column a heading makes the prices of: today's price, never what was paid.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("prezzo");        // Autostrade's, when the column is clear
        QTest::addColumn<QStringList>("offerte");   // the columns offered otherwise
        QTest::newRow("esportazione di una banca")
            << cp1252(QString::fromUtf8("Titolo;ISIN;Quantità;Prezzo medio di carico;Prezzo di mercato;Valore di mercato;Var%\r\n"
                                        "Autostrade;IT0003506190;1000;5990;7,15;7150,00;19,37\r\n"
                                        "Eni;IT0003132476;500;11811;6,35;3175,00;4,10\r\n"))
            << "7.15" << QStringList();
        QTest::newRow("solo il costo")
            << QByteArray("Titolo;Quantita;Prezzo medio di carico\r\nAutostrade;1000;5990\r\n") << QString()
            << QStringList{"Prezzo medio di carico (5990)"};
        QTest::newRow("due prezzi di oggi")
            << QByteArray("Titolo;Ultimo;Chiusura\r\nAutostrade;7,15;7,10\r\n") << QString()
            << QStringList{"Ultimo (7,15)", "Chiusura (7,10)"};
        QTest::newRow("un prezzo e basta") << QByteArray("Nome,Prezzo\r\nAutostrade,7.15\r\n") << "7.15" << QStringList();
    }
    void colonnadelprezzo()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, prezzo);
        QFETCH(QStringList, offerte);
        FileQuotazioni f = leggiquotazioni(file);
        QVERIFY2(f.errore.isEmpty(), qPrintable(f.errore));
        QCOMPARE(f.dascegliere(), !offerte.isEmpty());
        if (f.dascegliere()) {
            QCOMPARE(f.vocicolonne(), offerte);
            f = leggiquotazioni(file, f.colonneprezzo.constFirst());   // the user picks the first
        }
        Portfolio p = conti({"Autostrade"});
        const EsitoImporta e = importaquotazioni(p, f, QStringLiteral("05/01/99"), titolo);
        QVERIFY(!e.rifiuto);
        if (!prezzo.isEmpty())
            QCOMPARE(p.quotazioni(1, 1), prezzo);
    }

    void elenchilunghi_elistinograndi()
    {
        // 484 names no holding has: ten in the message, how many more, every one in the details.
        QByteArray file("Titolo;Prezzo\r\nEni;6,35\r\n");
        for (int i = 1; i <= 484; ++i)
            file += "Sconosciuto " + QByteArray::number(i) + ";1,5\r\n";
        Portfolio p = conti({"Eni"});
        const Messaggio m = importaquotazioni(p, leggiquotazioni(file), QStringLiteral("05/01/99"), titolo).riepilogo(titolo);
        QVERIFY(m.testo.endsWith(QStringLiteral("Sconosciuto 10 e altri 474.")));
        QVERIFY(m.dettagli.contains(QStringLiteral("\nSconosciuto 484")));
        // A heading with no rows says so, before any date is asked.
        QCOMPARE(leggiquotazioni("Titolo;Prezzo\r\n").errore, QStringLiteral("il file ha solo la riga d'intestazione, senza quotazioni"));
        // The largest list the import takes, 16 MB, is read (within a time far above its own).
        QByteArray grande("Titolo;Prezzo\r\n");
        while (grande.size() < 16 * 1024 * 1024 - 64)
            grande += "Eni;6,35\r\nSconosciuto;1\r\n";
        QElapsedTimer orologio;
        orologio.start();
        Portfolio q = conti({"Eni"});
        const EsitoImporta e = importaquotazioni(q, leggiquotazioni(grande), QStringLiteral("05/01/99"), titolo);
        QVERIFY2(orologio.elapsed() < 60000, qPrintable(QString::number(orologio.elapsed())));
        QCOMPARE(e.collocati, 1);
        QCOMPARE(e.nontrovati, QStringList{"Sconosciuto"});
    }

    void cento_titoli()
    {
        // A hundred holdings, a hundred lines: every one placed, and the data check passes.
        Portfolio p;
        QByteArray file("Titolo;Quotazione\r\n");
        for (int i = 1; i <= 100; ++i) {
            p.nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
            p.quantitatitoli[i] = QStringLiteral("10");
            p.prezzititoli[i] = QStringLiteral("5");
            p.dateacquisto[i] = QStringLiteral("04/01/99");
            file += QStringLiteral("titolo %1;%2,%3\r\n").arg(i).arg(i).arg(i % 100, 2, 10, QLatin1Char('0')).toLatin1();
        }
        const EsitoImporta e = importaquotazioni(p, leggiquotazioni(file), QStringLiteral("05/01/99"), titolo);
        QCOMPARE(e.collocati, 100);
        QCOMPARE(p.quotazioni(1, 37), QStringLiteral("37.37"));
        QVERIFY(controlloinput(p, 1, titolo).superato);
    }
};

QTEST_GUILESS_MAIN(TestImporta)
#include "test_importa.moc"
