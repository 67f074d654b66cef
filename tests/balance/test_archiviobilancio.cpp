#include "balance/archiviobilancio.h"
#include "shared/campi.h"
#include "colonne.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two sales: one typed in lire, one whose sale price came back from euro as a number.
SalesBalance esempio()
{
    SalesBalance b;
    b.numerorighe = 2;
    const QStringList r1{"Fiat", "12/03/97", "300", "14500", "15/03/01", "100", "16320",
                         "1450000", "182000", "12,55", "note, \"buone\""};
    const QStringList r2{"Città", "04/01/99", "500", "11811", "20/06/01", "500", "12000",
                         "5905500", "94500", "1,6", ""};
    for (int r = 1; r <= 2; ++r) {
        const QStringList& c = r == 1 ? r1 : r2;
        QString* campi[] = {&b.nomea[r], &b.dataacquisto[r], &b.nacq[r], &b.prezzo0[r], &b.datavendita[r], &b.na[r],
                            &b.prezzo[r], &b.pagato[r], &b.realizzato[r], &b.percento[r], &b.appunti[r]};
        for (int k = 0; k < 11; ++k)
            *campi[k] = c[k];
    }
    b.prezzonumero[2] = true;
    return b;
}

const QByteArray esempioatteso =
    "2\r\n"
    "\"Fiat\",\"12/03/97\",\"300\",14500,\"15/03/01\",\"100\",\"16320\",\"1450000\",\"182000\",\"12,55\","
    "\"note, \"\"buone\"\"\"\r\n"
    "\"Citt\xE0\",\"04/01/99\",\"500\",11811,\"20/06/01\",\"500\",12000,\"5905500\",\"94500\",\"1,6\",\r\n";

void confronta(const SalesBalance& a, const SalesBalance& b)
{
    QCOMPARE(a.numerorighe, b.numerorighe);
    for (int r = 1; r <= SalesBalance::maxvendite; ++r) {
        const auto i = std::size_t(r);
        for (auto c : {&SalesBalance::nomea, &SalesBalance::dataacquisto, &SalesBalance::nacq, &SalesBalance::datavendita,
                       &SalesBalance::na, &SalesBalance::pagato, &SalesBalance::realizzato, &SalesBalance::percento})
            QCOMPARE((a.*c)[i], (b.*c)[i]);
        QCOMPARE(a.appunti[i], b.appunti[i]);
        QCOMPARE(a.prezzo0[i], b.prezzo0[i]);
        QCOMPARE(a.prezzo[i], b.prezzo[i]);
    }
}

QString casuale(QRandomGenerator& g)
{
    static const QStringList pezzi{"Fiat", ",", "\r\n", "\"", "à è é ì ò ù", "12.5", " ", "Ω", "€", "l'Espresso",
                                   "\"\"", ",,", "\t", "15/03/01"};
    if (g.bounded(3) == 0)
        return QString();
    QString t;
    const int n = int(g.bounded(1, 4));
    for (int k = 0; k < n; ++k)
        t += pezzi[int(g.bounded(pezzi.size()))];
    return t;
}

QByteArray leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QString& file, const QByteArray& dati)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

// Makes a file impossible to change, even for root.
bool bloccato(const QString& percorso, bool blocca)
{
    if (!blocca) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), percorso});
        QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    QFile::setPermissions(percorso, QFile::ReadOwner);
    QFile prova(percorso);
    if (!prova.open(QIODevice::Append))
        return true;
    prova.close();
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), percorso}) == 0;
}

} // namespace

class TestArchivioBilancio : public QObject {
    Q_OBJECT
private slots:
    void esempio_byteperbyte()
    {
        const QByteArray scritto = codificaarchivio(testobilancio(esempio()));
        QCOMPARE(scritto, esempioatteso);
        QString errore;
        const auto letto = leggibilancio(decodificaarchivio(scritto), &errore);
        QVERIFY2(letto, qPrintable(errore));
        confronta(*letto, esempio());
        // Read bare, the sale price stays a number when written again.
        QVERIFY(letto->prezzonumero[2]);
        QVERIFY(!letto->prezzonumero[1]);
        QCOMPARE(codificaarchivio(testobilancio(*letto)), esempioatteso);
    }

    void vecchiobilancio()
    {
        // As the old program may have written it: numbers without a leading zero, a purchase
        // price quoted, blanks around bare fields, a line break inside the notes.
        const QByteArray vecchio = "1 \r\n"
                                   "\"Eni\",\"04/01/99\",\"500\",\"11811\",\"20/06/01\",\"500\", .5 ,\"5905500\",,,"
                                   "\"Perch\xE9 vendere?\r\nPer comprare.\"\r\n";
        QString errore;
        const auto b = leggibilancio(decodificaarchivio(vecchio), &errore);
        QVERIFY2(b, qPrintable(errore));
        QCOMPARE(b->numerorighe, 1);
        QCOMPARE(b->prezzo0[1], QStringLiteral("11811"));
        QCOMPARE(b->prezzo[1], QStringLiteral("0.5"));
        QVERIFY(b->realizzato[1].isEmpty());
        QCOMPARE(b->appunti[1], QStringLiteral("Perché vendere?\r\nPer comprare."));
    }

    void andataeritorno()
    {
        QRandomGenerator g(20011231);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-bilancio-prova-2001"));
        for (int giro = 0; giro < 40; ++giro) {
            SalesBalance b;
            b.numerorighe = giro % 8 == 0 ? 100 : int(g.bounded(0, 101));
            for (int r = 1; r <= b.numerorighe; ++r) {
                for (auto c : {&SalesBalance::nomea, &SalesBalance::dataacquisto, &SalesBalance::nacq,
                               &SalesBalance::datavendita, &SalesBalance::na, &SalesBalance::pagato,
                               &SalesBalance::realizzato, &SalesBalance::percento})
                    (b.*c)[std::size_t(r)] = casuale(g);
                b.appunti[std::size_t(r)] = casuale(g);
                b.prezzo0[std::size_t(r)] = g.bounded(4) ? QString::number(g.bounded(1, 100000)) : QString();
                b.prezzonumero[std::size_t(r)] = g.bounded(2);
                b.prezzo[std::size_t(r)] = b.prezzonumero[std::size_t(r)] ? QStringLiteral("7.489") : casuale(g);
            }
            QString errore;
            QVERIFY2(salvabilancio(b, file, &errore), qPrintable(errore));
            const auto letto = apribilancio(file, &errore);
            QVERIFY2(letto, qPrintable(QStringLiteral("giro %1: %2").arg(giro).arg(errore)));
            confronta(*letto, b);
            if (QTest::currentTestFailed())
                return;
        }
        // Found by the fuzzer: a purchase price read as "0" and a line end, written bare, broke
        // its record; it is written as the number it is.
        const QByteArray trovato("1\ri\",\"0\n\"Eni\"&,\xbf" "00\",\"0\n\"Eni\"&,\xbf" "00\",\"501\",,$,,.5,\n");
        QString errore;
        const auto b = leggibilancio(decodificaarchivio(trovato), &errore);
        QVERIFY2(b, qPrintable(errore));
        const auto di_nuovo = leggibilancio(testobilancio(*b), &errore);
        QVERIFY2(di_nuovo, qPrintable(errore));
        QCOMPARE(di_nuovo->prezzo0[1], QStringLiteral("0"));
        QCOMPARE(di_nuovo->nomea, b->nomea);
    }

    void rifiutati_data()
    {
        colonne<QByteArray, QString>("dati", "motivo");
        QByteArray troncato = esempioatteso;
        troncato.chop(30);
        QTest::newRow("troncato") << troncato << "la riga 3 non ha la forma attesa";
        QTest::newRow("manca una vendita") << esempioatteso.left(esempioatteso.indexOf("\"Citt"))
                                           << "il file finisce prima del previsto";
        QTest::newRow("troppe vendite") << QByteArray("101\r\n") << "il numero di vendite (101) non è tra 0 e 100";
        QTest::newRow("vendite negative") << QByteArray("-1\r\n") << "il numero di vendite (-1) non è tra 0 e 100";
        QTest::newRow("un archivio di azioni")
            << QByteArray("2,\"comprare\",3\r\n") << "la riga 1 non ha la forma attesa";
        QTest::newRow("non un bilancio") << QByteArray("Caro amico,\r\n") << "la riga 1 non ha la forma attesa";
        QTest::newRow("binario") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "contiene dati che non sono testo";
        QTest::newRow("riga in più") << QByteArray(esempioatteso + "\"altro\"\r\n")
                                     << "dopo l'ultima vendita vi sono altri dati";
        QByteArray corto = esempioatteso;
        corto.replace(",\"12,55\",", "\r\n");
        QTest::newRow("dieci campi") << corto << "la riga 2 non ha la forma attesa";
        QTest::newRow("vuoto") << QByteArray() << "il file finisce prima del previsto";
        // Lines of the file, not records: a note of three lines comes before the broken row.
        QTest::newRow("dopo appunti su tre righe")
            << QByteArray("2\r\n\"Fiat\",\"\",\"\",1,\"\",\"\",\"\",\"\",\"\",\"\",\"una\r\ndue\r\ntre\"\r\n\"Eni\"\r\n")
            << "la riga 5 non ha la forma attesa";
    }
    void rifiutati()
    {
        QFETCH(QByteArray, dati);
        QFETCH(QString, motivo);
        QString errore;
        QVERIFY(!leggibilancio(decodificaarchivio(dati), &errore));
        QCOMPARE(errore, motivo);
    }

    void semidelfuzzer_sonobilanci()
    {
        const QDir semi(QStringLiteral(VELNO_SORGENTI "/fuzz/corpus/bilancio"));
        const QStringList file = semi.entryList(QDir::Files);
        QVERIFY(file.size() >= 3);
        for (const QString& f : file) {
            QString errore;
            QVERIFY2(apribilancio(semi.filePath(f), &errore), qPrintable(f + QStringLiteral(": ") + errore));
        }
    }

    void salvataggiofallito_lasciailvecchio()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-bilancio-vecchio-2000"));
        scrivi(file, "vecchio contenuto");
        QVERIFY(bloccato(file, true));
        QString errore;
        const bool salvato = salvabilancio(esempio(), file, &errore);
        bloccato(file, false);
        QVERIFY(!salvato);
        QVERIFY(!errore.isEmpty());
        QCOMPARE(leggi(file), QByteArray("vecchio contenuto"));
        QVERIFY(!apribilancio(dir.filePath(QStringLiteral("Velno-bilancio-nessuno")), &errore));
        QVERIFY(!errore.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestArchivioBilancio)
#include "test_archiviobilancio.moc"
