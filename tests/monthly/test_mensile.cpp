#include "balance/frmbilancio.h"
#include "balance/vendite.h"
#include "didascalie.h"
#include "ambiente.h"
#include "doppi.h"
#include "monthly/frmmensile.h"
#include "monthly/mesi.h"
#include "monthly/stampamensile.h"
#include "shared/documentotesto.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "celle.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextTable>

namespace {

// Sales typed straight into the balance: month, purchase price, shares, sale price.
SalesBalance vendite(const QList<QStringList>& righe)
{
    SalesBalance b;
    int r = 0;
    for (const QStringList& c : righe) {
        ++r;
        b.nomea[r] = QStringLiteral("titolo %1").arg(r);
        b.datavendita[r] = QStringLiteral("15/%1/01").arg(c[0]);
        b.prezzo0[r] = c[1];
        b.na[r] = c[2];
        b.prezzo[r] = c[3];
        calcolariga(b, r);
    }
    b.numerorighe = r;
    return b;
}

struct Ambiente : AmbienteFinestre {
    QTemporaryDir dir;
    Ambiente()
    {
        modulo.cartella = dir.path();
        Portfolio& p = modulo.azioni.dati();
        p.nomititoli[1] = QStringLiteral("Fiat");
        p.quantitatitoli[1] = QStringLiteral("1000");
        p.prezzititoli[1] = QStringLiteral("10000");
        p.dateacquisto[1] = QStringLiteral("12/03/94");
        p.numerotitoli = 1;
    }
    bilancio& b()
    {
        bilancio& w = finestre.finestra<bilancio>();
        if (!w.isVisible())
            w.show();
        return w;
    }
    mensile& m() { return finestre.finestra<mensile>(); }
};

void vendi(bilancio& w, int i, const QString& data, const QString& vendute, const QString& prezzo)
{
    trova<QComboBox>(w, "nomea", i)->setCurrentIndex(0);
    emit trova<QComboBox>(w, "nomea", i)->activated(0);
    trova<QLineEdit>(w, "datavendita", i)->setText(data);
    trova<QLineEdit>(w, "na", i)->setText(vendute);
    trova<QLineEdit>(w, "prezzo", i)->setText(prezzo);
}

} // namespace

class TestMensile : public QObject {
    Q_OBJECT
private slots:
    void unmesesolo()
    {
        const SalesBalance b = vendite({{"03", "1000", "10", "1200"}, {"03", "2000", "5", "1900"}});
        const TabellaMensile t = tabellamensile(sommemensili(b), 1.0, false);
        for (int m = 1; m <= 12; ++m) {
            const RigaMensile& r = t.mesi[std::size_t(m)];
            if (m == 3) {
                QCOMPARE(r.pagato, QStringLiteral("20.000"));
                QCOMPARE(r.realizzato, QStringLiteral("1.500"));
                QCOMPARE(r.percento, QStringLiteral("7,5"));
            } else {
                QVERIFY2(r.pagato.isEmpty() && r.realizzato.isEmpty() && r.percento.isEmpty(), qPrintable(QString::number(m)));
            }
        }
        QCOMPARE(t.totpagato, QStringLiteral("20.000"));
        QCOMPARE(t.mediapercento, QStringLiteral("7,5"));
    }

    void mesi_gratisepareggio()
    {
        const SalesBalance b = vendite({{"02", "0", "50", "2000"},        // received free
                                        {"05", "1000", "10", "1000"},     // sold at cost
                                        {"07", "1000", "10", ""},         // sale price not typed yet
                                        {"13", "1000", "10", "5000"}});   // no month at all
        const SommeMensili s = sommemensili(b);
        const TabellaMensile t = tabellamensile(s, 1.0, false);
        QCOMPARE(t.mesi[2].percento, QStringLiteral("gratis"));
        QVERIFY(t.mesi[2].pagato.isEmpty());
        QCOMPARE(t.mesi[2].realizzato, QStringLiteral("100.000"));
        QCOMPARE(t.mesi[5].pagato, QStringLiteral("10.000"));
        QVERIFY(t.mesi[5].realizzato.isEmpty() && t.mesi[5].percento.isEmpty());
        QCOMPARE(s.guadagno[7], 0.0);   // not a loss of the whole cost
        QCOMPARE(t.totpagato, QStringLiteral("20.000"));
        QCOMPARE(t.totguadagno, QStringLiteral("100.000"));
        QCOMPARE(t.mediapercento, QStringLiteral("500"));
    }

    void pannello_totalicorrenti()
    {
        ModuloVelno m;
        m.totalepagato[1] = QStringLiteral("1000000");    // 1995
        m.totaleguadagno[1] = QStringLiteral("100000");
        m.mediepercento[1] = QStringLiteral("10");
        m.totalepagato[2] = QStringLiteral("0");          // 1996: nothing sold
        m.mediepercento[2] = QStringLiteral("0");
        m.totalepagato[13] = QStringLiteral("3000000");   // 2007, beyond the first twelve lines
        m.totaleguadagno[13] = QStringLiteral("-600000");
        PannelloAnni p = pannelloanni(m, 1, 1.0, false);
        QCOMPARE(p.righe[1].ann, QStringLiteral("1995"));
        QCOMPARE(p.righe[1].pagatanno, QStringLiteral("1.000.000"));
        QCOMPARE(p.righe[1].percentanno, QStringLiteral("10"));
        QVERIFY(p.righe[2].pagatanno.isEmpty());
        QVERIFY(p.righe[2].percentanno.isEmpty());   // a "0" is shown empty
        QCOMPARE(p.righe[12].ann, QStringLiteral("2006"));
        QCOMPARE(p.totpagatanno, QStringLiteral("1.000.000"));
        QCOMPARE(p.annipercento, QStringLiteral("10"));
        p = pannelloanni(m, 2, 1.0, false);   // 1996 .. 2007: the totals still start at 1995
        QCOMPARE(p.righe[12].ann, QStringLiteral("2007"));
        QCOMPARE(p.totpagatanno, QStringLiteral("4.000.000"));
        QCOMPARE(p.totguadagnanno, QStringLiteral("-500.000"));
        QCOMPARE(p.annipercento, QStringLiteral("-12,5"));
        p = pannelloanni(m, 39, 1.0, false);
        QCOMPARE(p.righe[12].ann, QStringLiteral("2044"));
        // Nothing paid in any year: no percentage, and no division by zero.
        QCOMPARE(pannelloanni(ModuloVelno(), 1, 1.0, false).annipercento, QString());
    }

    void treannidalbilancio()
    {
        // Three balances typed one after the other, each saved under a name ending in its year,
        // which writes that year's totals file.
        Ambiente e;
        bilancio& w = e.b();
        int anno = 1995;
        for (const char* prezzo : {"12000", "9000", "11000"}) {
            if (anno > 1995)
                w.cancelladati_Click();
            vendi(w, 1, QStringLiteral("10/05/%1").arg(anno % 100), QString::number(100 * (anno - 1994)),
                  QString::fromLatin1(prezzo));
            e.dialoghi.prossimofile = e.dir.filePath(QStringLiteral("Velno-bilancio-casa-%1").arg(anno));
            w.salvanome_Click();
            ++anno;
        }
        QCOMPARE(e.messaggi.registrati.size(), 0);
        // Clearing forgot the earlier years: they come back from their files only.
        QVERIFY(e.modulo.totalepagato[1].isEmpty());
        w.mens_Click();
        mensile& m = e.m();
        QVERIFY(m.isVisible());
        QCOMPARE(trova<QLabel>(m, "ann", 1)->text(), QStringLiteral("1995"));
        QCOMPARE(trova<QLabel>(m, "pagatanno", 1)->text(), QStringLiteral("1.000.000"));
        QCOMPARE(trova<QLabel>(m, "guadagnanno", 1)->text(), QStringLiteral("200.000"));
        QCOMPARE(trova<QLabel>(m, "percentanno", 1)->text(), QStringLiteral("20"));
        QCOMPARE(trova<QLabel>(m, "pagatanno", 2)->text(), QStringLiteral("2.000.000"));
        QCOMPARE(trova<QLabel>(m, "guadagnanno", 2)->text(), QStringLiteral("-200.000"));
        QCOMPARE(trova<QLabel>(m, "percentanno", 2)->text(), QStringLiteral("-10"));
        QCOMPARE(trova<QLabel>(m, "pagatanno", 3)->text(), QStringLiteral("3.000.000"));
        QCOMPARE(trova<QLabel>(m, "guadagnanno", 3)->text(), QStringLiteral("300.000"));
        QVERIFY(trova<QLabel>(m, "pagatanno", 4)->text().isEmpty());
        QCOMPARE(trova<QLabel>(m, "totpagatanno")->text(), QStringLiteral("6.000.000"));
        QCOMPARE(trova<QLabel>(m, "totguadagnanno")->text(), QStringLiteral("300.000"));
        QCOMPARE(trova<QLabel>(m, "annipercento")->text(), QStringLiteral("5"));
        // The month of the balance year.
        QCOMPARE(trova<QLabel>(m, "pagato", 5)->text(), QStringLiteral("3.000.000"));
        QCOMPARE(trova<QLabel>(m, "anno")->text(), QStringLiteral("anno 1997"));
        QCOMPARE(trova<QLabel>(m, "valori")->text(), QStringLiteral("valori in lire"));
    }

    void nomesenzaanno_nessunannoletto()
    {
        Ambiente e;
        QVERIFY(ModuloVelno::scrivitotali(1996, QStringLiteral("500"), QStringLiteral("50"), QStringLiteral("10"),
                                          e.dir.path()));
        bilancio& w = e.b();
        vendi(w, 1, QStringLiteral("10/05/97"), QStringLiteral("300"), QStringLiteral("11000"));
        e.dialoghi.prossimofile = e.dir.filePath(QStringLiteral("Velno-bilancio-casa"));
        w.salva_Click();
        w.mens_Click();
        mensile& m = e.m();
        QVERIFY(trova<QLabel>(m, "pagatanno", 2)->text().isEmpty());   // 1996's file is not read
        QCOMPARE(trova<QLabel>(m, "pagatanno", 3)->text(), QStringLiteral("3.000.000"));   // 1997 is in memory
    }

    void valutapropria()
    {
        // The balance switched to euro behind it: the monthly window still shows its lire.
        Ambiente e;
        QVERIFY(ModuloVelno::scrivitotali(1996, QStringLiteral("14350000"), QStringLiteral("912500"), QStringLiteral("6,36"),
                                          e.dir.path()));
        bilancio& w = e.b();
        vendi(w, 1, QStringLiteral("10/05/97"), QStringLiteral("300"), QStringLiteral("11000"));
        e.dialoghi.prossimofile = e.dir.filePath(QStringLiteral("Velno-bilancio-casa-1997"));
        w.salva_Click();
        w.mens_Click();
        mensile& m = e.m();
        m.lira_Click();
        w.cmdeuro_Click();
        trova<QScrollBar>(m, "VScroll1")->setValue(2);
        QCOMPARE(trova<QLabel>(m, "ann", 1)->text(), QStringLiteral("1996"));
        QCOMPARE(trova<QLabel>(m, "pagatanno", 1)->text(), QStringLiteral("14.350.000"));
        QCOMPARE(trova<QLabel>(m, "guadagnanno", 1)->text(), QStringLiteral("912.500"));
        QCOMPARE(trova<QLabel>(m, "valori")->text(), QStringLiteral("valori in lire"));
    }

    void euroelire()
    {
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, QStringLiteral("10/05/97"), QStringLiteral("100"), QStringLiteral("29362.7"));
        w.cmdeuro_Click();
        w.mens_Click();   // the balance goes back to lire first
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        mensile& m = e.m();
        QVERIFY(!trova<QPushButton>(m, "lira")->isEnabled());
        m.cmdeuro_Click();
        QCOMPARE(trova<QLabel>(m, "valori")->text(), QStringLiteral("valori in euro"));
        QVERIFY(trova<QPushButton>(m, "lira")->isEnabled() && !trova<QPushButton>(m, "cmdeuro")->isEnabled());
        // Through euro and back the balance holds its lire as typed, 1.000.000 paid and 1.936.270
        // gained (its unsaved year shown from memory): the monthly window divides them by 1936.27.
        QCOMPARE(trova<QLabel>(m, "pagato", 5)->text(), QStringLiteral("516,46"));
        QCOMPARE(trova<QLabel>(m, "realizzato", 5)->text(), QStringLiteral("1.000,00"));
        QCOMPARE(trova<QLabel>(m, "totpagato")->text(), QStringLiteral("516,46"));
        QCOMPARE(trova<QLabel>(m, "pagatanno", 3)->text(), QStringLiteral("516,46"));
        QCOMPARE(trova<QLabel>(m, "totpagatanno")->text(), QStringLiteral("516,46"));
        QCOMPARE(trova<QLabel>(m, "percento", 5)->text(), trova<QLabel>(m, "percentanno", 3)->text());
        m.lira_Click();
        QCOMPARE(trova<QLabel>(m, "pagato", 5)->text(), QStringLiteral("1.000.000"));
        QCOMPARE(trova<QLabel>(m, "realizzato", 5)->text(), QStringLiteral("1.936.270"));
        QCOMPARE(trova<QLabel>(m, "totpagatanno")->text(), QStringLiteral("1.000.000"));
    }

    // On screen, the monthly window follows the sales typed in the balance, in its own
    // currency; it keeps what it shows while the balance is in euro.
    void segueilbilancio()
    {
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, QStringLiteral("10/05/97"), QStringLiteral("100"), QStringLiteral("20000"));
        w.mens_Click();
        mensile& m = e.m();
        QCOMPARE(trova<QLabel>(m, "pagato", 5)->text(), QStringLiteral("1.000.000"));
        trova<QLineEdit>(w, "prezzo", 1)->setText(QStringLiteral("30000"));
        QCOMPARE(trova<QLabel>(m, "realizzato", 5)->text(), QStringLiteral("2.000.000"));
        m.cmdeuro_Click();
        vendi(w, 2, QStringLiteral("10/06/97"), QStringLiteral("10"), QStringLiteral("20000"));
        QCOMPARE(trova<QLabel>(m, "pagato", 6)->text(), QStringLiteral("51,65"));
        QCOMPARE(trova<QLabel>(m, "anno")->text(), QStringLiteral("anno 1997"));
        w.cmdeuro_Click();
        QCOMPARE(trova<QLabel>(m, "pagato", 6)->text(), QStringLiteral("51,65"));
        w.cmdlira_Click();
        QCOMPARE(trova<QLabel>(m, "pagato", 6)->text(), QStringLiteral("51,65"));
        QCOMPARE(trova<QLabel>(m, "valori")->text(), QStringLiteral("valori in euro"));
    }

    void finestra()
    {
        Ambiente e;
        mensile& m = e.m();
        QCOMPARE(m.findChildren<QLineEdit*>().size(), 0);   // read-only
        m.show();
        QVERIFY2(didascalietroncate(&m).isEmpty(), qPrintable(didascalietroncate(&m).join(u';')));
        m.annuale_Click();
        QVERIFY(e.finestre.caricata<bilancio>() && e.finestre.finestra<bilancio>().isVisible());
    }

    void stampa()
    {
        ModuloVelno m;
        m.totalepagato[1] = QStringLiteral("1000000");
        m.totaleguadagno[1] = QStringLiteral("100000");
        m.mediepercento[1] = QStringLiteral("10");
        m.totalepagato[50] = QStringLiteral("2000000");   // 2044
        m.totaleguadagno[50] = QStringLiteral("-100000");
        m.mediepercento[50] = QStringLiteral("-5");
        const SalesBalance b = vendite({{"03", "1000", "10", "1200"}, {"11", "0", "5", "1000"}});
        StampaMensile s;
        s.nomeprogramma = QStringLiteral("Velno");
        s.descrizione = QStringLiteral("programma per la gestione dei titoli di velno");
        s.anno = QStringLiteral("anno 2001");
        s.valori = QStringLiteral("valori in lire");
        for (int k = 1; k <= 12; ++k)
            s.nomimesi[std::size_t(k)] = QStringLiteral("mese %1").arg(k);

        DocumentoTesto d;
        stampamensile(d, sommemensili(b), m, s, 1.0);
        QVERIFY(d.documento()->toPlainText().contains(QStringLiteral("Bilancio mensile (anno 2001 - valori in lire)")));
        QVERIFY(d.documento()->toPlainText().contains(QStringLiteral("Bilancio pluriennale")));
        QCOMPARE(d.tabelle(), 2);
        QTextTable* t1 = d.tabella(1);
        QCOMPARE(t1->rows(), 14);
        QCOMPARE(cella(t1, 1, 1), QStringLiteral("mese"));
        QCOMPARE(cella(t1, 4, 1), QStringLiteral("mese 3"));
        QCOMPARE(cella(t1, 4, 2), QStringLiteral("10.000"));
        QCOMPARE(cella(t1, 4, 4), QStringLiteral("20,00"));
        QCOMPARE(cella(t1, 12, 4), QStringLiteral("gratis"));
        QCOMPARE(cella(t1, 5, 2), QString());
        QCOMPARE(cella(t1, 14, 1), QStringLiteral("totali"));
        QCOMPARE(cella(t1, 14, 3), QStringLiteral("7.000"));
        QTextTable* t2 = d.tabella(2);
        QCOMPARE(t2->rows(), 52);   // heading, 1995 .. 2044 once each, totals
        for (int j = 1; j <= 50; ++j)
            QCOMPARE(cella(t2, j + 1, 1), QString::number(1994 + j));
        QCOMPARE(cella(t2, 2, 2), QStringLiteral("1.000.000"));
        QCOMPARE(cella(t2, 2, 4), QStringLiteral("10,00"));
        QCOMPARE(cella(t2, 51, 3), QStringLiteral("-100.000"));
        QCOMPARE(cella(t2, 52, 2), QStringLiteral("3.000.000"));
        QCOMPARE(cella(t2, 52, 3), QStringLiteral("0"));

        DocumentoTesto euro;
        s.valori = QStringLiteral("valori in euro");
        stampamensile(euro, sommemensili(b), m, s, double(cambiosingolo));
        QCOMPARE(cella(euro.tabella(1), 4, 2), QStringLiteral("5,16"));
        QCOMPARE(cella(euro.tabella(2), 2, 2), QStringLiteral("516,46"));
        QCOMPARE(cella(euro.tabella(2), 2, 4), QStringLiteral("10,00"));
    }

    void stampa_totalimaisoli()
    {
        // Fifty years of figures put 1995..2044 on two pages and the years' "totali" alone on
        // a third: printed, the last year goes with it.
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ModuloVelno m;
        for (int j = 1; j <= 50; ++j) {
            m.totalepagato[std::size_t(j)] = QStringLiteral("1000000");
            m.totaleguadagno[std::size_t(j)] = QStringLiteral("1000");
            m.mediepercento[std::size_t(j)] = QStringLiteral("0,1");
        }
        StampaMensile s;
        s.nomeprogramma = QStringLiteral("Velno");
        s.descrizione = QStringLiteral("programma per la gestione dei titoli di velno");
        s.anno = QStringLiteral("anno 2001");
        s.valori = QStringLiteral("valori in lire");
        DocumentoTesto d;
        stampamensile(d, SommeMensili(), m, s, 1.0);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("mensile.pdf"));
        QString errore;
        QVERIFY2(salvapdf(d.documento(), pdf, &errore), qPrintable(errore));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split(QChar(12), Qt::SkipEmptyParts);
        QVERIFY(pagine.size() >= 2);
        const QString& ultima = pagine.last().trimmed().isEmpty() ? pagine[pagine.size() - 2] : pagine.last();
        QVERIFY2(ultima.contains(QStringLiteral("totali")) && ultima.contains(QStringLiteral("2044")), qPrintable(ultima));
    }
};

QTEST_MAIN(TestMensile)
#include "test_mensile.moc"
