// The examples Velno ships: copied into the user's folder on the first start, readable by the
// program as it writes its own files, consistent with its rules, and showing something in
// every window.
#include "balance/archiviobilancio.h"
#include "balance/frmbilancio.h"
#include "balance/vendite.h"
#include "doppi.h"
#include "monthly/frmmensile.h"
#include "monthly/mesi.h"
#include "portfolio/archivio.h"
#include "portfolio/controllo.h"
#include "portfolio/frmazioni.h"
#include "ranking/graduatoria.h"
#include "shared/campi.h"
#include "shared/cartelle.h"
#include "shared/date.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"
#include "shell/filedistribuiti.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "ambiente.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString esempi = QStringLiteral(VELNO_SORGENTI "/data/esempi");
const QString azioni = QStringLiteral("Velno-azioni-esempio");
const QString bilancioesempio = QStringLiteral("Velno-bilancio-esempio-1999");
const QString titolo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");

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

Portfolio portafoglio()
{
    QString errore;
    const auto p = apriarchivio(QDir(esempi).filePath(azioni), &errore);
    return p ? *p : Portfolio();
}

} // namespace

class TestEsempi : public QObject {
    Q_OBJECT

private slots:
    // The first start copies the shipped examples; later starts, and files of the same name
    // already in the user's folder, are left alone.
    void primoavvio()
    {
        QTemporaryDir d;
        const QDir radice(d.path());
        radice.mkpath(QStringLiteral("data/esempi/sottocartella"));
        const QDir spediti(radice.filePath(QStringLiteral("data/esempi")));
        scrivi(spediti.filePath(azioni), "spedito");
        scrivi(spediti.filePath(bilancioesempio), "spedito");
        scrivi(spediti.filePath(QStringLiteral("Velno-totali- 1998")), "spedito");
        QFile::setPermissions(spediti.filePath(azioni), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        impostacartelledistribuite({radice.filePath(QStringLiteral("data"))});
        const QString cartella = radice.filePath(QStringLiteral("Documenti/Velno"));
        const QString segno = radice.filePath(QStringLiteral("dati/Velno/esempi-copiati"));
        QVERIFY(preparacartella(cartella, nullptr));
        // The user already keeps a balance of that name.
        scrivi(QDir(cartella).filePath(bilancioesempio), "dell'utente");

        QCOMPARE(copiaesempi(cartelladistribuita(QStringLiteral("esempi")), cartella, segno),
                 (QStringList{azioni, QStringLiteral("Velno-totali- 1998")}));
        QCOMPARE(leggi(QDir(cartella).filePath(azioni)), QByteArray("spedito"));
        QCOMPARE(leggi(QDir(cartella).filePath(bilancioesempio)), QByteArray("dell'utente"));
        QVERIFY(!QFileInfo::exists(QDir(cartella).filePath(QStringLiteral("sottocartella"))));
        // The copy is the user's to save over, even when the shipped file is read-only.
        QVERIFY(QFileInfo(QDir(cartella).filePath(azioni)).isWritable());

        // An example deleted by the user does not come back at the next start.
        QVERIFY(QFile::remove(QDir(cartella).filePath(azioni)));
        QVERIFY(copiaesempi(cartelladistribuita(QStringLiteral("esempi")), cartella, segno).isEmpty());
        QVERIFY(!QFileInfo::exists(QDir(cartella).filePath(azioni)));
        impostacartelledistribuite({});
    }

    // A start that found no examples, or could not copy them, tries again the next time.
    void primoavvio_incompiuto()
    {
        QTemporaryDir d;
        const QDir radice(d.path());
        const QString segno = radice.filePath(QStringLiteral("segno"));
        QVERIFY(copiaesempi(QString(), d.path(), segno).isEmpty());
        QVERIFY(copiaesempi(radice.filePath(QStringLiteral("nessuna")), d.path(), segno).isEmpty());
        QVERIFY(!QFileInfo::exists(segno));

        radice.mkpath(QStringLiteral("esempi"));
        scrivi(radice.filePath(QStringLiteral("esempi/") + azioni), "spedito");
        // The user's folder cannot be written (root writes anywhere: a file stands in the way).
        const QString bloccata = radice.filePath(QStringLiteral("bloccata"));
        scrivi(bloccata, "un file, non una cartella");
        QVERIFY(copiaesempi(radice.filePath(QStringLiteral("esempi")), bloccata, segno).isEmpty());
        QVERIFY(!QFileInfo::exists(segno));
        radice.mkpath(QStringLiteral("buona"));
        QCOMPARE(copiaesempi(radice.filePath(QStringLiteral("esempi")), radice.filePath(QStringLiteral("buona")), segno),
                 QStringList{azioni});
        QVERIFY(QFileInfo::exists(segno));
    }

    // The example portfolio is byte for byte what Velno writes, passes the data check (which
    // saving and printing need) and has the shape the windows need to show something.
    void portafoglio_esempio()
    {
        const QByteArray dati = leggi(QDir(esempi).filePath(azioni));
        QString errore;
        auto letto = leggiarchivio(decodificaarchivio(dati), &errore);
        QVERIFY2(letto, qPrintable(errore));
        Portfolio& p = *letto;
        QCOMPARE(codificaarchivio(testoarchivio(p)), dati);
        QVERIFY(!dati.startsWith("\xEF\xBB\xBF"));   // Windows-1252, as old programs read it

        const EsitoControllo e = controlloinput(p, p.numerocolonne, titolo);
        QVERIFY2(e.superato, e.messaggio ? qPrintable(e.messaggio->testo) : "");
        QVERIFY(p.numerotitoli >= 12 && p.numerotitoli <= 20);
        QVERIFY(p.numerocolonne >= 24 && p.numerocolonne <= 36);

        // Lire up to 31/12/98, euro from the first day of the euro: the ranking converts there
        // and a holding moves by a plausible step, not by the rate.
        int ultimalira = 0;
        for (int c = 1; c <= p.numerocolonne; ++c)
            if (*convertidata(p.datequotazioni[c]) <= QDate(1998, 12, 31))
                ultimalira = c;
        QCOMPARE(p.datequotazioni[ultimalira], QStringLiteral("31/12/98"));
        QCOMPARE(p.datequotazioni[ultimalira + 1], QStringLiteral("04/01/99"));
        const float cambio = cambioconsecutivo(p, ultimalira + 1);
        int euro = 0;
        for (int i = 1; i <= p.numerotitoli; ++i) {
            if (p.quotazioni(ultimalira, i).isEmpty())
                continue;
            const double x = incremento(p, i, ultimalira, ultimalira + 1, cambio);
            QVERIFY2(x > -8 && x < 8, qPrintable(p.nomititoli[i] + QStringLiteral(": ") + QString::number(x)));
            QVERIFY(valore(p.quotazioni(ultimalira + 1, i)) < valore(p.quotazioni(ultimalira, i)) / 100);
            ++euro;
        }
        QVERIFY(euro >= 8);

        // The ranking as it opens (the last column against the one before) and over the year of
        // the euro, from the lire of 31/12/98: gains and losses both.
        for (const auto& [iniziale, finale] :
             {std::pair{p.numerocolonne - 1, p.numerocolonne}, std::pair{ultimalira, p.numerocolonne}}) {
            const float f = calcolacambio(p, iniziale, finale);
            int su = 0, giu = 0;
            for (int i = 1; i <= p.numerotitoli; ++i) {
                const double x = incremento(p, i, iniziale, finale, f);
                su += x > 0;
                giu += x < 0;
            }
            QVERIFY2(su >= 2 && giu >= 2, qPrintable(QStringLiteral("%1 su, %2 giù").arg(su).arg(giu)));
        }

        int bought1999 = 0, note = 0, dividendi = 0;
        for (int i = 1; i <= p.numerotitoli; ++i) {
            bought1999 += convertidata(p.dateacquisto[i])->year() == 1999;
            note += !p.notetitoli[i].isEmpty();
            if (!p.dividendi[i].isEmpty()) {
                QVERIFY(convertidata(p.datestacco[i]));
                ++dividendi;
            }
        }
        QVERIFY(bought1999 >= 2 && note >= 6 && dividendi >= 4);
        for (const QString& n : p.notepiano)
            QVERIFY(!n.isEmpty());
    }

    // Every sale of the example balance is what the balance window makes of it: the holding's
    // data copied when it is chosen, the sale typed, the figures computed; the file is what
    // the window saves.
    void bilancio_esempio()
    {
        const QByteArray dati = leggi(QDir(esempi).filePath(bilancioesempio));
        QString errore;
        const auto letto = leggibilancio(decodificaarchivio(dati), &errore);
        QVERIFY2(letto, qPrintable(errore));
        const SalesBalance& b = *letto;
        QCOMPARE(codificaarchivio(testobilancio(b)), dati);
        const Portfolio p = portafoglio();

        SalesBalance rifatto;
        int guadagni = 0, perdite = 0, gratis = 0, dalportafoglio = 0;
        QSet<int> mesi;
        for (int r = 1; r <= b.numerorighe; ++r) {
            const auto k = std::size_t(r);
            int indice = 0;
            for (int i = 1; i <= p.numerotitoli; ++i)
                if (p.nomititoli[i] == b.nomea[k])
                    indice = i;
            if (indice > 0) {
                QVERIFY(!sceglititolo(rifatto, p, r, indice, b.nomea[k], titolo));
                ++dalportafoglio;
            } else {
                // Shares received free and all sold: no longer among the holdings.
                rifatto.nomea[k] = b.nomea[k];
                rifatto.dataacquisto[k] = b.dataacquisto[k];
                rifatto.nacq[k] = b.nacq[k];
                rifatto.prezzo0[k] = b.prezzo0[k];
                rifatto.appunti[k] = b.appunti[k];
                rifatto.numerorighe = contarighe(rifatto);
                QCOMPARE(valore(b.prezzo0[k]), 0.0);
            }
            rifatto.datavendita[k] = b.datavendita[k];
            rifatto.prezzo[k] = b.prezzo[k];
            const EsitoVendita e = immettivendute(rifatto, r, std::min(r, 10), b.na[k], b.nomea[k],
                                                  r > 1 ? b.datavendita[k - 1] : QString(), titolo);
            QVERIFY2(!e.messaggio, e.messaggio ? qPrintable(b.nomea[k] + u' ' + e.messaggio->testo) : "");
            QCOMPARE(e.anno, std::optional<int>(1999));
            for (auto c : {&SalesBalance::nomea, &SalesBalance::dataacquisto, &SalesBalance::nacq, &SalesBalance::prezzo0,
                           &SalesBalance::pagato, &SalesBalance::realizzato, &SalesBalance::percento})
                QCOMPARE((rifatto.*c)[k], (b.*c)[k]);
            QCOMPARE(rifatto.appunti[k], b.appunti[k]);
            const double g = valore(b.realizzato[k]);
            guadagni += g > 0 && valore(b.pagato[k]) > 0;
            perdite += g < 0;
            gratis += valore(b.pagato[k]) == 0 && g > 0;
            mesi.insert(int(valore(b.datavendita[k].mid(3, 2))));
        }
        QCOMPARE(rifatto.numerorighe, b.numerorighe);
        QVERIFY(dalportafoglio >= b.numerorighe - 1);
        QVERIFY(guadagni >= 3 && perdite >= 1 && gratis == 1);
        QVERIFY(mesi.size() >= 6);
        // A euro price of a holding bought in 1999 is in the balance in whole lire.
        bool inlire = false;
        for (int r = 1; r <= b.numerorighe; ++r)
            inlire |= convertidata(b.dataacquisto[std::size_t(r)])->year() == 1999;
        QVERIFY(inlire);
    }

    // The totals files of earlier years are what the balance writes, and their percentage is
    // the one the balance computes from the two amounts.
    void totali_esempio_data()
    {
        QTest::addColumn<int>("anno");
        QTest::newRow("1996") << 1996;
        QTest::newRow("1997") << 1997;
        QTest::newRow("1998") << 1998;
    }
    void totali_esempio()
    {
        QFETCH(int, anno);
        ModuloVelno m;
        QVERIFY(m.leggitotali(anno, esempi));
        const auto k = std::size_t(anno - ModuloVelno::primoanno);
        const double pagato = valore(m.totalepagato[k]), guadagno = valore(m.totaleguadagno[k]);
        QVERIFY(pagato > 1e6 && guadagno != 0);
        QCOMPARE(m.mediepercento[k], percentuale(pagato, guadagno));
        QTemporaryDir d;
        QVERIFY(ModuloVelno::scrivitotali(anno, m.totalepagato[k], m.totaleguadagno[k], m.mediepercento[k], d.path()));
        QCOMPARE(leggi(QDir(esempi).filePath(ModuloVelno::nometotali(anno))),
                 leggi(QDir(d.path()).filePath(ModuloVelno::nometotali(anno))));
    }

    // A newcomer's first minutes: the examples in the Velno folder open in the Azioni and the
    // balance windows, and the monthly window shows several months and the years 1996-1999.
    void primiminuti()
    {
        QTemporaryDir d;
        const QString cartella = QDir(d.path()).filePath(QStringLiteral("Velno"));
        QVERIFY(preparacartella(cartella, nullptr));
        QCOMPARE(copiaesempi(esempi, cartella, QDir(d.path()).filePath(QStringLiteral("segno"))).size(), 5);

        AmbienteFinestre e;
        e.modulo.cartella = cartella;
        frmAzioni& a = e.a();
        e.dialoghi.prossimofile = QDir(cartella).filePath(azioni);
        a.apri_Click();
        QVERIFY(e.messaggi.registrati.isEmpty());
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), portafoglio().nomititoli[1]);

        bilancio& b = e.finestre.finestra<bilancio>();
        b.show();
        e.dialoghi.prossimofile = QDir(cartella).filePath(bilancioesempio);
        b.apri_Click();
        QCOMPARE(trova<QLabel>(b, "anno")->text(), QStringLiteral("anno 1999"));
        b.mens_Click();
        QVERIFY2(e.messaggi.registrati.isEmpty(), e.messaggi.registrati.isEmpty() ? "" : qPrintable(e.messaggi.registrati[0].testo));
        mensile& m = e.finestre.finestra<mensile>();
        int mesi = 0;
        for (int k = 1; k <= 12; ++k)
            mesi += !trova<QLabel>(m, "realizzato", k)->text().isEmpty();
        QVERIFY(mesi >= 6);
        QCOMPARE(trova<QLabel>(m, "percento", 7)->text(), QStringLiteral("gratis"));   // only the free shares sold in July
        QCOMPARE(trova<QLabel>(m, "ann", 1)->text(), QStringLiteral("1995"));
        QVERIFY(trova<QLabel>(m, "pagatanno", 1)->text().isEmpty());
        for (int k = 2; k <= 5; ++k)
            QVERIFY2(!trova<QLabel>(m, "pagatanno", k)->text().isEmpty(), qPrintable(trova<QLabel>(m, "ann", k)->text()));
        // 1999 comes from the balance in memory: opening it wrote no totals file.
        QVERIFY(!QFileInfo::exists(QDir(cartella).filePath(ModuloVelno::nometotali(1999))));
    }
};

QTEST_MAIN(TestEsempi)
#include "test_esempi.moc"
