#include "didascalie.h"
#include "ambiente.h"
#include "doppi.h"
#include "card/singola.h"
#include "portfolio/frmazioni.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/casellatesto.h"
#include "shell/finestre.h"
#include "shell/immagini.h"
#include "controlli.h"
#include "colonne.h"
#include "celle.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolBar>

namespace {
const QString titolocontrollo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");
const QString ultimotitolo = QStringLiteral("E' l'ultimo titolo disponibile o di cui esistono dati da visualizzare.");
const QString ultimaquotazione = QStringLiteral("E' l'ultima quotazione disponibile.");

Messaggio avviso(const QString& testo, Icona icona) { return Messaggio{testo, titolocontrollo, icona}; }

// `titoli` holdings "Titolo i", 100 shares at 10, bought 05/01/00, quoted 11, 12, 13, 14 + i
// under four columns dated 10/01/00 .. 10/04/00; counts as a passed check leaves them.
void riempi(Portfolio& p, int titoli)
{
    for (int c = 1; c <= 4; ++c)
        p.datequotazioni[c] = QStringLiteral("10/0%1/00").arg(c);
    for (int i = 1; i <= titoli; ++i) {
        p.nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
        p.quantitatitoli[i] = QStringLiteral("100");
        p.prezzititoli[i] = QStringLiteral("10");
        p.dateacquisto[i] = QStringLiteral("05/01/00");
        for (int c = 1; c <= 4; ++c)
            p.quotazioni(c, i) = QString::number(10 + c + (c == 4 ? i : 0));
    }
    p.numerotitoli = titoli;
    p.numerocolonne = 4;
}

struct Ambiente : AmbienteFinestre {
    singola& s() { return finestre.finestra<singola>(); }
    QAction* voce(QWidget& w, const char* nome) { return w.findChild<QAction*>(QString::fromLatin1(nome)); }
};

} // namespace

class TestSingola : public QObject {
    Q_OBJECT
private slots:
    void aspetto()
    {
        Ambiente e;
        singola& s = e.s();
        QCOMPARE(s.windowTitle(), QStringLiteral("Velno: scheda del singolo titolo"));
        QCOMPARE(s.size(), QSize(640, 455));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const QStringList troncate = didascalietroncate(&s);
        QVERIFY2(troncate.isEmpty(), qPrintable(troncate.join(u'\n')));
        // Fonts do not shrink with the window: below its design size captions would be cut.
        s.resize(400, 300);
        QCOMPARE(s.size(), QSize(640, 455));
        QCOMPARE(trova<QScrollBar>(s, "VScroll1")->maximum(), 100);
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->maximum(), 300);
        QVERIFY(trova<QLabel>(s, "attenz")->isHidden());

        // 22 buttons, 10 and 15 separators that keep their places.
        QVERIFY(!s.pulsante[10] && !s.pulsante[15]);
        QCOMPARE(s.pulsante[12]->toolTip(), QStringLiteral("visualizza titolo successivo"));
        QCOMPARE(e.voce(s, "fin")->text(), QStringLiteral("Fi&nestra n.2 di 7"));
        QCOMPARE(e.voce(s, "cancelladati")->text(), QStringLiteral("C&ancella dati finestra"));
    }

    void incolla_appuntivuoti()
    {
        Ambiente e;
        riempi(e.p(), 3);
        trova<QPushButton>(e.a(), "cmdazione", 2)->click();
        singola& s = e.s();
        appuntivuoti();
        for (QWidget* w : {static_cast<QWidget*>(trova<CasellaTesto>(s, "text1")), static_cast<QWidget*>(trova<QLineEdit>(s, "stac")), static_cast<QWidget*>(trova<QLineEdit>(s, "divid"))}) {
            w->setFocus();
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY(e.p().notetitoli[2].isEmpty());
        QTest::keyClicks(trova<CasellaTesto>(s, "text1"), QStringLiteral("ok"));
        QCOMPARE(e.p().notetitoli[2], QStringLiteral("ok"));
    }

    // The row button shows the holding of that row, wherever the grid is scrolled, from its
    // first quotation after the purchase; clicked again it starts over.
    void dariga_conscorrimento()
    {
        Ambiente e;
        riempi(e.p(), 15);
        e.p().dateacquisto[8] = QStringLiteral("15/02/00");
        frmAzioni& a = e.a();
        trova<QScrollBar>(a, "VScroll1")->setValue(6);
        QCOMPARE(trova<QPushButton>(a, "cmdazione", 3)->text(), QStringLiteral("8"));
        trova<QPushButton>(a, "cmdazione", 3)->click();
        QVERIFY(e.finestre.caricata<singola>());
        singola& s = e.s();
        QVERIFY(s.isVisible());
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 8"));
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral("Titolo 8"));
        QCOMPARE(trova<QScrollBar>(s, "VScroll1")->value(), 8);
        QCOMPARE(s.titoloscheda, 8);
        // Columns 1 and 2 are dated before the purchase.
        QCOMPARE(trova<QLabel>(s, "lbl2")->text(), QStringLiteral("10/03/00"));
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 3);
        QCOMPARE(trova<QLabel>(s, "agg")->text(), QStringLiteral("13"));
        QVERIFY(trova<QLabel>(s, "attenz")->isHidden());
        QVERIFY(e.messaggi.registrati.isEmpty());

        trova<QScrollBar>(s, "HScroll1")->setValue(1);
        QVERIFY(trova<QLabel>(s, "attenz")->isVisible());   // not yet owned at that date
        e.p().quotazioni(3, 8) = QStringLiteral("7");
        trova<QPushButton>(a, "cmdazione", 3)->click();
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 3);
        QCOMPARE(trova<QLabel>(s, "agg")->text(), QStringLiteral("7"));
        QCOMPARE(trova<QLabel>(s, "tot")->text(), QStringLiteral("700,00"));
        QVERIFY(trova<QLabel>(s, "attenz")->isHidden());
    }

    void dariga_rifiutata_data()
    {
        colonne<int, QString>("guasto", "testo");
        const QString senzadati = QStringLiteral("Non esistono dati da visualizzare.");
        const QString incompleti = QStringLiteral("Impossibile visualizzare la scheda: i dati relativi al titolo sono incompleti.");
        QTest::newRow("senza nome") << 0 << senzadati;
        QTest::newRow("quantità zero") << 1 << senzadati;
        QTest::newRow("nessuna quotazione") << 2 << incompleti;
        QTest::newRow("quotazione senza data") << 3 << incompleti;
    }
    void dariga_rifiutata()
    {
        QFETCH(int, guasto);
        QFETCH(QString, testo);
        Ambiente e;
        riempi(e.p(), 3);
        Portfolio& p = e.p();
        switch (guasto) {
        case 0: p.nomititoli[2].clear(); break;
        case 1: p.quantitatitoli[2] = QStringLiteral("0"); break;
        case 2:
            for (int c = 1; c <= 4; ++c)
                p.quotazioni(c, 2).clear();
            break;
        case 3:
            for (int c = 1; c <= 4; ++c)
                p.quotazioni(c, 2).clear();
            p.quotazioni(6, 2) = QStringLiteral("12");
            break;
        }
        trova<QPushButton>(e.a(), "cmdazione", 2)->click();
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{avviso(testo, Icona::Critica)}));
        QVERIFY(!e.finestre.caricata<singola>());
    }

    void scorrimenti()
    {
        Ambiente e;
        riempi(e.p(), 8);
        Portfolio& p = e.p();
        // Holding 1: 12, 15, 9 and an empty fourth column.
        p.quotazioni(1, 1) = QStringLiteral("12");
        p.quotazioni(2, 1) = QStringLiteral("15");
        p.quotazioni(3, 1) = QStringLiteral("9");
        p.datequotazioni[4].clear();
        p.quotazioni(4, 1).clear();
        p.numerocolonne = 3;
        trova<QPushButton>(e.a(), "cmdazione", 1)->click();
        singola& s = e.s();
        QCOMPARE(trova<QLabel>(s, "migliore")->text(), QStringLiteral("15"));
        QCOMPARE(trova<QLabel>(s, "mdata")->text(), QStringLiteral("10/02/00"));
        QCOMPARE(trova<QLabel>(s, "peggiore")->text(), QStringLiteral("9"));
        QCOMPARE(trova<QLabel>(s, "pdata")->text(), QStringLiteral("10/03/00"));

        trova<QScrollBar>(s, "HScroll1")->setValue(4);
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 3);
        QCOMPARE(trova<QLabel>(s, "lbl2")->text(), QStringLiteral("10/03/00"));
        QCOMPARE(trova<QLabel>(s, "agg")->text(), QStringLiteral("9"));
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{avviso(ultimaquotazione, Icona::Informativa)}));
        s.pulsante[14]->trigger();   // next quotation: still the last
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 3);
        QCOMPARE(e.messaggi.registrati.size(), 2);
        s.pulsante[13]->trigger();
        QCOMPARE(trova<QLabel>(s, "lbl2")->text(), QStringLiteral("10/02/00"));
        QCOMPARE(trova<QLabel>(s, "tot")->text(), QStringLiteral("1.500,00"));

        // The arrow held down past the last quotation: told once, not again at every repeat.
        e.messaggi.registrati.clear();
        s.show();
        const QPoint freccia(trova<QScrollBar>(s, "HScroll1")->width() - 4, trova<QScrollBar>(s, "HScroll1")->height() / 2);
        QTest::mousePress(trova<QScrollBar>(s, "HScroll1"), Qt::LeftButton, {}, freccia);
        QTest::mousePress(trova<QScrollBar>(s, "HScroll1"), Qt::LeftButton, {}, freccia);
        QTest::qWait(800);
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 3);
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{avviso(ultimaquotazione, Icona::Informativa)}));

        // Holding 12 of 8: holding 8, and told so.
        e.messaggi.registrati.clear();
        trova<QScrollBar>(s, "VScroll1")->setValue(12);
        QCOMPARE(trova<QScrollBar>(s, "VScroll1")->value(), 8);
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 8"));
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral("Titolo 8"));
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{avviso(ultimotitolo, Icona::Informativa)}));

        // A holding with no quotation at the shown column shows no value of another one.
        p.quotazioni(1, 7).clear();
        s.pulsante[11]->trigger();
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 7"));
        QCOMPARE(trova<QLabel>(s, "lbl2")->text(), QStringLiteral("10/01/00"));
        QVERIFY(trova<QLabel>(s, "agg")->text().isEmpty());
        QVERIFY(trova<QLabel>(s, "tot")->text().isEmpty());
        QVERIFY(trova<QLabel>(s, "corr")->text().isEmpty());
        QVERIFY(trova<QLabel>(s, "guad")->text().isEmpty());
        QCOMPARE(trova<QLabel>(s, "valin")->text(), QStringLiteral("1.000,00"));
    }

    void portafogliovuoto()
    {
        Ambiente e;
        singola& s = e.s();
        const Messaggio vuoto = avviso(
            QStringLiteral("Non ci sono titoli da visualizzare: tornare alla finestra Azioni o aprire un file con i dati."),
            Icona::Critica);
        trova<QScrollBar>(s, "VScroll1")->setValue(5);
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{vuoto}));
        trova<QScrollBar>(s, "HScroll1")->setValue(5);
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 1);
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{vuoto, vuoto}));
        QVERIFY(trova<QLabel>(s, "Label1")->text().isEmpty());
        QVERIFY(!trova<CasellaTesto>(s, "text1")->isEnabled());   // typing would belong to no holding
        s.show();
        QTest::mouseClick(trova<Immagine>(s, "Image1"), Qt::LeftButton);
        QCOMPARE(e.messaggi.registrati.last(),
                 avviso(QStringLiteral("Non esistono titoli da controllare: prelevarli dall'archivio."), Icona::Critica));
        // Shown from the menu with no holdings: an empty card, without a message.
        e.messaggi.registrati.clear();
        e.voce(e.a(), "fin2")->trigger();
        QVERIFY(s.isVisible());
        QVERIFY(e.messaggi.registrati.isEmpty());
    }

    void colori_data()
    {
        colonne<QString, QString, QColor>("prezzo", "guad", "fondo");
        QTest::newRow("guadagno") << "10" << "10,00" << QColor(0, 128, 0);
        QTest::newRow("perdita") << "20" << "-45,00" << QColor(255, 0, 0);
        QTest::newRow("tutto guadagno") << "0" << "tutto guadagno" << QColor(0, 128, 0);
    }
    void colori()
    {
        QFETCH(QString, prezzo);
        QFETCH(QColor, fondo);
        Ambiente e;
        riempi(e.p(), 1);
        e.p().quantitatitoli[1] = QStringLiteral("10");
        e.p().prezzititoli[1] = prezzo;
        trova<QPushButton>(e.a(), "cmdazione", 1)->click();
        singola& s = e.s();
        QTEST(trova<QLabel>(s, "guad")->text(), "guad");
        for (QLabel* l : {trova<QLabel>(s, "Label1"), trova<QLabel>(s, "lbl", 1)}) {
            QVERIFY(l->autoFillBackground());
            QCOMPARE(l->palette().color(QPalette::Window), fondo);
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
    }

    void campidellascheda()
    {
        Ambiente e;
        riempi(e.p(), 2);
        e.p().quotazioni(4, 2) = QStringLiteral("20");
        e.p().dividendi[2] = QStringLiteral("0.25");
        trova<QPushButton>(e.a(), "cmdazione", 2)->click();
        singola& s = e.s();
        QCOMPARE(trova<QLineEdit>(s, "divid")->text(), QStringLiteral("0.25"));
        QCOMPARE(trova<QLabel>(s, "perquot")->text(), QStringLiteral("1,25"));
        // What is typed on the card is a change of the Portfolio: unsaved, and announced.
        QSignalSpy cambi(&e.modulo.azioni, &DocumentoAzioni::cambiato);
        QVERIFY(!e.modulo.azioni.modificato());
        trova<QLineEdit>(s, "divid")->selectAll();
        QTest::keyClicks(trova<QLineEdit>(s, "divid"), QStringLiteral("0.5"));
        QCOMPARE(e.p().dividendi[2], QStringLiteral("0.5"));
        QVERIFY(e.modulo.azioni.modificato());
        QVERIFY(!cambi.isEmpty());
        QCOMPARE(trova<QLabel>(s, "perquot")->text(), QStringLiteral("2,50"));
        QTest::keyClicks(trova<QLineEdit>(s, "stac"), QStringLiteral("21/05/00"));
        QCOMPARE(e.p().datestacco[2], QStringLiteral("21/05/00"));
        // A refused row button leaves the card on its holding: typing and moving stay there.
        trova<QPushButton>(e.a(), "cmdazione", 3)->click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QTest::keyClicks(trova<CasellaTesto>(s, "text1"), QStringLiteral("tenere"));
        QCOMPARE(e.p().notetitoli[2], QStringLiteral("tenere"));
        QVERIFY(e.p().notetitoli[3].isEmpty());
        trova<QScrollBar>(s, "HScroll1")->setValue(2);
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral("Titolo 2"));
        // Another holding's card shows its own fields, and writes into its own.
        s.pulsante[11]->trigger();
        QVERIFY(trova<CasellaTesto>(s, "text1")->toPlainText().isEmpty());
        QVERIFY(trova<QLabel>(s, "perquot")->text().isEmpty());
        QCOMPARE(e.p().notetitoli[2], QStringLiteral("tenere"));
        s.pulsante[12]->trigger();
        QCOMPARE(trova<CasellaTesto>(s, "text1")->toPlainText(), QStringLiteral("tenere"));

        e.voce(s, "cancelladati")->trigger();
        QVERIFY(e.p().notetitoli[2].isEmpty() && e.p().datestacco[2].isEmpty() && e.p().dividendi[2].isEmpty());
        QVERIFY(trova<CasellaTesto>(s, "text1")->toPlainText().isEmpty() && trova<QLineEdit>(s, "stac")->text().isEmpty() && trova<QLineEdit>(s, "divid")->text().isEmpty());
        QCOMPARE(e.p().quotazioni(4, 2), QStringLiteral("20"));

        // Ctrl+Z takes the clear back as one step, then the notes typed as another.
        s.show();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        CasellaTesto* note = trova<CasellaTesto>(s, "text1");
        QCOMPARE(e.voce(s, "annulla")->text(), QStringLiteral("Annulla cancellazione dei dati della scheda n.2"));
        QTest::keyClick(note, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(note->toPlainText(), QStringLiteral("tenere"));
        QCOMPARE(trova<QLineEdit>(s, "divid")->text(), QStringLiteral("0.5"));
        QCOMPARE(trova<QLabel>(s, "perquot")->text(), QStringLiteral("2,50"));
        QTest::keyClick(note, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(note->toPlainText().isEmpty());
        QVERIFY(e.p().notetitoli[2].isEmpty());
        QCOMPARE(e.p().datestacco[2], QStringLiteral("21/05/00"));
    }

    // Holdings sorted or deleted in the Azioni window while the card is open: back on the
    // card the user sees the holding now under its number, and types into that one's notes,
    // never over another holding's.
    void titolispostati()
    {
        Ambiente e;
        riempi(e.p(), 3);
        e.p().nomititoli[1] = QStringLiteral("Zeta");
        e.p().notetitoli[1] = QStringLiteral("nota Zeta");
        e.p().nomititoli[2] = QStringLiteral("Alfa");
        e.p().notetitoli[2] = QStringLiteral("nota Alfa");
        e.a().show();
        trova<QPushButton>(e.a(), "cmdazione", 1)->click();
        singola& s = e.s();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral("Zeta"));

        e.a().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e.a()));
        e.a().ordinamentoazioni_click();
        QCOMPARE(e.p().nomititoli[1], QStringLiteral("Alfa"));
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        // The card follows its holding to the row the sort moved it to.
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 3"));
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral("Zeta"));
        QCOMPARE(trova<CasellaTesto>(s, "text1")->toPlainText(), QStringLiteral("nota Zeta"));
        QTest::keyClick(trova<CasellaTesto>(s, "text1"), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(trova<CasellaTesto>(s, "text1"), QStringLiteral(" oggi"));
        QCOMPARE(e.p().notetitoli[3], QStringLiteral("nota Zeta oggi"));
        QCOMPARE(e.p().notetitoli[1], QStringLiteral("nota Alfa"));

        // The card was on the last holding, which the delete dialog took away.
        e.a().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e.a()));
        e.modulo.azioni.eliminatitolo(QStringLiteral("Zeta"));
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 2"));
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral("Titolo 3"));
        QTest::keyClicks(trova<QLineEdit>(s, "stac"), QStringLiteral("01/06/00"));
        QCOMPARE(e.p().datestacco[2], QStringLiteral("01/06/00"));
        QVERIFY(e.p().datestacco[3].isEmpty());
    }

    // Notes typed on the card are archived with the Portfolio and come back with it.
    void appunti_archiviati()
    {
        Ambiente e;
        riempi(e.p(), 10);
        trova<QPushButton>(e.a(), "cmdazione", 1)->click();
        singola& s = e.s();
        QTest::keyClicks(trova<CasellaTesto>(s, "text1"), QStringLiteral("comprare ancora"));
        trova<QScrollBar>(s, "VScroll1")->setValue(8);
        QTest::keyClicks(trova<CasellaTesto>(s, "text1"), QStringLiteral("vendere"));
        QTest::keyClicks(trova<QLineEdit>(s, "divid"), QStringLiteral("0.5"));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-prova"));
        e.dialoghi.prossimofile = file;
        s.pulsante[2]->trigger();   // the card's save runs the Azioni window's
        QVERIFY2(QFile::exists(file), qPrintable(QString::number(e.messaggi.registrati.size())));

        // Changed since: the archive holds what was saved.
        QTest::keyClicks(trova<CasellaTesto>(s, "text1"), QStringLiteral(" e poi?"));
        e.p().notetitoli[1] = QStringLiteral("altro");
        e.voce(s, "apri")->trigger();
        QCOMPARE(e.p().notetitoli[1], QStringLiteral("comprare ancora"));
        // The card was redrawn on the first holding.
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 1"));
        QCOMPARE(trova<CasellaTesto>(s, "text1")->toPlainText(), QStringLiteral("comprare ancora"));
        trova<QPushButton>(e.a(), "cmdazione", 8)->click();
        QCOMPARE(trova<CasellaTesto>(s, "text1")->toPlainText(), QStringLiteral("vendere"));
        QCOMPARE(trova<QLineEdit>(s, "divid")->text(), QStringLiteral("0.5"));
        QCOMPARE(trova<QLabel>(s, "perquot")->text(), QStringLiteral("2,27"));   // 0.5 on the last quotation, 22
    }

    void finestre()
    {
        Ambiente e;
        riempi(e.p(), 3);
        e.a().pulsante[7]->trigger();
        singola& s = e.s();
        QVERIFY(s.isVisible());
        QCOMPARE(trova<QLabel>(s, "Label1")->text(), QStringLiteral("n. 1"));
        QCOMPARE(trova<QScrollBar>(s, "HScroll1")->value(), 1);
        QCOMPARE(trova<QLabel>(s, "lbl2")->text(), QStringLiteral("10/01/00"));
        e.voce(s, "fin2")->trigger();
        s.pulsante[7]->trigger();
        const Messaggio questa{QStringLiteral("E' questa la finestra Schede."), titolocontrollo, Icona::Esclamativa};
        QCOMPARE(e.messaggi.registrati, (QList<Messaggio>{questa, questa}));
        e.a().hide();
        trova<QPushButton>(s, "Command5")->click();
        QVERIFY(e.a().isVisible());
        // The links that have no window yet say nothing wrong.
        e.messaggi.registrati.clear();
        for (int k : {8, 9, 17, 18, 19})
            s.pulsante[k]->trigger();
        QTest::mouseClick(trova<Immagine>(s, "Image1"), Qt::LeftButton);
        QVERIFY(e.messaggi.registrati.isEmpty());
    }

    void stampa()
    {
        Ambiente e;
        riempi(e.p(), 2);
        e.p().notetitoli[2] = QStringLiteral("da rivedere");
        e.p().datestacco[2] = QStringLiteral("21/05/00");
        e.p().dividendi[2] = QStringLiteral("0.4");
        trova<QPushButton>(e.a(), "cmdazione", 2)->click();
        singola& s = e.s();
        trova<QScrollBar>(s, "HScroll1")->setValue(2);
        e.voce(s, "hardcopy")->trigger();
        QCOMPARE(e.finestre.documenti().size(), 1);
        QTextDocument* d = e.finestre.documenti()[0]->documento();
        QVERIFY(d->toPlainText().contains(QStringLiteral("Scheda del titolo: Titolo 2 (moneta di riferimento: EURO)")));
        QTextTable* t = primatabella(d);
        QVERIFY(t);
        QCOMPARE(t->rows(), 13);
        QCOMPARE(t->columns(), 2);
        const QStringList mostrati{"dati", trova<QLabel>(s, "datacq")->text(), trova<QLabel>(s, "quant")->text(), trova<QLabel>(s, "prez")->text(), trova<QLabel>(s, "lbl2")->text(),
                                   trova<QLabel>(s, "agg")->text(), trova<QLabel>(s, "valin")->text(), trova<QLabel>(s, "tot")->text(), trova<QLabel>(s, "corr")->text(), trova<QLabel>(s, "guad")->text(),
                                   trova<QLineEdit>(s, "stac")->text(), trova<QLineEdit>(s, "divid")->text(), trova<QLabel>(s, "perquot")->text()};
        QCOMPARE(mostrati.mid(5, 5), (QStringList{"12", "1.000,00", "1.200,00", "200,00", "20,00"}));
        QCOMPARE(cella(t, 1, 2), QStringLiteral("valori"));
        for (int r = 2; r <= 13; ++r)
            QCOMPARE(cella(t, r, 2), mostrati[r - 1]);
        QVERIFY(d->toPlainText().endsWith(QStringLiteral("Appunti sul titolo\nda rivedere")));
    }
};

QTEST_MAIN(TestSingola)
#include "test_singola.moc"
