#include "balance/archiviobilancio.h"
#include "balance/frmbilancio.h"
#include "didascalie.h"
#include "ambiente.h"
#include "doppi.h"
#include "monthly/frmmensile.h"
#include "portfolio/frmazioni.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shared/scritturasicura.h"
#include "shell/finestre.h"
#include "shell/immagini.h"
#include "controlli.h"
#include "colonne.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {
const QString titolocontrollo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");

struct Ambiente : AmbienteFinestre {
    QTemporaryDir dir;
    Ambiente()
    {
        modulo.cartella = dir.path();
        Portfolio& p = modulo.azioni.dati();
        const char* titoli[][4] = {{"Fiat", "300", "14500", "12/03/97"},
                                   {"Eni", "500", "6.10", "04/01/99"},
                                   {"Generali Ass.", "120", "38000", "20/11/98"}};
        for (int i = 1; i <= 3; ++i) {
            p.nomititoli[i] = QString::fromLatin1(titoli[i - 1][0]);
            p.quantitatitoli[i] = QString::fromLatin1(titoli[i - 1][1]);
            p.prezzititoli[i] = QString::fromLatin1(titoli[i - 1][2]);
            p.dateacquisto[i] = QString::fromLatin1(titoli[i - 1][3]);
        }
        p.notetitoli[1] = QStringLiteral("vendere le privilegiate");
        p.numerotitoli = 3;
    }
    bilancio& b()
    {
        bilancio& w = finestre.finestra<bilancio>();
        if (!w.isVisible())
            w.show();   // the lists offer the holdings
        return w;
    }
    QString file(const QString& nome) const { return dir.filePath(nome); }
};

void digita(QWidget* w, const QString& testo)
{
    w->setFocus();
    QTest::keyClicks(w, testo);
}

// The user picks holding k from the list of line i, then types the sale.
void vendi(bilancio& w, int i, int k, const QString& data, const QString& vendute, const QString& prezzo)
{
    trova<QComboBox>(w, "nomea", i)->setCurrentIndex(k - 1);
    emit trova<QComboBox>(w, "nomea", i)->activated(k - 1);
    digita(trova<QLineEdit>(w, "datavendita", i), data);
    digita(trova<QLineEdit>(w, "na", i), vendute);
    digita(trova<QLineEdit>(w, "prezzo", i), prezzo);
}

QByteArray leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList testi(const QList<Messaggio>& m)
{
    QStringList t;
    for (const Messaggio& x : m)
        t << x.testo;
    return t;
}
} // namespace

class TestBilancio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QIcon::setThemeName(QStringLiteral("Tango")); }

    void allavvio()
    {
        Ambiente e;
        bilancio& w = e.b();
        QCOMPARE(w.size(), QSize(640, 455));
        // Starts in lire: only the button to euro can convert.
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        QVERIFY(trova<QPushButton>(w, "cmdeuro")->isEnabled() && !trova<QPushButton>(w, "cmdlira")->isEnabled());
        QCOMPARE(trova<QComboBox>(w, "nomea", 7)->count(), 3);
        QCOMPARE(trova<QComboBox>(w, "nomea", 7)->itemText(2), QStringLiteral("Generali Ass."));
        for (int k = 1; k <= 22; ++k)
            if (k != 15)
                QVERIFY2(!w.pulsante[k]->icon().isNull(), qPrintable(QString::number(k)));
        QVERIFY2(didascalietroncate(&w).isEmpty(), qPrintable(didascalietroncate(&w).join(u';')));
        // Typed fields are white boxes, figures are not boxes.
        QVERIFY(!w.findChild<QLineEdit*>(QStringLiteral("pagato_1")));
    }

    void dallafinestraazioni()
    {
        Ambiente e;
        e.v().nomea[1] = QStringLiteral("vecchia vendita");
        e.v().numerorighe = 1;
        frmAzioni& a = e.finestre.azioni();
        trova<Immagine>(a, "Image1")->show();
        a.Image1_Click();
        QVERIFY(trova<Immagine>(a, "Image1")->isHidden());
        bilancio& w = e.finestre.finestra<bilancio>();
        QVERIFY(w.isVisible());
        QCOMPARE(trova<QComboBox>(w, "nomea", 1)->count(), 3);
        QCOMPARE(trova<QComboBox>(w, "nomea", 1)->currentText(), QStringLiteral("vecchia vendita"));
        QCOMPARE(trova<QComboBox>(w, "nomea", 10)->itemText(0), QStringLiteral("Fiat"));
        w.hide();
        a.fin4_Click();
        QVERIFY(w.isVisible());
    }

    // Ctrl+Z from the keyboard takes back a price typed (the whole of it), then the switch to
    // euro; the lines, the totals and the currency buttons follow. Back at the saved balance
    // nothing is unsaved.
    void annullaeripeti()
    {
        Ambiente e;
        bilancio& w = e.b();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("16320"));
        e.dialoghi.prossimofile = e.file(QStringLiteral("Velno-bilancio-2001"));
        w.salva_Click();
        QVERIFY(!e.modulo.vendite.modificato());
        QLineEdit* prezzo = trova<QLineEdit>(w, "prezzo", 1);
        digita(prezzo, QStringLiteral("0"));
        QCOMPARE(trova<QLabel>(w, "totguadagno")->text(), QStringLiteral("14.870.000"));
        trova<QPushButton>(w, "cmdeuro")->click();
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("annulla"))->text(), QStringLiteral("Annulla valori in euro"));
        QTest::keyClick(prezzo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        QVERIFY(!trova<QPushButton>(w, "cmdlira")->isEnabled() && trova<QPushButton>(w, "cmdeuro")->isEnabled());
        QCOMPARE(prezzo->text(), QStringLiteral("163200"));
        QTest::keyClick(prezzo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(prezzo->text(), QStringLiteral("16320"));
        QCOMPARE(trova<QLabel>(w, "totguadagno")->text(), QStringLiteral("182.000"));
        QVERIFY(!e.modulo.vendite.modificato());
        QTest::keyClick(prezzo, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.v().prezzo[1], QStringLiteral("163200"));
        QVERIFY(e.modulo.vendite.modificato());
    }

    void vendita_completa()
    {
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("16320"));
        vendi(w, 2, 2, QStringLiteral("20/06/01"), QStringLiteral("500"), QStringLiteral("12000"));
        QCOMPARE(e.messaggi.registrati.size(), 0);
        QCOMPARE(e.v().numerorighe, 2);
        QCOMPARE(trova<QLabel>(w, "prezzo0", 2)->text(), QStringLiteral("11811"));   // bought in 1999: euro to lire
        QCOMPARE(trova<QLabel>(w, "nacq", 1)->text(), QStringLiteral("300"));
        QCOMPARE(trova<QLabel>(w, "pagato", 1)->text(), QStringLiteral("1.450.000"));
        QCOMPARE(trova<QLabel>(w, "realizzato", 2)->text(), QStringLiteral("94.500"));
        QCOMPARE(trova<QLabel>(w, "percento", 1)->text(), QStringLiteral("12,55"));
        QCOMPARE(e.v().pagato[1], QStringLiteral("1450000"));   // the row keeps the figure unformatted
        QCOMPARE(trova<QLabel>(w, "anno")->text(), QStringLiteral("anno 2001"));
        QCOMPARE(trova<QLabel>(w, "totpagato")->text(), QStringLiteral("7.355.500"));
        QCOMPARE(trova<QLabel>(w, "totguadagno")->text(), QStringLiteral("276.500"));
        QCOMPARE(trova<QLabel>(w, "mediapercento")->text(), QStringLiteral("3,76"));
        // The year's totals file is the save's: typing leaves the one on disk alone.
        QVERIFY(!QFile::exists(e.file(QStringLiteral("Velno-totali- 2001"))));
        e.dialoghi.prossimofile = e.file(QStringLiteral("Velno-bilancio-2001"));
        w.salva_Click();
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 2001"))),
                 QByteArray("\"7355500\",\"276500\",\"3,76\"\r\n"));
        QCOMPARE(e.modulo.totalepagato[2001 - 1994], QStringLiteral("7355500"));
        w.numero_Click(1);
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("vendere le privilegiate"), QStringLiteral("Velno: ultimi appunti sul titolo Fiat"),
                            Icona::Informativa}));
        w.numero_Click(3);
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("Cliccare sulla freccia e scegliere un titolo dalla lista delle azioni possedute."),
                            titolocontrollo, Icona::Informativa}));
    }

    void avvertimenti()
    {
        Ambiente e;
        bilancio& w = e.b();
        // Shares sold before the sale date: every keystroke is refused, the number kept.
        trova<QComboBox>(w, "nomea", 1)->setCurrentIndex(0);
        emit trova<QComboBox>(w, "nomea", 1)->activated(0);
        digita(trova<QLineEdit>(w, "na", 1), QStringLiteral("30"));
        QCOMPARE(e.messaggi.registrati.size(), 2);
        QCOMPARE(e.messaggi.registrati[0].testo,
                 QStringLiteral("Correggere la data della vendita del titolo n. 1: usare il formato gg/mm/aa."));
        QCOMPARE(e.v().na[1], QStringLiteral("30"));
        e.messaggi.registrati.clear();
        // One more than owned: refused and emptied.
        digita(trova<QLineEdit>(w, "datavendita", 1), QStringLiteral("15/03/01"));
        trova<QLineEdit>(w, "na", 1)->clear();
        e.messaggi.registrati.clear();
        digita(trova<QLineEdit>(w, "na", 1), QStringLiteral("301"));
        QCOMPARE(testi(e.messaggi.registrati),
                 QStringList{"Non è possibile vendere un numero di azioni maggiore di quante se ne posseggono."});
        QCOMPARE(trova<QLineEdit>(w, "na", 1)->text(), QString());
        QCOMPARE(e.v().na[1], QString());
        e.messaggi.registrati.clear();
        digita(trova<QLineEdit>(w, "na", 1), QStringLiteral("300"));
        QCOMPARE(e.messaggi.registrati.size(), 0);
        e.dialoghi.prossimofile = e.file(QStringLiteral("Velno-bilancio-2001"));
        w.salva_Click();
        // A second line sold in another year: neither year's totals file takes the mixed totals.
        const QByteArray totali2001 = leggi(e.file(QStringLiteral("Velno-totali- 2001")));
        QFile f2002(e.file(QStringLiteral("Velno-totali- 2002")));
        QVERIFY(f2002.open(QIODevice::WriteOnly));
        f2002.write("\"900000\",\"90000\",\"10\"\r\n");
        f2002.close();
        trova<QComboBox>(w, "nomea", 2)->setCurrentIndex(2);
        emit trova<QComboBox>(w, "nomea", 2)->activated(2);
        digita(trova<QLineEdit>(w, "datavendita", 2), QStringLiteral("10/01/02"));
        digita(trova<QLineEdit>(w, "na", 2), QStringLiteral("5"));
        digita(trova<QLineEdit>(w, "prezzo", 2), QStringLiteral("40000"));
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QVERIFY(e.messaggi.registrati[0].testo.contains(QStringLiteral("anni diversi")));
        w.salva_Click();
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 2002"))), QByteArray("\"900000\",\"90000\",\"10\"\r\n"));
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 2001"))), totali2001);
        QVERIFY(e.modulo.totalepagato[2002 - 1994].isEmpty());
        // The date put right, the year's file takes both sales.
        trova<QLineEdit>(w, "datavendita", 2)->setText(QStringLiteral("10/01/01"));
        trova<QLineEdit>(w, "na", 2)->clear();
        trova<QLineEdit>(w, "na", 2)->setText(QStringLiteral("5"));
        w.salva_Click();
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 2001"))), QByteArray("\"4540000\",\"10000\",\"0,22\"\r\n"));
        // A name typed instead of chosen.
        e.messaggi.registrati.clear();
        digita(trova<QComboBox>(w, "nomea", 3)->lineEdit(), QStringLiteral("Telecom"));
        digita(trova<QLineEdit>(w, "datavendita", 3), QStringLiteral("10/01/02"));
        digita(trova<QLineEdit>(w, "na", 3), QStringLiteral("5"));
        QVERIFY(testi(e.messaggi.registrati).contains(QStringLiteral(
            "Impossibile procedere: scegliere il titolo venduto tra la lista di quelli posseduti cliccando sulla freccia.")));
        QCOMPARE(e.v().numerorighe, 2);
    }

    void titolo_soloscelto()
    {
        // A row as archived, bought at another price than the holding has now: passing through
        // its stock box, with the keyboard or the mouse, changes nothing; only a pick does.
        Ambiente e;
        e.v().nomea[1] = QStringLiteral("Fiat");
        e.v().dataacquisto[1] = QStringLiteral("12/03/97");
        e.v().nacq[1] = QStringLiteral("250");
        e.v().prezzo0[1] = QStringLiteral("14000");
        e.v().numerorighe = 1;
        bilancio& w = e.b();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cmdeuro_Click();
        trova<QComboBox>(w, "nomea", 1)->setFocus();
        QTRY_VERIFY(trova<QComboBox>(w, "nomea", 1)->hasFocus());
        trova<QLineEdit>(w, "na", 1)->setFocus();
        QTRY_VERIFY(trova<QLineEdit>(w, "na", 1)->hasFocus());
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in euro"));
        QCOMPARE(trova<QLabel>(w, "nacq", 1)->text(), QStringLiteral("250"));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("7.23"));
        trova<QComboBox>(w, "nomea", 1)->setCurrentIndex(0);
        emit trova<QComboBox>(w, "nomea", 1)->activated(0);
        QCOMPARE(e.v().nacq[1], QStringLiteral("300"));
    }

    void oltrelacentesimariga()
    {
        Ambiente e;
        bilancio& w = e.b();
        trova<QScrollBar>(w, "VScroll1")->setValue(101);
        QCOMPARE(trova<EtichettaClic>(w, "numero", 1)->text(), QStringLiteral("101"));
        trova<QComboBox>(w, "nomea", 1)->setCurrentIndex(0);
        emit trova<QComboBox>(w, "nomea", 1)->activated(0);
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].icona, Icona::Critica);
        QVERIFY(e.v().nomea[101].isEmpty());
        QVERIFY(trova<QComboBox>(w, "nomea", 1)->currentText().isEmpty());
    }

    void euro_elire()
    {
        Ambiente e;
        bilancio& w = e.b();
        for (int i = 1; i <= 10; ++i)
            vendi(w, i, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16320"));
        trova<QScrollBar>(w, "VScroll1")->setValue(11);
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16320"));
        vendi(w, 2, 3, QStringLiteral("15/04/01"), QStringLiteral("10"), QStringLiteral("40000"));   // row 12
        QCOMPARE(e.v().numerorighe, 12);
        w.cmdeuro_Click();
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in euro"));
        QVERIFY(!trova<QPushButton>(w, "cmdeuro")->isEnabled());
        QVERIFY(trova<QPushButton>(w, "cmdlira")->isEnabled());
        QCOMPARE(trova<QScrollBar>(w, "VScroll1")->value(), 1);
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("7.489"));
        QCOMPARE(e.v().prezzo0[12], QStringLiteral("19.625"));   // beyond the first page too
        QCOMPARE(trova<QLabel>(w, "pagato", 1)->text(), QStringLiteral("74,89"));
        QCOMPARE(trova<QLabel>(w, "totpagato")->text(), QStringLiteral("1.020,04"));
        // Not twice in a row: the prices are not divided again.
        w.cmdeuro_Click();
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("7.489"));
        // No totals file before a save, in lire or in euro.
        QVERIFY(!QFile::exists(e.file(QStringLiteral("Velno-totali- 2001"))));

        // Choosing a stock in euro: the rows go back to lire first, so the new row is in lire.
        vendi(w, 3, 3, QString(), QString(), QString());   // the row keeps its sale
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 3)->text(), QStringLiteral("38000"));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("14500"));   // as it was, not 14501
        w.cmdeuro_Click();
        // ... and on a later page: the stock goes to the row of that line, which stays in view.
        trova<QScrollBar>(w, "VScroll1")->setValue(11);
        vendi(w, 3, 2, QStringLiteral("20/04/01"), QString(), QString());
        QCOMPARE(trova<QScrollBar>(w, "VScroll1")->value(), 11);
        QCOMPARE(e.v().nomea[13], QStringLiteral("Eni"));
        QCOMPARE(e.v().nomea[3], QStringLiteral("Generali Ass."));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 3)->text(), QStringLiteral("11811"));
        w.cmdeuro_Click();

        // Saved while shown in euro: written in lire, shown in lire after.
        e.dialoghi.prossimofile = e.file(QStringLiteral("Velno-bilancio-casa-2001"));
        w.salva_Click();
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("14500"));
        QString errore;
        const auto letto = apribilancio(e.file(QStringLiteral("Velno-bilancio-casa-2001")), &errore);
        QVERIFY2(letto, qPrintable(errore));
        QCOMPARE(letto->prezzo0[12], QStringLiteral("38000"));   // through euro and back, unchanged
        QCOMPARE(letto->prezzo[1], QStringLiteral("16320"));
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 2001"))).left(10), QByteArray("\"2210000\","));
        QCOMPARE(e.dialoghi.filechiesti.last(),
                 (RichiestaFile{QStringLiteral("Salva file"), QStringLiteral("File Velno-bilancio- | Velno-bilancio-*"), 1}));
        QCOMPARE(e.v().annobilancio, QStringLiteral("2001"));
    }

    void euro_finestrascaricata()
    {
        // Left in euro when every window is unloaded: the window built again shows lire.
        Ambiente e;
        vendi(e.b(), 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("20000"));
        e.b().cmdeuro_Click();
        e.finestre.scaricatutto();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bilancio& w = e.b();
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("14500"));
        QCOMPARE(trova<QLineEdit>(w, "prezzo", 1)->text(), QStringLiteral("20000"));
        QCOMPARE(trova<QLabel>(w, "totpagato")->text(), QStringLiteral("1.450.000"));
    }

    void lire_dopoilmensileinlire()
    {
        // The monthly window puts the shared factor back to 1: the balance still converts at the rate.
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16320"));
        w.mens_Click();
        w.cmdeuro_Click();
        e.finestre.finestra<mensile>().lira_Click();
        w.cmdlira_Click();
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("14500"));
    }

    void archivio()
    {
        Ambiente e;
        bilancio& w = e.b();
        // Nothing to save.
        w.salva_Click();
        QCOMPARE(testi(e.messaggi.registrati), QStringList{"Attenzione: non esistono dati da archiviare."});
        QCOMPARE(e.dialoghi.salvataggichiesti, 0);

        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("16320"));
        const QString file = e.file(QStringLiteral("Velno-bilancio-casa-2001"));
        e.dialoghi.prossimofile = file;
        w.salvanome_Click();
        QCOMPARE(e.dialoghi.filechiesti.last().titolo, QStringLiteral("Salva file con nome"));
        const QByteArray salvato = leggi(file);
        QVERIFY(salvato.startsWith("1\r\n\"Fiat\",\"12/03/97\",\"300\",14500,\"15/03/01\",\"100\",\"16320\""));
        // A save that fails where no file was says nothing of a previous one.
        e.messaggi.registrati.clear();
        e.dialoghi.prossimofile = QStringLiteral("/cartella-che-non-esiste/Velno-bilancio-2001");
        w.salvanome_Click();
        QCOMPARE(testi(e.messaggi.registrati),
                 QStringList{QStringLiteral("Impossibile salvare il file \"/cartella-che-non-esiste/Velno-bilancio-2001\": "
                                            "il file o la cartella non esiste.")});

        // Cancelling the open dialog, or a damaged file, changes nothing.
        e.messaggi.registrati.clear();
        e.dialoghi.prossimofile.clear();
        w.apri_Click();
        QCOMPARE(trova<QComboBox>(w, "nomea", 1)->currentText(), QStringLiteral("Fiat"));
        const QString rotto = e.file(QStringLiteral("Velno-bilancio-rotto-2002"));
        QFile f(rotto);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("3\r\n\"Eni\"\r\n");
        f.close();
        e.dialoghi.prossimofile = rotto;
        w.apri_Click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QVERIFY(e.messaggi.registrati[0].testo.startsWith(QStringLiteral("Impossibile aprire il file")));
        QCOMPARE(e.v().numerorighe, 1);
        QCOMPARE(trova<QComboBox>(w, "nomea", 1)->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(trova<QLabel>(w, "anno")->text(), QStringLiteral("anno 2001"));
        QCOMPARE(e.modulo.vendite.nomefile(), file);

        // Another balance replaces this one; the year follows its sale dates and its name.
        SalesBalance altro;
        altro.numerorighe = 2;
        altro.nomea[1] = QStringLiteral("Eni");
        altro.nomea[2] = QStringLiteral("Enel");
        altro.datavendita[1] = QStringLiteral("02/02/99");
        altro.prezzo0[1] = QStringLiteral("11811");
        altro.na[1] = QStringLiteral("10");
        altro.prezzo[1] = QStringLiteral("12000");
        const QString file99 = e.file(QStringLiteral("Velno-bilancio-casa-1999"));
        QVERIFY(salvabilancio(altro, file99, nullptr));
        trova<QScrollBar>(w, "VScroll1")->setValue(5);
        w.cmdeuro_Click();
        e.dialoghi.prossimofile = file99;
        w.apri_Click();
        QCOMPARE(trova<QLabel>(w, "valori")->text(), QStringLiteral("valori in lire"));
        QCOMPARE(trova<QScrollBar>(w, "VScroll1")->value(), 1);
        QCOMPARE(trova<QComboBox>(w, "nomea", 2)->currentText(), QStringLiteral("Enel"));
        QCOMPARE(trova<QLabel>(w, "prezzo0", 1)->text(), QStringLiteral("11811"));
        QCOMPARE(trova<QLabel>(w, "anno")->text(), QStringLiteral("anno 1999"));
        QCOMPARE(trova<QLabel>(w, "totguadagno")->text(), QStringLiteral("1.890"));
        QCOMPARE(e.v().annobilancio, QStringLiteral("1999"));
        QVERIFY(!QFile::exists(e.file(QStringLiteral("Velno-totali- 1999"))));   // an open writes nothing
        QCOMPARE(e.dialoghi.filechiesti.last(),
                 (RichiestaFile{QString(), QStringLiteral("Tutti i file (*.*)|*.*|File Velno-bilancio- | Velno-bilancio-*"), 2}));

        // "Salva" writes to the opened file without asking, and the year's totals with it.
        const int chiesti = e.dialoghi.salvataggichiesti;
        w.salva_Click();
        QCOMPARE(e.dialoghi.salvataggichiesti, chiesti);
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 1999"))), QByteArray("\"118110\",\"1890\",\"1,6\"\r\n"));

        // Deleting asks for the file with the delete title and removes it at once.
        e.dialoghi.prossimofile = file;
        w.eliminare_click();
        QVERIFY(!QFile::exists(file));
        QCOMPARE(e.dialoghi.filechiesti.last().titolo, e.modulo.titoloelimina);
        // A folder is not deleted, and the reason is told in Italian.
        e.dialoghi.prossimofile = e.dir.path();
        w.eliminare_click();
        QVERIFY(QFileInfo(e.dir.path()).isDir());
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Impossibile eliminare il file \"%1\": al posto del file c'è una cartella.").arg(e.dir.path()));
    }

    void totalisolodalsalvataggio()
    {
        // The year's totals file on disk is the saved balance's: a cleared window, a sale typed
        // and a trip to euro and back leave it as it was, and an exit without saving too.
        Ambiente e;
        const QByteArray salvati("\"38991150\",\"21468450\",\"55,06\"\r\n");
        QVERIFY(scrivisicuro(e.file(QStringLiteral("Velno-totali- 1999")), salvati, nullptr));
        bilancio& w = e.b();
        w.cancelladati_Click();
        vendi(w, 1, 1, QStringLiteral("01/02/99"), QStringLiteral("1"), QString());
        w.cmdeuro_Click();
        w.cmdlira_Click();
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 1999"))), salvati);
        // The monthly window shows the balance's own year from memory.
        w.mens_Click();
        QCOMPARE(trova<QLabel>(e.finestre.finestra<mensile>(), "pagatanno", 5)->text(), QStringLiteral("14.500"));
        QCOMPARE(leggi(e.file(QStringLiteral("Velno-totali- 1999"))), salvati);
    }

    void venditadopounarigavuota()
    {
        // Sales on lines 1 and 3, line 2 empty: the save does not drop the third in silence.
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16320"));
        vendi(w, 3, 3, QStringLiteral("20/04/01"), QStringLiteral("10"), QStringLiteral("40000"));
        QCOMPARE(e.v().numerorighe, 1);
        const QString file = e.file(QStringLiteral("Velno-bilancio-2001"));
        e.dialoghi.prossimofile = file;
        e.messaggi.registrati.clear();
        w.salva_Click();   // answered No: nothing written
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].testo,
                 QStringLiteral("La riga n. 2 è vuota: la vendita della riga n. 3 e le seguenti non verrebbero "
                                "archiviate. Spostarle in su, chiudendo le righe vuote, e archiviare?"));
        QVERIFY(!QFile::exists(file));
        e.messaggi.risposte.push_back(Risposta::Si);
        w.salva_Click();
        QString errore;
        const auto letto = apribilancio(file, &errore);
        QVERIFY2(letto, qPrintable(errore));
        QCOMPARE(letto->numerorighe, 2);
        QCOMPARE(letto->nomea[2], QStringLiteral("Generali Ass."));
        QCOMPARE(trova<QComboBox>(w, "nomea", 2)->currentText(), QStringLiteral("Generali Ass."));
        QCOMPARE(trova<QLabel>(w, "totpagato")->text(), QStringLiteral("525.000"));
    }

    void cifreedaterifiutate_data()
    {
        colonne<QString, QString, QString>("casella", "testo", "messaggio");
        const QString n = QStringLiteral(" del titolo n. 1");
        QTest::newRow("lettere nel prezzo") << "prezzo" << "abc"
                                            << "Inserire un valore numerico valido per il prezzo di vendita" + n + ".";
        QTest::newRow("virgola") << "prezzo" << "6.000,5" << "Sostituire la virgola con il punto nel prezzo di vendita" + n + ".";
        QTest::newRow("esponente") << "prezzo" << "1e400"
                                   << "Inserire un valore numerico valido per il prezzo di vendita" + n + ".";
        QTest::newRow("troppo grande") << "prezzo" << "99999999999999999999"
                                       << "Inserire un valore numerico valido per il prezzo di vendita" + n
                                              + ": il numero è troppo grande.";
        QTest::newRow("lettere nelle vendute") << "na" << "3x"
                                               << "Inserire un valore numerico valido per le azioni vendute" + n + ".";
        QTest::newRow("data") << "datavendita" << "99/99/99"
                              << "Correggere il giorno nella data della vendita del titolo n. 1: usare il formato gg/mm/aa.";
        QTest::newRow("data che non esiste") << "datavendita" << "31/02/01"
                                             << "Giorni e mese incompatibili nella data della vendita del titolo n. 1: usare il formato gg/mm/aa.";
    }
    void cifreedaterifiutate()
    {
        // What is typed over a complete sale is checked when the box is left, and again by the
        // save, which writes nothing; a price that is no figure counts as no price yet.
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("16320"));
        auto* box = w.findChild<QLineEdit*>(casella + QStringLiteral("_1"));
        QVERIFY(box);
        box->selectAll();
        QTest::keyClicks(box, testo);
        e.messaggi.registrati.clear();
        emit box->editingFinished();
        QCOMPARE(testi(e.messaggi.registrati), QStringList{messaggio});
        QCOMPARE(box->text(), testo);
        emit box->editingFinished();   // left again unchanged: said once
        QCOMPARE(e.messaggi.registrati.size(), 1);
        if (casella == u"prezzo") {
            QVERIFY(trova<QLabel>(w, "realizzato", 1)->text().isEmpty());
            QVERIFY(trova<QLabel>(w, "percento", 1)->text().isEmpty());
            QVERIFY(trova<QLabel>(w, "totguadagno")->text().isEmpty() || trova<QLabel>(w, "totguadagno")->text() == u"0");
        }
        const QString file = e.file(QStringLiteral("Velno-bilancio-2001"));
        e.dialoghi.prossimofile = file;
        w.salva_Click();
        QCOMPARE(e.messaggi.registrati.last().testo, messaggio);
        QVERIFY(!QFile::exists(file));
        QVERIFY(!QFile::exists(e.file(QStringLiteral("Velno-totali- 2001"))));
    }

    void quotevenditerifiutate_ricalcola()
    {
        // Shares sold typed over a refused sale date: the row counts the shares the box shows.
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("100"), QStringLiteral("16320"));
        trova<QLineEdit>(w, "datavendita", 1)->setText(QStringLiteral("15/3/01"));
        trova<QLineEdit>(w, "na", 1)->setText(QStringLiteral("200"));
        QCOMPARE(e.v().pagato[1], QStringLiteral("2900000"));
        QCOMPARE(trova<QLabel>(w, "pagato", 1)->text(), QStringLiteral("2.900.000"));
        QCOMPARE(trova<QLabel>(w, "totpagato")->text(), QStringLiteral("2.900.000"));
    }

    void apertura_righericalcolate_eidentica()
    {
        Ambiente e;
        // As the old program wrote it: every text quoted, empty ones too; one row's figures
        // stored wrong, the percentage with a point.
        const QByteArray vecchio = "2\r\n"
                                   "\"Fiat\",\"12/03/97\",\"300\",14500,\"15/03/01\",\"100\",\"16320\",\"999\",\"1\",\"77,77\",\"\"\r\n"
                                   "\"Eni\",\"04/01/99\",\"500\",11811,\"20/06/01\",\"500\",\"\",\"5905500\",\"\",\"\",\"\"\r\n";
        const QString file = e.file(QStringLiteral("Velno-bilancio-vecchio-2001"));
        QVERIFY(scrivisicuro(file, vecchio, nullptr));
        bilancio& w = e.b();
        e.dialoghi.prossimofile = file;
        w.apri_Click();
        QCOMPARE(trova<QLabel>(w, "pagato", 1)->text(), QStringLiteral("1.450.000"));
        QCOMPARE(trova<QLabel>(w, "realizzato", 1)->text(), QStringLiteral("182.000"));
        QCOMPARE(trova<QLabel>(w, "percento", 1)->text(), QStringLiteral("12,55"));
        QCOMPARE(trova<QLabel>(w, "totpagato")->text(), QStringLiteral("7.355.500"));
        // Saved at once, only the wrong figures change; the empty texts stay "".
        w.salva_Click();
        QCOMPARE(leggi(file), QByteArray(vecchio).replace("\"999\",\"1\",\"77,77\"", "\"1450000\",\"182000\",\"12,55\""));
        // A file saved by Velno opens and saves back to the same bytes.
        const QByteArray nostro = leggi(file);
        w.apri_Click();
        w.salva_Click();
        QCOMPARE(leggi(file), nostro);
    }

    void annofuoridallimite_nessunfile()
    {
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/45"), QStringLiteral("10"), QStringLiteral("16320"));
        QCOMPARE(trova<QLabel>(w, "anno")->text(), QStringLiteral("anno 1945"));
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::Files), QStringList());
    }

    void cancellare()
    {
        Ambiente e;
        bilancio& w = e.b();
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16320"));
        digita(trova<QLineEdit>(w, "datavendita", 4), QStringLiteral("01/01/01"));   // a line without a stock
        w.cancelladati_Click();
        QCOMPARE(e.v().numerorighe, 0);
        QVERIFY(trova<QLabel>(w, "anno")->text().isEmpty());
        QVERIFY(trova<QLabel>(w, "totpagato")->text().isEmpty());
        QVERIFY(trova<QLabel>(w, "mediapercento")->text().isEmpty());
        QVERIFY(e.modulo.totalepagato[7].isEmpty());
        QVERIFY(trova<QComboBox>(w, "nomea", 1)->currentText().isEmpty());
        QVERIFY(e.v().datavendita[4].isEmpty());
        // The notes go with their sale: a name typed by hand afterwards shows none.
        digita(trova<QComboBox>(w, "nomea", 1)->lineEdit(), QStringLiteral("Fiat"));
        w.numero_Click(1);
        QCOMPARE(e.messaggi.registrati.last().testo, QString());
        trova<QScrollBar>(w, "VScroll1")->setValue(2);
        QVERIFY(trova<QLineEdit>(w, "datavendita", 3)->text().isEmpty());
    }

    void stampaemensile_senzadati()
    {
        Ambiente e;
        bilancio& w = e.b();
        w.solodati_Click();
        w.mens_Click();
        QCOMPARE(e.messaggi.registrati,
                 (QList<Messaggio>{
                     Messaggio{QStringLiteral("Immettere prima i dati."), QStringLiteral("Velno: stampa dati finestra"),
                               Icona::Esclamativa},
                     Messaggio{QStringLiteral("Non esistono dati da visualizzare: immetterne o aprire un file archiviato."),
                               titolocontrollo, Icona::Informativa}}));
        QVERIFY(e.finestre.documenti().isEmpty());
        QVERIFY(!e.finestre.caricata<mensile>());
        vendi(w, 1, 1, QStringLiteral("15/03/01"), QStringLiteral("10"), QStringLiteral("16320"));
        w.solodati_Click();
        QCOMPARE(e.finestre.documenti().size(), 1);
        QVERIFY(e.finestre.documenti()[0]->documento()->toPlainText().contains(
            QStringLiteral("Bilancio annuale (anno 2001 - valori in lire)")));
    }

    void graduatoria_senzatitoli()
    {
        Ambiente e;
        bilancio& w = e.b();
        e.modulo.azioni.dati().numerotitoli = 0;
        w.image1_click();
        QCOMPARE(e.messaggi.registrati,
                 (QList<Messaggio>{Messaggio{QStringLiteral("Non esistono titoli da controllare: prelevarli dall'archivio."),
                                             titolocontrollo, Icona::Critica}}));
    }
};

QTEST_MAIN(TestBilancio)
#include "test_bilancio.moc"
