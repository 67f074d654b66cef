#include "didascalie.h"
#include "discopieno.h"
#include "ambiente.h"
#include "doppi.h"
#include "card/singola.h"
#include "portfolio/frmazioni.h"
#include "shared/campi.h"
#include "ranking/classifica.h"
#include "shell/frmsplash.h"
#include "portfolio/cancella.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/finestre.h"
#include "shell/immagini.h"
#include "portfolio/archivio.h"
#include "controlli.h"
#include "colonne.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QSet>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QTest>
#include <QToolBar>
#include <cmath>
#include <memory>

#include <sys/stat.h>

namespace {
const QString titolocontrollo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");

struct Ambiente : AmbienteFinestre {
};

QStringList testi(const QList<Messaggio>& m)
{
    QStringList t;
    for (const Messaggio& x : m)
        t << x.testo;
    return t;
}

void digita(QWidget* w, const QString& testo)
{
    w->setFocus();
    QTest::keyClicks(w, testo);
}
} // namespace

class TestFrmAzioni : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { impostaicone(); }

    // Ctrl+Z from the keyboard takes back the typing of a box as one step, a sort as another;
    // Ctrl+Y does them again. The grid and its totals follow; the menu names the step.
    void annullaeripeti()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        const char* righe[][4] = {{"Zeta", "100", "5", "04/01/99"}, {"Alfa", "10", "7", "04/01/99"}};
        for (int i = 1; i <= 2; ++i) {
            digita(trova<QComboBox>(a, "nome", i)->lineEdit(), QString::fromLatin1(righe[i - 1][0]));
            for (int k = 1; k <= 3; ++k)
                digita(trova<QLineEdit>(a, (const char*[]){"na", "prezzo", "dataacquisto"}[k - 1], i),
                       QString::fromLatin1(righe[i - 1][k]));
        }
        digita(trova<QLineEdit>(a, "giorno", 1), QStringLiteral("05/01/99"));
        digita(trova<QLineEdit>(a, "valore", 1, 1), QStringLiteral("6"));
        digita(trova<QLineEdit>(a, "valore", 1, 2), QStringLiteral("8"));
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("570,00"));
        QMenu* modifica = a.findChild<QMenu*>(QStringLiteral("modif"));
        const QList<QAction*> voci = modifica->actions();
        QCOMPARE(voci[0]->objectName(), QStringLiteral("annulla"));
        QCOMPARE(voci[0]->text(), QStringLiteral("Annulla digitazione in quotazione n.2 della colonna 1"));
        QCOMPARE(voci[1]->text(), QStringLiteral("Ripeti"));
        QVERIFY(!voci[1]->isEnabled());
        QVERIFY(voci[2]->isSeparator());
        QCOMPARE(voci[3]->objectName(), QStringLiteral("ordinamentoazioni"));

        // Two quotations, the column's date, the purchase date and the price of row 2, whole.
        QLineEdit* prezzo = trova<QLineEdit>(a, "prezzo", 2);
        for (int k = 1; k <= 5; ++k)
            QTest::keyClick(prezzo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(prezzo->text(), QString());
        QCOMPARE(e.p().prezzititoli[2], QString());
        QCOMPARE(trova<QLineEdit>(a, "giorno", 1)->text(), QString());
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("500,00"));
        for (int k = 1; k <= 5; ++k)
            QTest::keyClick(prezzo, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(prezzo->text(), QStringLiteral("7"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 1, 2)->text(), QStringLiteral("8"));

        a.findChild<QAction*>(QStringLiteral("ordinamentoazioni"))->trigger();
        e.messaggi.registrati.clear();
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Alfa"));
        QCOMPARE(voci[0]->text(), QStringLiteral("Annulla ordinamento per nome"));
        QTest::keyClick(trova<QComboBox>(a, "nome", 1)->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Zeta"));
        QCOMPARE(trova<QLineEdit>(a, "prezzo", 2)->text(), QStringLiteral("7"));
        QTest::keyClick(trova<QComboBox>(a, "nome", 1)->lineEdit(), Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Alfa"));
        QVERIFY(e.messaggi.registrati.isEmpty());
    }

    void allavvio()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        QCOMPARE(a.windowTitle(), QStringLiteral("Velno: dati sui titoli"));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(trova<QPushButton>(a, "cmdazione", i)->text(), QString::number(i));
        QVERIFY(trova<QLabel>(a, "Label2")->text().isEmpty());
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->count(), 40);
        QCOMPARE(trova<QComboBox>(a, "nome", 7)->itemText(0), QStringLiteral("Aem"));
        QCOMPARE(trova<QComboBox>(a, "nome", 7)->itemText(39), QStringLiteral("Unipol"));
        QCOMPARE(trova<QPushButton>(a, "saldo", 3)->text(), QStringLiteral("saldo n.3"));
        QCOMPARE(trova<QScrollBar>(a, "VScroll1")->minimum(), 1);
        QCOMPARE(trova<QScrollBar>(a, "VScroll1")->maximum(), 91);
        QCOMPARE(trova<QScrollBar>(a, "VScroll1")->pageStep(), 10);
        QCOMPARE(trova<QScrollBar>(a, "HScroll1")->maximum(), 296);
        QCOMPARE(trova<QScrollBar>(a, "HScroll1")->pageStep(), 5);
        for (int K = 1; K <= 5; ++K)
            QVERIFY(trova<QLabel>(a, "guadagno", K)->isHidden());
        QCOMPARE(a.size(), QSize(640, 455));
        QCOMPARE(a.findChild<QLabel*>(QStringLiteral("Label5"))->toolTip(),
                 QStringLiteral("considerate computando i soli titoli posseduti alla data del saldo richiesto"));
    }

    void ridimensionare_scalaicontrolli()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QCoreApplication::processEvents();
        const QRect prima = trova<QComboBox>(a, "nome", 1)->geometry();
        a.resize(1280, a.height());
        QCoreApplication::processEvents();
        QCOMPARE(a.centralWidget()->width(), 1280);
        // Twice as wide: twice the left and the width, from the design's 32 and 122 pixels.
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->geometry().left(), 64);
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->geometry().width(), 244);
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->geometry().top(), prima.top());
        a.resize(640, a.height());
        QCoreApplication::processEvents();
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->geometry(), prima);
    }

    void menu_lafinestrainuso()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        QCOMPARE(a.findChild<QAction*>(QStringLiteral("finestra"))->text(), QStringLiteral("Fi&nestra n.1 di 7"));
        // The window on screen stays ticked in its own list, and its button stays a button.
        QAction* fin1 = a.findChild<QAction*>(QStringLiteral("fin1"));
        fin1->trigger();
        QVERIFY(fin1->isChecked());
        QVERIFY(!a.pulsante[6]->isCheckable());
    }

    void scorciatoie_dallecaselle_data()
    {
        colonne<QString, QString>("tasto", "messaggio");
        QTest::newRow("Ctrl+A: finestra Azioni") << "Ctrl+A" << "E' questa la finestra Azioni.";
        QTest::newRow("Ctrl+G: riga successiva") << "Ctrl+G" << "Non vi sono altre azioni da visualizzare.";
        QTest::newRow("Ctrl+H: colonna precedente") << "Ctrl+H" << "Non sono state registrate altre quotazioni precedenti.";
        QTest::newRow("Ctrl+I: colonna successiva") << "Ctrl+I" << "Non sono state registrate altre quotazioni successive.";
    }
    void scorciatoie_dallecaselle()
    {
        // The menu's shortcuts work from the grid's boxes: a box must not take Ctrl+A for
        // select-all or Ctrl+C for copy when the menu defines them.
        QFETCH(QString, tasto);
        QFETCH(QString, messaggio);
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        for (QWidget* casella : std::initializer_list<QWidget*>{trova<QLineEdit>(a, "na", 3), trova<QComboBox>(a, "nome", 2), trova<CasellaTesto>(a, "strategia"), trova<QLineEdit>(a, "giorno", 1)}) {
            casella->setFocus();
            QVERIFY(casella->hasFocus());
            const qsizetype prima = e.messaggi.registrati.size();
            QTest::keySequence(casella, QKeySequence(tasto));
            QCOMPARE(e.messaggi.registrati.size(), prima + 1);
            QCOMPARE(e.messaggi.registrati.last().testo, messaggio);
        }
    }

    void ctrlc_dallacasella_apreilgraduatoria()
    {
        // Ctrl+C is "Finestra Graduatoria" here, not the box's copy.
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        trova<QLineEdit>(a, "na", 3)->setFocus();
        QTest::keySequence(trova<QLineEdit>(a, "na", 3), QKeySequence(QStringLiteral("Ctrl+C")));
        QVERIFY(e.finestre.caricata<classifica>());
        QVERIFY(e.finestre.finestra<classifica>().isVisible());
    }

    void incollare_unacolonna()
    {
        // Thirty figures copied from a spreadsheet, pasted in column 2 on holding 1: every
        // holding gets its own, not only the ten rows on screen.
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        for (int i = 1; i <= 30; ++i)
            e.p().nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
        e.p().datequotazioni[2] = QStringLiteral("04/01/99");
        a.aggiornatitoli();
        QStringList righe;
        for (int i = 1; i <= 30; ++i)
            righe << QStringLiteral("%1,%2").arg(i).arg(i % 10);
        QGuiApplication::clipboard()->setText(righe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        trova<QLineEdit>(a, "valore", 2, 1)->setFocus();
        QTest::keySequence(trova<QLineEdit>(a, "valore", 2, 1), QKeySequence::Paste);
        for (int i = 1; i <= 30; ++i)
            QCOMPARE(e.p().quotazioni(2, i), QStringLiteral("%1.%2").arg(i).arg(i % 10));
        QCOMPARE(trova<QLineEdit>(a, "valore", 2, 10)->text(), QStringLiteral("10.0"));
        QCOMPARE(e.messaggi.registrati.last().testo, QStringLiteral("Sono state inserite 30 quotazioni."));
        // A single figure is pasted as in any box.
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        trova<QLineEdit>(a, "valore", 3, 1)->setFocus();
        QTest::keySequence(trova<QLineEdit>(a, "valore", 3, 1), QKeySequence::Paste);
        QCOMPARE(e.p().quotazioni(3, 1), QStringLiteral("7"));

        // The box's own menu pastes a column the same way, and its undo is the Portfolio's:
        // the paste taken back whole.
        QGuiApplication::clipboard()->setText(QStringLiteral("3\n4\n5\n"));
        QLineEdit* casella = trova<QLineEdit>(a, "valore", 4, 1);
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(5, 5), casella->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(casella, &clic);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> voci = menu->actions();
        QVERIFY(voci.contains(a.findChild<QAction*>(QStringLiteral("annulla"))));
        QVERIFY(voci.contains(a.findChild<QAction*>(QStringLiteral("ripeti"))));
        QCOMPARE(voci.size(), 9);
        vocedimenu(menu, QKeySequence::Paste)->trigger();
        menu->close();
        QCOMPARE(e.p().quotazioni(4, 3), QStringLiteral("5"));
        a.findChild<QAction*>(QStringLiteral("annulla"))->trigger();
        QVERIFY(e.p().quotazioni(4, 1).isEmpty() && e.p().quotazioni(4, 3).isEmpty());
    }

    void importare_unfilecsv()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("quotazioni.csv"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Titolo;Prezzo\r\nEni;6,35\r\nEnel;5,10\r\n");
        f.close();
        Ambiente e;
        frmAzioni& a = e.a();
        e.p().nomititoli[1] = QStringLiteral("Eni");
        e.p().quantitatitoli[1] = QStringLiteral("10");
        for (int c = 1; c <= 7; ++c)
            e.p().datequotazioni[c] = QStringLiteral("0%1/12/98").arg(c);
        a.aggiornatitoli();
        e.dialoghi.prossimofile = file;
        e.dialoghi.prossimadata = QStringLiteral("04/01/99");
        a.findChild<QAction*>(QStringLiteral("importa"))->trigger();
        QCOMPARE(e.dialoghi.filechiesti.last().titolo, QStringLiteral("Importa quotazioni"));
        QCOMPARE(e.p().datequotazioni[8], QStringLiteral("04/01/99"));
        QCOMPARE(e.p().quotazioni(8, 1), QStringLiteral("6.35"));
        // The new column is on screen with its saldo, and the unknown name is listed.
        QCOMPARE(a.primacolonna, 4);
        QCOMPARE(trova<QLineEdit>(a, "giorno", 5)->text(), QStringLiteral("04/01/99"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 5, 1)->text(), QStringLiteral("6.35"));
        QCOMPARE(trova<QLabel>(a, "totaledatato")->text(), QStringLiteral("63,50"));
        QVERIFY(e.messaggi.registrati.last().testo.contains(QStringLiteral("(correggerne il nome): Enel.")));
        // A date that is not one is refused with the date check's message; nothing changes.
        e.dialoghi.prossimadata = QStringLiteral("31/04/99");
        a.importa_Click();
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Giorni e mese incompatibili nella data delle quotazioni importate: usare il formato gg/mm/aa."));
        QVERIFY(e.p().datequotazioni[9].isEmpty());
        // A broker's list with no price of today: the user is asked which column to take.
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("Titolo;Quantita;Prezzo medio di carico;Prezzo medio\r\nEni;10;5990;6,1\r\n");
        f.close();
        e.dialoghi.prossimadata = QStringLiteral("05/01/99");
        e.dialoghi.prossimascelta.reset();
        a.importa_Click();
        QCOMPARE(e.dialoghi.scelteofferte.last(), (QStringList{"Prezzo medio di carico (5990)", "Prezzo medio (6,1)"}));
        QVERIFY(e.p().datequotazioni[9].isEmpty());   // cancelled: nothing imported
        e.dialoghi.prossimascelta = 1;
        a.importa_Click();
        QCOMPARE(e.p().quotazioni(9, 1), QStringLiteral("6.1"));
    }

    void nonsiferma_suunapipeounanotalunga()
    {
        // Open and import refuse a pipe at once; a note of 2,000,000 letters without a blank
        // opens and shows (each within a time far beyond what it takes).
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("Velno-azioni-pipe"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QElapsedTimer orologio;
        orologio.start();
        e.dialoghi.prossimofile = pipe;
        a.apri_Click();
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Impossibile aprire il file \"%1\": non è un file ordinario ma un dispositivo o una pipe. I dati "
                                "in memoria non sono stati modificati.")
                     .arg(pipe));
        e.dialoghi.prossimofile = QStringLiteral("/dev/zero");
        a.importa_Click();
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Impossibile leggere il file \"/dev/zero\": non è un file ordinario ma un dispositivo o una pipe."));
        QVERIFY(orologio.elapsed() < 20000);

        Portfolio lungo;
        lungo.strategia = QString(2000000, u'x');
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-lungo"));
        QVERIFY(salvaarchivio(lungo, file, nullptr));
        e.dialoghi.prossimofile = file;
        orologio.restart();
        a.apri_Click();
        a.grab();
        QVERIFY2(orologio.elapsed() < 60000, qPrintable(QString::number(orologio.elapsed())));
        QCOMPARE(trova<CasellaTesto>(a, "strategia")->toPlainText().size(), 2000000);
        QCOMPARE(trova<CasellaTesto>(a, "strategia")->lineWrapMode(), QPlainTextEdit::NoWrap);
        // Full: a key more is refused and told.
        Portfolio pieno;
        pieno.strategia = QString(testomassimo, u'y');
        e.modulo.azioni.sostituisci(std::move(pieno), file, true);
        trova<CasellaTesto>(a, "strategia")->moveCursor(QTextCursor::End);
        e.messaggi.registrati.clear();
        QTest::keyClicks(trova<CasellaTesto>(a, "strategia"), QStringLiteral("z"));
        QCOMPARE(e.p().strategia.size(), testomassimo);
        QCOMPARE(testi(e.messaggi.registrati), QStringList{CasellaTesto::testotroppolungo()});
    }

    void incollare_senzaappunti()
    {
        // Nothing owns the clipboard: Qt 6.4 would crash in the notes box on Ctrl+V.
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        appuntivuoti();
        trova<CasellaTesto>(a, "strategia")->setFocus();
        QTest::keyClicks(trova<CasellaTesto>(a, "strategia"), QStringLiteral("tenere"));
        QTest::keySequence(trova<CasellaTesto>(a, "strategia"), QKeySequence::Paste);
        QTest::mouseClick(trova<CasellaTesto>(a, "strategia")->viewport(), Qt::MiddleButton);
        QCOMPARE(e.p().strategia, QStringLiteral("tenere"));
        // A real text still pastes.
        QGuiApplication::clipboard()->setText(QStringLiteral(" e comprare"));
        trova<CasellaTesto>(a, "strategia")->moveCursor(QTextCursor::End);
        QTest::keySequence(trova<CasellaTesto>(a, "strategia"), QKeySequence::Paste);
        QCOMPARE(e.p().strategia, QStringLiteral("tenere e comprare"));
    }

    void discopieno_lasciailvecchioarchivio()
    {
        DiscoPieno disco;
        if (!disco.pronto())
            QSKIP(qPrintable(disco.perche()));
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Fiat"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
        trova<QLineEdit>(a, "na", 1)->setText(QStringLiteral("10"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("10"));
        trova<CasellaTesto>(a, "strategia")->setPlainText(QString(400, u'a'));
        const QString file = disco.percorso(QStringLiteral("Velno-azioni-prova"));
        e.dialoghi.prossimofile = file;
        a.salva_Click();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray vecchio = f.readAll();
        f.close();
        QVERIFY(vecchio.size() > 400);
        QVERIFY(disco.riempi());

        trova<CasellaTesto>(a, "strategia")->setPlainText(QString(300, u'b'));
        for (QAction* azione : {a.findChild<QAction*>(QStringLiteral("salva")), a.findChild<QAction*>(QStringLiteral("salvanome"))}) {
            e.messaggi.risposte.clear();
            const qsizetype prima = e.messaggi.registrati.size();
            azione->trigger();
            QCOMPARE(e.messaggi.registrati.size(), prima + 1);
            const Messaggio m = e.messaggi.registrati.last();
            QCOMPARE(m.icona, Icona::Critica);
            QCOMPARE(m.testo, QStringLiteral("Impossibile salvare il file \"%1\": il disco è pieno. "
                                             "Il file precedente non è stato modificato.").arg(file));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), vecchio);
            f.close();
        }
    }

    void salvataggiofallito_senzafileprecedente()
    {
        QTemporaryDir dir;
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Fiat"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("1"));
        const QString file = dir.filePath(QStringLiteral("manca/Velno-azioni-x"));
        e.dialoghi.prossimofile = file;
        a.salva_Click();
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Impossibile salvare il file \"%1\": il file o la cartella non esiste.").arg(file));
    }

    void eliminare_fallito_initaliano()
    {
        QTemporaryDir dir;
        Ambiente e;
        frmAzioni& a = e.a();
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-sparito"));
        e.dialoghi.prossimofile = file;
        a.eliminare_click();
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("Impossibile eliminare il file \"%1\": il file o la cartella non esiste.").arg(file),
                            titolocontrollo, Icona::Critica}));
    }

    void marcatore_dopoloscorrimento()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QLineEdit>(a, "giorno", 1)->setText(QStringLiteral("01/01/99"));
        trova<QLineEdit>(a, "giorno", 2)->setText(QStringLiteral("01/02/99"));
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Eni"));
        trova<QLineEdit>(a, "na", 1)->setText(QStringLiteral("10"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("10"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("01/01/99"));
        trova<QLineEdit>(a, "valore", 1, 1)->setText(QStringLiteral("11"));
        trova<QLineEdit>(a, "valore", 2, 1)->setText(QStringLiteral("12"));
        trova<QPushButton>(a, "saldo", 2)->click();
        QVERIFY(trova<QLabel>(a, "guadagno", 2)->isVisible() || !trova<QLabel>(a, "guadagno", 2)->isHidden());
        QCOMPARE(trova<QLabel>(a, "guadagno", 2)->text(), QStringLiteral("20,00"));
        trova<QScrollBar>(a, "HScroll1")->setValue(2);
        // 01/02/99 is now the first column: its marker is under saldo n.1.
        QVERIFY(trova<QLabel>(a, "guadagno", 2)->isHidden());
        QVERIFY(!trova<QLabel>(a, "guadagno", 1)->isHidden());
        QCOMPARE(trova<QLabel>(a, "guadagno", 1)->text(), QStringLiteral("20,00"));
        QVERIFY(trova<QLabel>(a, "totaleal")->text().contains(QStringLiteral("01/02/99")));
    }

    void cifreenormi_nonsembranovere()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Eni"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("01/01/99"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("10"));
        for (const char* q : {"1e308", "99999999999999999999"}) {
            trova<QLineEdit>(a, "na", 1)->setText(QString::fromLatin1(q));
            QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("########"));
        }
    }

    void nomilunghi_mostranolinizio()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        e.p().nomititoli[12] = QStringLiteral("Alleanza Assicurazioni");
        trova<QScrollBar>(a, "VScroll1")->setValue(3);
        QCOMPARE(trova<QComboBox>(a, "nome", 10)->lineEdit()->cursorPosition(), 0);
        // Typed, then left: the box goes back to the start of the name.
        trova<QComboBox>(a, "nome", 1)->setFocus();
        QTest::keyClicks(trova<QComboBox>(a, "nome", 1)->lineEdit(), QStringLiteral("Gr. Edit. l'Espresso e altri"));
        trova<QLineEdit>(a, "na", 1)->setFocus();
        QTRY_COMPARE(trova<QComboBox>(a, "nome", 1)->lineEdit()->cursorPosition(), 0);
    }

    void didascalie_intere()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        VERIFICA_DIDASCALIE(&a);
        cancella& c = e.finestre.finestra<cancella>();
        VERIFICA_DIDASCALIE(&c);
        // Escape answers as "Annulla".
        c.show();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        trova<QRadioButton>(c, "Option1", 2)->click();
        QTest::keyClick(&c, Qt::Key_Escape);
        QVERIFY(c.isHidden());
        QCOMPARE(c.scelta, 0);
    }

    void guadagno_leggibile()
    {
        // Contrast of the figure on its green or red background (WCAG: 4.5 for small text).
        auto luminanza = [](const QColor& c) {
            auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
        };
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QLineEdit>(a, "giorno", 1)->setText(QStringLiteral("01/01/99"));
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Eni"));
        trova<QLineEdit>(a, "na", 1)->setText(QStringLiteral("10"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("10"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("01/01/99"));
        for (const char* q : {"12", "8"}) {
            trova<QLineEdit>(a, "valore", 1, 1)->setText(QString::fromLatin1(q));
            const QPalette pal = trova<QLabel>(a, "guadagno", 1)->palette();
            const double l1 = luminanza(pal.color(QPalette::WindowText)), l2 = luminanza(pal.color(QPalette::Window));
            const double contrasto = (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
            QVERIFY2(contrasto >= 4.5, qPrintable(QString::number(contrasto)));
        }
    }

    void icone_distinteedeltema()
    {
        // Each of the 22 buttons says what it does: no two share a picture, none is one of
        // Qt's stand-ins for a missing theme icon.
        if (!QIcon::hasThemeIcon(QStringLiteral("document-open")))
            QSKIP("il tema di icone Tango non è installato");
        Ambiente e;
        frmAzioni& a = e.a();
        QSet<QByteArray> immagini;
        for (int k = 1; k <= 22; ++k) {
            const QImage im = a.pulsante[k]->icon().pixmap(16).toImage();
            QVERIFY2(!im.isNull(), qPrintable(QString::number(k)));
            QByteArray b;
            QBuffer buf(&b);
            buf.open(QIODevice::WriteOnly);
            im.save(&buf, "PNG");
            QVERIFY2(!immagini.contains(b), qPrintable(QStringLiteral("pulsante %1 uguale a un altro").arg(k)));
            immagini.insert(b);
        }
    }

    void digitare_scrivenelletabelle()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        digita(trova<QComboBox>(a, "nome", 1)->lineEdit(), QStringLiteral("Fiat"));
        digita(trova<QLineEdit>(a, "na", 1), QStringLiteral("100"));
        digita(trova<QLineEdit>(a, "prezzo", 1), QStringLiteral("12,50"));
        digita(trova<QLineEdit>(a, "dataacquisto", 1), QStringLiteral("30/12/98"));
        digita(trova<QLineEdit>(a, "giorno", 2), QStringLiteral("15/01/99"));
        digita(trova<QLineEdit>(a, "valore", 2, 1), QStringLiteral("13.4"));
        digita(trova<QLineEdit>(a, "valore", 5, 10), QStringLiteral("7"));
        QCOMPARE(e.p().nomititoli[1], QStringLiteral("Fiat"));
        QCOMPARE(e.p().quantitatitoli[1], QStringLiteral("100"));
        QCOMPARE(e.p().prezzititoli[1], QStringLiteral("12,50"));   // as typed
        QCOMPARE(e.p().dateacquisto[1], QStringLiteral("30/12/98"));
        QCOMPARE(e.p().datequotazioni[2], QStringLiteral("15/01/99"));
        QCOMPARE(e.p().quotazioni(2, 1), QStringLiteral("13.4"));
        QCOMPARE(e.p().quotazioni(5, 10), QStringLiteral("7"));
        trova<QComboBox>(a, "nome", 3)->setCurrentIndex(13);   // picked from the list
        QCOMPARE(e.p().nomititoli[3], QStringLiteral("Eni"));
        trova<CasellaTesto>(a, "strategia")->setFocus();
        QTest::keyClicks(trova<CasellaTesto>(a, "strategia"), QStringLiteral("comprare"));
        QCOMPARE(e.p().strategia, QStringLiteral("comprare"));
    }

    void scorrere_ridisegna()
    {
        Ambiente e;
        for (int i = 1; i <= 100; ++i)
            e.p().nomititoli[i] = QStringLiteral("T%1").arg(i);
        e.p().quantitatitoli[15] = QStringLiteral("150");
        e.p().quotazioni(9, 15) = QStringLiteral("9.15");
        e.p().datequotazioni[9] = QStringLiteral("09/09/99");
        frmAzioni& a = e.a();
        trova<QScrollBar>(a, "VScroll1")->setValue(11);
        QCOMPARE(a.primotitolo, 11);
        QCOMPARE(trova<QPushButton>(a, "cmdazione", 1)->text(), QStringLiteral("11"));
        QCOMPARE(trova<QComboBox>(a, "nome", 5)->currentText(), QStringLiteral("T15"));
        QCOMPARE(trova<QLineEdit>(a, "na", 5)->text(), QStringLiteral("150"));
        trova<QScrollBar>(a, "HScroll1")->setValue(7);
        QCOMPARE(a.primacolonna, 7);
        QCOMPARE(trova<QLabel>(a, "Label2")->text(), QStringLiteral("Quotazioni dal n. 7 al n. 11"));
        QCOMPARE(trova<QLineEdit>(a, "giorno", 3)->text(), QStringLiteral("09/09/99"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 3, 5)->text(), QStringLiteral("9.15"));
        // Typing now goes to the holding and column on screen.
        trova<QLineEdit>(a, "valore", 1, 1)->setText(QStringLiteral("1.1"));
        QCOMPARE(e.p().quotazioni(7, 11), QStringLiteral("1.1"));
        trova<QScrollBar>(a, "HScroll1")->setValue(1);
        QCOMPARE(trova<QLabel>(a, "Label2")->text(), QStringLiteral("Quotazioni dal n. 1 al n. 5"));
    }

    void spostamenti_rifiutati_data()
    {
        colonne<QString, QString, int>("comando", "testo", "icona");
        QTest::newRow("prima") << "prima"
                               << "Impossibile procedere a ritroso: sono visualizzate le prime azioni disponibili."
                               << int(Icona::Critica);
        QTest::newRow("dopo") << "dopo" << "Non vi sono altre azioni da visualizzare." << int(Icona::Informativa);
        QTest::newRow("sinistra") << "sinistra" << "Non sono state registrate altre quotazioni precedenti."
                                  << int(Icona::Informativa);
        QTest::newRow("destra") << "destra" << "Non sono state registrate altre quotazioni successive."
                                << int(Icona::Informativa);
    }
    void spostamenti_rifiutati()
    {
        QFETCH(QString, comando);
        QFETCH(QString, testo);
        QFETCH(int, icona);
        Ambiente e;
        frmAzioni& a = e.a();
        a.findChild<QAction*>(comando)->trigger();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0], (Messaggio{testo, titolocontrollo, Icona(icona), Pulsanti::Ok}));
        QCOMPARE(a.primotitolo, 1);
        QCOMPARE(a.primacolonna, 1);
    }

    void spostamenti_diunpasso()
    {
        Ambiente e;
        for (int i = 1; i <= 12; ++i)
            e.p().nomititoli[i] = QStringLiteral("T%1").arg(i);
        for (int c = 1; c <= 6; ++c)
            e.p().datequotazioni[c] = QStringLiteral("%1/01/99").arg(c, 2, 10, QLatin1Char('0'));
        frmAzioni& a = e.a();
        a.aggiornatitoli();
        a.dopo_click();
        QCOMPARE(a.primotitolo, 2);
        QCOMPARE(trova<QPushButton>(a, "cmdazione", 1)->text(), QStringLiteral("2"));
        QCOMPARE(trova<QScrollBar>(a, "VScroll1")->value(), 2);   // the scroll bar follows
        a.dopo_click();
        a.dopo_click();
        QCOMPARE(a.primotitolo, 4);
        a.dopo_click();   // nome(10) is holding 13: empty
        QCOMPARE(a.primotitolo, 4);
        a.prima_Click();
        QCOMPARE(a.primotitolo, 3);

        a.destra_click();
        QCOMPARE(a.primacolonna, 2);
        QCOMPARE(trova<QScrollBar>(a, "HScroll1")->value(), 2);
        QCOMPARE(trova<QLineEdit>(a, "giorno", 5)->text(), QStringLiteral("06/01/99"));
        a.destra_click();   // the fifth visible column (6) has a date: one empty column comes in
        QCOMPARE(a.primacolonna, 3);
        QVERIFY(trova<QLineEdit>(a, "giorno", 5)->text().isEmpty());
        a.destra_click();
        QCOMPARE(a.primacolonna, 3);
        a.sinistra_click();
        QCOMPARE(a.primacolonna, 2);
        QCOMPARE(e.messaggi.registrati.size(), 2);
        // Once the heading shows the columns, the arrows keep it true.
        trova<QScrollBar>(a, "HScroll1")->setValue(1);
        a.destra_click();
        QCOMPARE(trova<QScrollBar>(a, "HScroll1")->value(), 2);
        QCOMPARE(trova<QLabel>(a, "Label2")->text(), QStringLiteral("Quotazioni dal n. 2 al n. 6"));
    }

    void limiti_maicavalcati()
    {
        Ambiente e;
        for (int i = 1; i <= 100; ++i)
            e.p().nomititoli[i] = QStringLiteral("T%1").arg(i);
        for (int c = 1; c <= 300; ++c)
            e.p().datequotazioni[c] = QStringLiteral("01/01/99");
        frmAzioni& a = e.a();
        trova<QScrollBar>(a, "VScroll1")->setValue(500);
        QCOMPARE(a.primotitolo, 91);
        QCOMPARE(trova<QPushButton>(a, "cmdazione", 10)->text(), QStringLiteral("100"));
        a.dopo_click();   // nome(10) is filled, but it is holding 100
        QCOMPARE(a.primotitolo, 91);
        QCOMPARE(e.messaggi.registrati.last().testo, QStringLiteral("Non vi sono altre azioni da visualizzare."));
        trova<QLineEdit>(a, "na", 10)->setText(QStringLiteral("5"));
        QCOMPARE(e.p().quantitatitoli[100], QStringLiteral("5"));

        trova<QScrollBar>(a, "HScroll1")->setValue(1000);
        QCOMPARE(a.primacolonna, 296);
        a.destra_click();   // column 300 has a date, but it is the last
        QCOMPARE(a.primacolonna, 296);
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Non sono state registrate altre quotazioni successive."));
        trova<QLineEdit>(a, "valore", 5, 10)->setText(QStringLiteral("3"));
        QCOMPARE(e.p().quotazioni(300, 100), QStringLiteral("3"));
        trova<QLineEdit>(a, "giorno", 5)->setText(QStringLiteral("31/12/99"));
        QCOMPARE(e.p().datequotazioni[300], QStringLiteral("31/12/99"));

        // Even a stray position is brought back inside the tables by the redraw.
        a.primotitolo = 150;
        a.primacolonna = 400;
        a.aggiornatitoli();
        QCOMPARE(a.primotitolo, 91);
        QCOMPARE(a.primacolonna, 296);
    }

    void cancella_tutto()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Fiat"));
        trova<QLineEdit>(a, "giorno", 1)->setText(QStringLiteral("01/01/99"));
        trova<QLineEdit>(a, "valore", 1, 1)->setText(QStringLiteral("5"));
        trova<QLabel>(a, "totaleiniziale")->setText(QStringLiteral("1,00"));
        trova<QLabel>(a, "guadagno", 2)->setText(QStringLiteral("3,00"));
        trova<QLabel>(a, "guadagno", 2)->show();
        e.p().numerotitoli = 1;
        a.findChild<QAction*>(QStringLiteral("canc"))->trigger();
        cancella& c = e.finestre.finestra<cancella>();
        QVERIFY(c.isVisible());
        trova<QRadioButton>(c, "Option1", 1)->click();
        QVERIFY(!trova<QComboBox>(c, "Combo1")->isEnabled() && !trova<QComboBox>(c, "Combo2")->isEnabled());
        trova<QPushButton>(c, "avanti")->click();
        QVERIFY(e.p().nomititoli[1].isEmpty());
        QVERIFY(e.p().quotazioni(1, 1).isEmpty());
        QCOMPARE(e.p().numerotitoli, 0);
        QVERIFY(trova<QComboBox>(a, "nome", 1)->currentText().isEmpty());   // the grid shows it
        QVERIFY(trova<QLineEdit>(a, "giorno", 1)->text().isEmpty());
        QVERIFY(trova<QLabel>(a, "totaleiniziale")->text().isEmpty());
        QVERIFY(trova<QLabel>(a, "guadagno", 2)->text().isEmpty() && trova<QLabel>(a, "guadagno", 2)->isHidden());
        QCOMPARE(trova<QLabel>(a, "totaleal")->text(), QStringLiteral("quotazioni al"));
        QCOMPARE(trova<QLabel>(a, "totinvestito")->text(), QStringLiteral("investimento al"));
        QVERIFY(!trova<QRadioButton>(c, "Option1", 1)->isChecked());
        QVERIFY(a.isVisible());
    }

    void cancella_titoloedata()
    {
        Ambiente e;
        const char* nomi[] = {"Aem", "Eni", "Fiat"};
        for (int i = 1; i <= 3; ++i) {
            e.p().nomititoli[i] = QString::fromLatin1(nomi[i - 1]);
            for (int c = 1; c <= 3; ++c)
                e.p().quotazioni(c, i) = QStringLiteral("%1%2").arg(i).arg(c);
        }
        for (int c = 1; c <= 3; ++c)
            e.p().datequotazioni[c] = QStringLiteral("0%1/02/99").arg(c);
        frmAzioni& a = e.a();
        a.aggiornatitoli();
        cancella& c = e.finestre.finestra<cancella>();

        trova<QRadioButton>(c, "Option1", 2)->click();
        QVERIFY(trova<QComboBox>(c, "Combo1")->isEnabled() && !trova<QComboBox>(c, "Combo2")->isEnabled());
        QCOMPARE(trova<QComboBox>(c, "Combo1")->count(), 3);
        QVERIFY(trova<QComboBox>(c, "Combo1")->currentText().isEmpty());
        trova<QComboBox>(c, "Combo1")->setCurrentIndex(1);
        trova<QPushButton>(c, "avanti")->click();
        QCOMPARE(e.p().nomititoli[2], QStringLiteral("Fiat"));
        QCOMPARE(e.p().quotazioni(3, 2), QStringLiteral("33"));
        QVERIFY(e.p().nomititoli[3].isEmpty());
        QCOMPARE(trova<QComboBox>(a, "nome", 2)->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 1, 2)->text(), QStringLiteral("31"));

        trova<QRadioButton>(c, "Option1", 3)->click();
        QCOMPARE(trova<QComboBox>(c, "Combo2")->count(), 3);
        trova<QComboBox>(c, "Combo2")->setCurrentIndex(0);
        trova<QPushButton>(c, "avanti")->click();
        QCOMPARE(e.p().datequotazioni[1], QStringLiteral("02/02/99"));
        QCOMPARE(e.p().quotazioni(1, 2), QStringLiteral("32"));
        QVERIFY(e.p().datequotazioni[3].isEmpty());
        QCOMPARE(trova<QLineEdit>(a, "giorno", 1)->text(), QStringLiteral("02/02/99"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 1, 1)->text(), QStringLiteral("12"));

        // Going on with no option chosen, or cancelling, deletes nothing.
        trova<QPushButton>(c, "avanti")->click();
        trova<QRadioButton>(c, "Option1", 2)->click();
        trova<QPushButton>(c, "cmdannulla")->click();
        trova<QPushButton>(c, "avanti")->click();
        QCOMPARE(e.p().nomititoli[1], QStringLiteral("Aem"));
        QCOMPARE(e.p().nomititoli[2], QStringLiteral("Fiat"));
    }

    void uscita()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        e.finestre.finestra<cancella>().show();
        trova<QPushButton>(a, "cmdesci")->click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0],
                 (Messaggio{QStringLiteral("Vuoi uscire da Velno?"),
                            QStringLiteral("Attenzione: i dati non archiviati andranno persi !"), Icona::Domanda,
                            Pulsanti::SiNo}));
        // No: every window stays as it was.
        QVERIFY(a.isVisible());
        QVERIFY(e.finestre.finestra<cancella>().isVisible());
        QCOMPARE(e.fine, 0);

        e.messaggi.risposte.push_back(Risposta::Si);
        a.findChild<QAction*>(QStringLiteral("esci"))->trigger();
        QVERIFY(!e.finestre.azionicaricata());
        QVERIFY(!e.finestre.caricata<cancella>());
        // The splash shows again as the closing screen; its key press ends the program.
        QCOMPARE(e.fine, 0);
        QTest::keyClick(&e.finestre.finestra<frmSplash>(), Qt::Key_Return);
        QCOMPARE(e.fine, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void chiudere_lafinestra_chiede()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        a.close();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].icona, Icona::Domanda);
        QVERIFY(a.isVisible());
    }

    void coloredisfondo()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        QWidget* area = a.centralWidget();
        const QColor prima = area->palette().color(QPalette::Window);
        a.colorare_Click();   // cancelled
        QCOMPARE(area->palette().color(QPalette::Window), prima);
        e.dialoghi.prossimocolore = QColor(10, 120, 200);
        a.pulsante[16]->trigger();
        QCOMPARE(area->palette().color(QPalette::Window), QColor(10, 120, 200));
        QCOMPARE(e.modulo.colore, QColor(10, 120, 200));
        QCOMPARE(e.dialoghi.colorichiesti.size(), 2);
    }

    void aiutoefinestra()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QPushButton>(a, "aiuto")->click();
        const Messaggio m = e.messaggi.registrati.last();
        QCOMPARE(m.titolo, QStringLiteral("Velno: aiuto"));
        QCOMPARE(m.icona, Icona::Informativa);
        const QStringList righe = m.testo.split(u'\r');
        QCOMPARE(righe.size(), 7);
        QCOMPARE(righe[0], QStringLiteral("- Inserire i dati muovendo il cursore con il tasto TAB;"));
        QCOMPARE(righe[4], QStringLiteral("- non digitare nomi di azioni più lunghi di 30 spazi (per una stampa corretta);"));
        a.findChild<QAction*>(QStringLiteral("fin1"))->trigger();
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("E' questa la finestra Azioni."), titolocontrollo, Icona::Esclamativa}));
    }

    void immagini_evidenziate()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        QTest::mouseMove(trova<Immagine>(a, "Image3"), QPoint(10, 10));
        QTRY_VERIFY(trova<Immagine>(a, "Image2")->isVisible() && trova<Immagine>(a, "Image3")->isHidden());
        QTest::mouseMove(trova<Immagine>(a, "bil"), QPoint(10, 10));
        QTRY_VERIFY(trova<Immagine>(a, "Image1")->isVisible());
        QTest::mouseMove(a.centralWidget(), QPoint(2, 2));
        QTRY_VERIFY(trova<Immagine>(a, "Image1")->isHidden() && trova<Immagine>(a, "Image2")->isHidden() && trova<Immagine>(a, "Image4")->isHidden());
        QVERIFY(trova<Immagine>(a, "Image3")->isVisible() && trova<Immagine>(a, "Image5")->isVisible());
        // The ranking picture refuses an empty Portfolio.
        QTest::mouseMove(trova<Immagine>(a, "Image3"), QPoint(10, 10));
        QTRY_VERIFY(trova<Immagine>(a, "Image2")->isVisible());
        QTest::mouseClick(trova<Immagine>(a, "Image2"), Qt::LeftButton);
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("Non esistono titoli da controllare: prelevarli dall'archivio."),
                            titolocontrollo, Icona::Critica}));
    }

    void saldo_cliccato()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        // In the grid's order: quantity and price first, the purchase date last.
        digita(trova<QComboBox>(a, "nome", 1)->lineEdit(), QStringLiteral("Fiat"));
        digita(trova<QLineEdit>(a, "na", 1), QStringLiteral("10"));
        digita(trova<QLineEdit>(a, "prezzo", 1), QStringLiteral("10"));
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("0,00"));
        digita(trova<QLineEdit>(a, "dataacquisto", 1), QStringLiteral("04/01/99"));
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("100,00"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/98"));   // a lira purchase
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("0,05"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
        digita(trova<QLineEdit>(a, "giorno", 3), QStringLiteral("15/03/99"));
        digita(trova<QLineEdit>(a, "valore", 3, 1), QStringLiteral("12.5"));   // typing a quotation runs saldo(3) by itself
        QVERIFY(trova<QLabel>(a, "guadagno", 3)->isVisible());
        trova<QPushButton>(a, "saldo", 3)->click();
        QCOMPARE(trova<QLabel>(a, "totaledatato")->text(), QStringLiteral("125,00"));
        QCOMPARE(trova<QLabel>(a, "totalecorrente")->text(), QStringLiteral("100,00"));
        QCOMPARE(trova<QLabel>(a, "guadagno", 3)->text(), QStringLiteral("25,00"));
        QCOMPARE(trova<QLabel>(a, "guadagno", 3)->palette().color(QPalette::Window), QColor(0, 128, 0));
        QCOMPARE(trova<QLabel>(a, "totaleal")->text(), QStringLiteral("quotazioni al...15/03/99..............euro"));
        QCOMPARE(trova<QLabel>(a, "totinvestito")->text(), QStringLiteral("investimento al 15/03/99............euro"));
        trova<QLineEdit>(a, "valore", 3, 1)->clear();
        digita(trova<QLineEdit>(a, "valore", 3, 1), QStringLiteral("9"));
        QCOMPARE(trova<QLabel>(a, "guadagno", 3)->text(), QStringLiteral("-10,00"));
        QCOMPARE(trova<QLabel>(a, "guadagno", 3)->palette().color(QPalette::Window), QColor(255, 0, 0));
        // A quantity edit runs the last saldo again, and the total cost at once.
        trova<QLineEdit>(a, "na", 1)->clear();
        digita(trova<QLineEdit>(a, "na", 1), QStringLiteral("20"));
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("200,00"));
        QCOMPARE(trova<QLabel>(a, "guadagno", 3)->text(), QStringLiteral("-20,00"));
        // Another column's saldo hides the other marks; one without a date changes nothing.
        digita(trova<QLineEdit>(a, "giorno", 1), QStringLiteral("10/01/99"));
        digita(trova<QLineEdit>(a, "valore", 1, 1), QStringLiteral("11"));
        QVERIFY(trova<QLabel>(a, "guadagno", 1)->isVisible() && trova<QLabel>(a, "guadagno", 3)->isHidden());
        trova<QPushButton>(a, "saldo", 5)->click();
        QVERIFY(trova<QLabel>(a, "guadagno", 1)->isVisible());
        QCOMPARE(trova<QLabel>(a, "totaledatato")->text(), QStringLiteral("220,00"));
    }

    void totali_siallarganoscorrendo()
    {
        Ambiente e;
        e.p().datequotazioni[1] = QStringLiteral("15/03/99");
        for (int i = 1; i <= 25; ++i) {
            e.p().nomititoli[i] = QStringLiteral("T%1").arg(i);
            e.p().quantitatitoli[i] = QStringLiteral("1");
            e.p().prezzititoli[i] = QStringLiteral("1");
            e.p().dateacquisto[i] = QStringLiteral("04/01/99");
            e.p().quotazioni(1, i) = QStringLiteral("2");
        }
        frmAzioni& a = e.a();
        a.aggiornatitoli();
        a.saldo_Click(1);
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("10,00"));
        QCOMPARE(trova<QLabel>(a, "totaledatato")->text(), QStringLiteral("20,00"));
        trova<QScrollBar>(a, "VScroll1")->setValue(16);
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("25,00"));
        QCOMPARE(trova<QLabel>(a, "totaledatato")->text(), QStringLiteral("50,00"));
        QCOMPARE(trova<QLabel>(a, "guadagno", 1)->text(), QStringLiteral("25,00"));
    }

    void nome_troppolungo()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        a.show();
        digita(trova<QComboBox>(a, "nome", 2)->lineEdit(), QString(31, u'a'));
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0],
                 (Messaggio{QStringLiteral("Per una stampa corretta non digitare nomi di azioni più lunghi di 30 caratteri."),
                            titolocontrollo, Icona::Esclamativa}));
        QCOMPARE(e.p().nomititoli[2], QString(31, u'a'));
        // Scrolling over it does not tell it again.
        trova<QScrollBar>(a, "VScroll1")->setValue(2);
        trova<QScrollBar>(a, "VScroll1")->setValue(1);
        QCOMPARE(e.messaggi.registrati.size(), 1);
    }

    void controllo_ogni_chiamanteilsuoesito()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        QSignalSpy grafici(&a, &frmAzioni::aprigrafici);
        // An empty Portfolio fails the check asked from the menu...
        a.findChild<QAction*>(QStringLiteral("contr"))->trigger();
        QCOMPARE(e.messaggi.registrati.last().testo,
                 QStringLiteral("Impossibile proseguire: non è stato inserito nessun dato."));
        // ... and the save that follows, once the data are right, really saves, saying nothing.
        e.p().nomititoli[1] = QStringLiteral("Fiat");
        e.p().quantitatitoli[1] = QStringLiteral("10");
        e.p().prezzititoli[1] = QStringLiteral("10");
        e.p().dateacquisto[1] = QStringLiteral("04/01/99");
        QTemporaryDir d;
        const QString file = d.filePath(QStringLiteral("Velno-azioni-prova"));
        e.dialoghi.prossimofile = file;
        const int prima = e.messaggi.registrati.size();
        a.salva_Click();
        QVERIFY(QFile::exists(file));
        QCOMPARE(e.messaggi.registrati.size(), prima);   // no "correttamente"

        // The charts button opens the charts only after a passed check...
        trova<QPushButton>(a, "avanti")->click();
        QCOMPARE(grafici.count(), 1);
        // ... the data check, from the menu or the toolbar, says so and opens nothing.
        a.findChild<QAction*>(QStringLiteral("contr"))->trigger();
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("I dati sono stati immessi correttamente."), titolocontrollo, Icona::Informativa}));
        e.messaggi.registrati.clear();
        a.pulsante[20]->trigger();
        QCOMPARE(testi(e.messaggi.registrati), QStringList{QStringLiteral("I dati sono stati immessi correttamente.")});
        QCOMPARE(grafici.count(), 1);
        // A failing charts button opens nothing.
        e.p().prezzititoli[1] = QStringLiteral("zero");
        trova<QPushButton>(a, "avanti")->click();
        QCOMPARE(grafici.count(), 1);
    }

    void ordinamenti_dalmenu()
    {
        Ambiente e;
        const char* nomi[] = {"Fiat", "Aem", "Enel"};
        for (int i = 1; i <= 3; ++i) {
            e.p().nomititoli[i] = QString::fromLatin1(nomi[i - 1]);
            e.p().quantitatitoli[i] = QString::number(i);
            e.p().prezzititoli[i] = QStringLiteral("1");
            e.p().dateacquisto[i] = QStringLiteral("04/01/99");
            e.p().quotazioni(1, i) = QStringLiteral("q%1").arg(i);
        }
        frmAzioni& a = e.a();
        a.findChild<QAction*>(QStringLiteral("ordinamentoazioni"))->trigger();
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Aem"));
        QCOMPARE(trova<QComboBox>(a, "nome", 3)->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(trova<QLineEdit>(a, "na", 3)->text(), QStringLiteral("1"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 1, 1)->text(), QStringLiteral("q2"));
        // The check ran first and passed: with no flag set it says nothing.
        QVERIFY(e.messaggi.registrati.isEmpty());
        QCOMPARE(e.p().numerotitoli, 3);

        e.p().datequotazioni[1] = QStringLiteral("15/03/98");
        e.p().datequotazioni[2] = QStringLiteral("01/02/98");
        e.p().quotazioni(2, 1) = QStringLiteral("feb");
        a.pulsante[15]->trigger();
        QCOMPARE(trova<QLineEdit>(a, "giorno", 1)->text(), QStringLiteral("01/02/98"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 1, 1)->text(), QStringLiteral("feb"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 2, 1)->text(), QStringLiteral("q2"));
    }

    void archivio_salvaapriaelimina()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-prova"));
        const QString filtroapri = QStringLiteral("Tutti i file (*.*)|*.*|File Velno-azioni- | Velno-azioni-*");
        const QString filtrosalva = QStringLiteral("File Velno-azioni- | Velno-azioni-*");
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Fiat"));
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
        trova<QLineEdit>(a, "na", 1)->setText(QStringLiteral("10"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("10"));
        for (int j = 1; j <= 3; ++j) {
            trova<QLineEdit>(a, "giorno", j)->setText(QStringLiteral("0%1/02/99").arg(j));
            trova<QLineEdit>(a, "valore", j, 1)->setText(QStringLiteral("1%1").arg(j));
        }
        trova<CasellaTesto>(a, "strategia")->setPlainText(QStringLiteral("tenere, per ora"));
        e.p().notepiano[5] = QStringLiteral("maggio");

        // Save asks for a name the first time...
        e.dialoghi.prossimofile = file;
        a.pulsante[2]->trigger();
        QCOMPARE(e.dialoghi.filechiesti.size(), 1);
        QCOMPARE(e.dialoghi.filechiesti[0], (RichiestaFile{QStringLiteral("Salva file"), filtrosalva, 1}));
        QCOMPARE(e.modulo.azioni.nomefile(), file);
        QVERIFY(QFile::exists(file));
        // ... and not again.
        a.findChild<QAction*>(QStringLiteral("salva"))->trigger();
        QCOMPARE(e.dialoghi.filechiesti.size(), 1);
        // Save As always asks.
        const QString altro = dir.filePath(QStringLiteral("Velno-azioni-altro"));
        e.dialoghi.prossimofile = altro;
        a.findChild<QAction*>(QStringLiteral("salvanome"))->trigger();
        QCOMPARE(e.dialoghi.filechiesti.last(), (RichiestaFile{QStringLiteral("Salva file con nome"), filtrosalva, 1}));
        QCOMPARE(e.modulo.azioni.nomefile(), altro);
        // Cancelled, Save As leaves the file in use as it was.
        e.dialoghi.prossimofile.clear();
        a.salvanome_Click();
        QCOMPARE(e.modulo.azioni.nomefile(), altro);

        // Open into a fresh window state.
        Ambiente f;
        frmAzioni& b = f.a();
        trova<QScrollBar>(b, "HScroll1")->setValue(20);
        trova<QScrollBar>(b, "VScroll1")->setValue(30);
        f.dialoghi.prossimofile = file;
        b.pulsante[1]->trigger();
        QCOMPARE(f.dialoghi.filechiesti.last(), (RichiestaFile{QString(), filtroapri, 2}));
        QCOMPARE(f.modulo.azioni.nomefile(), file);
        QCOMPARE(f.p().numerotitoli, 1);
        QCOMPARE(f.p().numerocolonne, 3);
        QCOMPARE(trova<CasellaTesto>(b, "strategia")->toPlainText(), QStringLiteral("tenere, per ora"));
        QCOMPARE(f.p().notepiano[5], QStringLiteral("maggio"));
        QCOMPARE(b.primotitolo, 1);
        QCOMPARE(trova<QPushButton>(b, "cmdazione", 1)->text(), QStringLiteral("1"));
        QCOMPARE(trova<QComboBox>(b, "nome", 1)->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(b.primacolonna, 3);
        QCOMPARE(trova<QLabel>(b, "Label2")->text(), QStringLiteral("Quotazioni dal n. 3 al n. 7"));
        QCOMPARE(trova<QLineEdit>(b, "giorno", 1)->text(), QStringLiteral("03/02/99"));
        QCOMPARE(trova<QLineEdit>(b, "valore", 1, 1)->text(), QStringLiteral("13"));
        QVERIFY(trova<QLineEdit>(b, "giorno", 2)->text().isEmpty());
        QCOMPARE(trova<QLabel>(b, "totaleiniziale")->text(), QStringLiteral("100,00"));

        // Delete: no confirmation, the Portfolio stays, the name stays in use.
        f.dialoghi.prossimofile = file;
        b.pulsante[4]->trigger();
        QCOMPARE(f.dialoghi.filechiesti.last(), (RichiestaFile{f.modulo.titoloelimina, filtroapri, 2}));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(f.modulo.azioni.nomefile(), file);
        QCOMPARE(f.p().nomititoli[1], QStringLiteral("Fiat"));
        b.salva_Click();   // recreates it
        QVERIFY(QFile::exists(file));
    }

    void archivio_salvataggiorifiutato()
    {
        QTemporaryDir dir;
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Fiat"));   // no purchase date: the check fails
        e.dialoghi.prossimofile = dir.filePath(QStringLiteral("Velno-azioni-x"));
        a.salva_Click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].testo,
                 QStringLiteral("Impossibile proseguire: non è stato inserito nessun dato."));
        QVERIFY(e.dialoghi.filechiesti.isEmpty());
        QVERIFY(!QFile::exists(e.dialoghi.prossimofile));

        // A target that cannot be written is told, naming it.
        trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
        trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("1"));
        const QString cartella = dir.filePath(QStringLiteral("Velno-azioni-cartella"));
        QVERIFY(QDir().mkdir(cartella));
        e.dialoghi.prossimofile = cartella;
        a.salva_Click();
        QCOMPARE(e.messaggi.registrati.last().icona, Icona::Critica);
        QCOMPARE(e.messaggi.registrati.last().titolo, titolocontrollo);
        QVERIFY(e.messaggi.registrati.last().testo.startsWith(QStringLiteral("Impossibile salvare il file \"") + cartella));
        QVERIFY(QFileInfo(cartella).isDir());
    }

    void archivio_aperturarifiutata_data()
    {
        QTest::addColumn<QByteArray>("contenuto");   // empty: no such file
        QTest::addColumn<bool>("annulla");
        QTest::newRow("dialogo annullato") << QByteArray() << true;
        QTest::newRow("file mancante") << QByteArray() << false;
        QTest::newRow("troncato") << QByteArray("2,\"x\",3\r\n\"Fiat\",\"1\"") << false;
        QTest::newRow("conteggi fuori misura") << QByteArray("500,\"x\",3\r\n") << false;
        QTest::newRow("binario") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) << false;
    }
    void archivio_aperturarifiutata()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, annulla);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-rotto"));
        if (!contenuto.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Non salvato"));
        trova<QLineEdit>(a, "valore", 2, 1)->setText(QStringLiteral("7"));
        trova<CasellaTesto>(a, "strategia")->setPlainText(QStringLiteral("appunti"));
        e.p().notetitoli[1] = QStringLiteral("nota");
        e.modulo.azioni.impostanomefile(QStringLiteral("Velno-azioni-prima"));
        e.dialoghi.prossimofile = annulla ? QString() : file;
        a.apri_Click();
        QCOMPARE(e.p().nomititoli[1], QStringLiteral("Non salvato"));
        QCOMPARE(e.p().quotazioni(2, 1), QStringLiteral("7"));
        QCOMPARE(e.p().notetitoli[1], QStringLiteral("nota"));
        QCOMPARE(e.p().strategia, QStringLiteral("appunti"));
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Non salvato"));
        QCOMPARE(e.modulo.azioni.nomefile(), QStringLiteral("Velno-azioni-prima"));
        if (annulla) {
            QVERIFY(e.messaggi.registrati.isEmpty());
            return;
        }
        QCOMPARE(e.messaggi.registrati.size(), 1);
        const Messaggio m = e.messaggi.registrati[0];
        QCOMPARE(m.icona, Icona::Critica);
        QCOMPARE(m.titolo, titolocontrollo);
        QVERIFY2(m.testo.contains(file), qPrintable(m.testo));
    }

    void aprischeda_provailportafoglio()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        singola& s = e.finestre.finestra<singola>();
        s.titoloscheda = 7;
        s.colonnascheda = 9;
        a.findChild<QAction*>(QStringLiteral("fin2"))->trigger();   // no holdings: left as it was
        QCOMPARE(s.titoloscheda, 7);
        QCOMPARE(s.colonnascheda, 9);
        e.p().numerotitoli = 2;
        a.pulsante[7]->trigger();
        QCOMPARE(s.titoloscheda, 1);
        QCOMPARE(s.colonnascheda, 1);
    }

    void scheda_senzadati()
    {
        Ambiente e;
        frmAzioni& a = e.a();
        trova<QPushButton>(a, "cmdazione", 4)->click();
        // Refused, the card is neither shown nor moved to the row.
        QVERIFY(!e.finestre.caricata<singola>());
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("Non esistono dati da visualizzare."), titolocontrollo, Icona::Critica}));
    }
};

QTEST_MAIN(TestFrmAzioni)
#include "test_frmazioni.moc"
