#include "portfolio/archivio.h"
#include "shared/campi.h"
#include "colonne.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The example of two holdings and three columns.
Portfolio esempio()
{
    Portfolio p;
    p.numerotitoli = 2;
    p.numerocolonne = 3;
    p.strategia = QStringLiteral("comprare, vendere");
    const QStringList t1{"Fiat", "100", "14500", "12/03/97", "note, con virgola", "", ""};
    const QStringList t2{"Eni", "500", "6.10", "04/01/99", "", "02/02/99", "0.25"};
    for (int i = 1; i <= 2; ++i) {
        const QStringList& t = i == 1 ? t1 : t2;
        p.nomititoli[i] = t[0];
        p.quantitatitoli[i] = t[1];
        p.prezzititoli[i] = t[2];
        p.dateacquisto[i] = t[3];
        p.notetitoli[i] = t[4];
        p.datestacco[i] = t[5];
        p.dividendi[i] = t[6];
    }
    p.quotazioni(1, 1) = QStringLiteral("7.85");
    p.quotazioni(3, 1) = QStringLiteral("8.40");   // column 2 never typed
    p.quotazioni(1, 2) = QStringLiteral("6.35");
    p.quotazioni(2, 2) = QStringLiteral("6.80");
    p.quotazioni(3, 2) = QStringLiteral("7.02");
    p.datequotazioni[1] = QStringLiteral("31/03/99");
    p.datequotazioni[2] = QStringLiteral("30/04/99");
    p.datequotazioni[3] = QStringLiteral("31/05/99");
    p.notepiano[0] = QStringLiteral("Anno 1999");
    p.notepiano[12] = QStringLiteral("fine");
    return p;
}

const QByteArray esempioatteso =
    "2,\"comprare, vendere\",3\r\n"
    "\"Fiat\",\"100\",\"14500\",\"12/03/97\",\"note, con virgola\",,\r\n"
    "\"7.85\"\r\n"
    "\r\n"
    "\"8.40\"\r\n"
    "\"Eni\",\"500\",\"6.10\",\"04/01/99\",,\"02/02/99\",\"0.25\"\r\n"
    "\"6.35\"\r\n"
    "\"6.80\"\r\n"
    "\"7.02\"\r\n"
    "\"31/03/99\"\r\n"
    "\"30/04/99\"\r\n"
    "\"31/05/99\"\r\n"
    "\"Anno 1999\"\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    "\"fine\"\r\n";

// What a text becomes in the file: every line break CR LF.
QString crlf(QString t)
{
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t;
}

// `a` read back from the file written from `b`.
void confronta(const Portfolio& a, Portfolio b)
{
    b.strategia = crlf(b.strategia);
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        for (QString* t : {&b.nomititoli[i], &b.quantitatitoli[i], &b.prezzititoli[i], &b.dateacquisto[i],
                           &b.notetitoli[i], &b.datestacco[i], &b.dividendi[i]})
            *t = crlf(*t);
    for (int c = 1; c <= b.numerocolonne; ++c) {
        b.datequotazioni[c] = crlf(b.datequotazioni[c]);
        for (int i = 1; i <= b.numerotitoli; ++i)
            b.quotazioni(c, i) = crlf(b.quotazioni(c, i));
    }
    for (QString& n : b.notepiano)
        n = crlf(n);
    QCOMPARE(a.numerotitoli, b.numerotitoli);
    QCOMPARE(a.numerocolonne, b.numerocolonne);
    QCOMPARE(a.strategia, b.strategia);
    for (int i = 1; i <= Portfolio::maxtitoli; ++i) {
        QCOMPARE(a.nomititoli[i], b.nomititoli[i]);
        QCOMPARE(a.quantitatitoli[i], b.quantitatitoli[i]);
        QCOMPARE(a.prezzititoli[i], b.prezzititoli[i]);
        QCOMPARE(a.dateacquisto[i], b.dateacquisto[i]);
        QCOMPARE(a.notetitoli[i], b.notetitoli[i]);
        QCOMPARE(a.datestacco[i], b.datestacco[i]);
        QCOMPARE(a.dividendi[i], b.dividendi[i]);
        for (int c = 1; c <= Portfolio::maxcolonne; ++c)
            if (a.quotazioni(c, i) != b.quotazioni(c, i))
                QFAIL(qPrintable(QStringLiteral("quotazione %1,%2").arg(c).arg(i)));
    }
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        QCOMPARE(a.datequotazioni[c], b.datequotazioni[c]);
    for (int k = 0; k < 13; ++k)
        QCOMPARE(a.notepiano[k], b.notepiano[k]);
}

QString casuale(QRandomGenerator& g)
{
    static const QStringList pezzi{"Fiat", ",", "\r\n", "\n", "\"", "à è é ì ò ù", "12.5", " ", "Ω", "😀", "€",
                                   "l'Espresso", "\"\"", ",,", "a\"b", "\t", "Σ"};
    if (g.bounded(3) == 0)
        return QString();
    QString t;
    const int n = int(g.bounded(1, 5));
    for (int k = 0; k < n; ++k)
        t += pezzi[int(g.bounded(pezzi.size()))];
    return t;
}

void scrivi(const QString& file, const QByteArray& dati)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

QByteArray leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes a file or folder impossible to change, even for root (who ignores permissions).
bool bloccato(const QString& percorso, bool blocca)
{
    if (!blocca) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), percorso});
        QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return true;
    }
    QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ExeOwner);
    QFile prova(QFileInfo(percorso).isDir() ? QDir(percorso).filePath(QStringLiteral(".prova")) : percorso);
    if (!prova.open(QIODevice::Append))
        return true;
    prova.close();
    if (QFileInfo(percorso).isDir())
        prova.remove();
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), percorso}) == 0;
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private slots:
    void esempio_byteperbyte()
    {
        const QByteArray scritto = codificaarchivio(testoarchivio(esempio()));
        QCOMPARE(scritto, esempioatteso);
        QCOMPARE(scritto.count("\r\n"), 25);
        // A box's bare line feeds go to the file as CR LF, as every text of the archive.
        Portfolio conacapo = esempio();
        conacapo.strategia = QStringLiteral("uno\ndue\r\ntre\rquattro");
        QVERIFY(codificaarchivio(testoarchivio(conacapo)).startsWith("2,\"uno\r\ndue\r\ntre\r\nquattro\",3\r\n"));
        QString errore;
        const auto letto = leggiarchivio(decodificaarchivio(scritto), &errore);
        QVERIFY2(letto, qPrintable(errore));
        confronta(*letto, esempio());
    }

    void vecchioarchivio_windows1252()
    {
        // As the old program wrote it: Windows-1252, bare numbers without a leading zero or
        // with an exponent, blanks around unquoted fields, line breaks inside a text.
        const QByteArray vecchio =
            "1,\"Appunti: perch\xE9 comprare?\r\nPoi vendere.\",2\r\n"
            "\"Citt\xE0 \xE8 \xE9 \xEC \xF2 \xF9\",\"100\",.333333333333333,\"12/03/97\",\"L'\xE8 una nota \x80\",, .5 \r\n"
            " 1.5E+3 \r\n"
            "1.23456789012345E-05\r\n"
            "\"31/03/99\"\r\n"
            "\"30/04/99\"\r\n"
            "\"Gennaio: pi\xF9 azioni\"\r\n"
            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
        QString errore;
        const auto p = leggiarchivio(decodificaarchivio(vecchio), &errore);
        QVERIFY2(p, qPrintable(errore));
        QCOMPARE(p->strategia, QStringLiteral("Appunti: perché comprare?\r\nPoi vendere."));
        QCOMPARE(p->nomititoli[1], QStringLiteral("Città è é ì ò ù"));
        QCOMPARE(p->notetitoli[1], QStringLiteral("L'è una nota €"));
        QCOMPARE(p->dividendi[1], QStringLiteral("0.5"));
        QCOMPARE(p->quotazioni(1, 1), QStringLiteral("1500"));
        // Every digit kept: the shortest text that reads back as the same number.
        QCOMPARE(p->prezzititoli[1], QStringLiteral("0.333333333333333"));
        QCOMPARE(p->quotazioni(2, 1), QStringLiteral("0.0000123456789012345"));
        QCOMPARE(p->datequotazioni[2], QStringLiteral("30/04/99"));
        QCOMPARE(p->notepiano[0], QStringLiteral("Gennaio: più azioni"));
        // Written back, it is Windows-1252 again, so the old program can read it.
        QVERIFY(codificaarchivio(testoarchivio(*p)).contains("Citt\xE0 \xE8 \xE9 \xEC \xF2 \xF9"));
    }

    void andataeritorno()
    {
        QRandomGenerator g(19980701);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-prova"));
        for (int giro = 0; giro < 60; ++giro) {
            Portfolio p;
            p.numerotitoli = int(g.bounded(0, 101));
            p.numerocolonne = giro % 10 == 0 ? 300 : int(g.bounded(0, 40));
            p.strategia = casuale(g);
            for (int i = 1; i <= p.numerotitoli; ++i) {
                for (QString* t : {&p.nomititoli[i], &p.quantitatitoli[i], &p.prezzititoli[i], &p.dateacquisto[i],
                                   &p.notetitoli[i], &p.datestacco[i], &p.dividendi[i]})
                    *t = casuale(g);
                for (int c = 1; c <= p.numerocolonne; ++c)
                    p.quotazioni(c, i) = casuale(g);
            }
            for (int c = 1; c <= p.numerocolonne; ++c)
                p.datequotazioni[c] = casuale(g);
            for (QString& n : p.notepiano)
                n = casuale(g);
            QString errore;
            QVERIFY2(salvaarchivio(p, file, &errore), qPrintable(errore));
            const auto letto = apriarchivio(file, &errore);
            QVERIFY2(letto, qPrintable(QStringLiteral("giro %1: %2").arg(giro).arg(errore)));
            confronta(*letto, p);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void rifiutati_data()
    {
        colonne<QByteArray, QString>("dati", "motivo");
        QByteArray troncato = esempioatteso;
        troncato.chop(40);
        QTest::newRow("troncato") << troncato << "il file finisce prima del previsto";
        QByteArray mezzotesto = esempioatteso.left(esempioatteso.indexOf("note, con"));
        QTest::newRow("troncato dentro un testo") << mezzotesto << "il file finisce prima del previsto";
        QTest::newRow("troppi titoli") << QByteArray("101,\"\",0\r\n") << "il numero di titoli (101) non è tra 0 e 100";
        QTest::newRow("troppe colonne") << QByteArray("0,\"\",301\r\n") << "il numero di colonne (301) non è tra 0 e 300";
        QTest::newRow("titoli negativi") << QByteArray("-1,\"\",0\r\n") << "il numero di titoli (-1) non è tra 0 e 100";
        QTest::newRow("titoli a venti cifre") << QByteArray("99999999999999999999,\"\",0\r\n")
                                               << "il numero di titoli (99999999999999999999) non è tra 0 e 100";
        QTest::newRow("non un archivio") << QByteArray("Caro amico,\r\nti scrivo.\r\n")
                                         << "il numero di titoli (Caro amico) non è tra 0 e 100";
        QTest::newRow("binario") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "contiene dati che non sono testo";
        QTest::newRow("riga in più")
            << QByteArray(esempioatteso + "\"altro\"\r\n") << "dopo le note del piano strategico vi sono altri dati";
        QByteArray storto = esempioatteso;
        storto.replace("\"7.85\"\r\n", "\"7.85\",\"x\"\r\n");
        QTest::newRow("campo in più su una riga") << storto << "la riga 3 non ha la forma attesa";
        QTest::newRow("vuoto") << QByteArray() << "il file finisce prima del previsto";
        // The line of the file, counting the lines of a text that spans several.
        QByteArray appunti = storto;
        appunti.replace("\"comprare, vendere\"", "\"comprare,\r\nvendere\r\npoi\"");
        QTest::newRow("riga dopo appunti su tre righe") << appunti << "la riga 5 non ha la forma attesa";
    }
    void rifiutati()
    {
        QFETCH(QByteArray, dati);
        QFETCH(QString, motivo);
        QString errore;
        QVERIFY(!leggiarchivio(decodificaarchivio(dati), &errore));
        QCOMPARE(errore, motivo);
    }

    void spazzatura_maiunincidente()
    {
        // Random bytes and random cuts of a real archive: refused or read, never more.
        QRandomGenerator g(42);
        for (int k = 0; k < 300; ++k) {
            QByteArray dati = k % 2 ? esempioatteso : QByteArray();
            const int n = int(g.bounded(0, 200));
            for (int j = 0; j < n; ++j)
                dati.insert(int(g.bounded(dati.size() + 1)), char(g.bounded(256)));
            QString errore;
            const auto p = leggiarchivio(decodificaarchivio(dati), &errore);
            if (p) {
                QVERIFY(p->numerotitoli >= 0 && p->numerotitoli <= 100);
                QVERIFY(p->numerocolonne >= 0 && p->numerocolonne <= 300);
            } else {
                QVERIFY(!errore.isEmpty());
            }
        }
    }

    void semidelfuzzer_sonoarchivi()
    {
        // The fuzzer starts from real archives: each seed must read.
        const QDir semi(QStringLiteral(VELNO_SORGENTI "/fuzz/corpus/azioni"));
        const QStringList file = semi.entryList(QDir::Files);
        QVERIFY(file.size() >= 5);
        for (const QString& f : file) {
            QString errore;
            QVERIFY2(apriarchivio(semi.filePath(f), &errore), qPrintable(f + QStringLiteral(": ") + errore));
        }
    }

    void filemancante()
    {
        QTemporaryDir dir;
        QString errore;
        QVERIFY(!apriarchivio(dir.filePath(QStringLiteral("Velno-azioni-nessuno")), &errore));
        QVERIFY(!errore.isEmpty());
    }

    void salvataggiofallito_lasciailvecchio()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-vecchio"));
        scrivi(file, "vecchio contenuto");
        QString errore;
        if (!bloccato(file, true))
            QSKIP("questo filesystem non permette di bloccare un file (chattr +i)");
        const bool salvato = salvaarchivio(esempio(), file, &errore);
        bloccato(file, false);
        QVERIFY(!salvato);
        QVERIFY(!errore.isEmpty());
        QCOMPARE(leggi(file), QByteArray("vecchio contenuto"));

        // A folder that cannot be written to.
        const QString cartella = dir.filePath(QStringLiteral("solalettura"));
        QVERIFY(QDir().mkdir(cartella));
        const QString file2 = QDir(cartella).filePath(QStringLiteral("Velno-azioni-x"));
        scrivi(file2, "prima");
        if (!bloccato(cartella, true))
            QSKIP("questo filesystem non permette di bloccare una cartella (chattr +i)");
        const bool salvato2 = salvaarchivio(esempio(), file2, &errore);
        bloccato(cartella, false);
        QVERIFY(!salvato2);
        QCOMPARE(leggi(file2), QByteArray("prima"));
        QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden), QStringList{"Velno-azioni-x"});
    }
};

QTEST_GUILESS_MAIN(TestArchivio)
#include "test_archivio.moc"
