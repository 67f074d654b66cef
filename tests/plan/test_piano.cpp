#include "didascalie.h"
#include "ambiente.h"
#include "doppi.h"
#include "plan/piano.h"
#include "portfolio/frmazioni.h"
#include "portfolio/cancella.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/casellatesto.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "celle.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextTable>

namespace {
struct Ambiente : AmbienteFinestre {
    piano& w() { return finestre.finestra<piano>(); }
};

QString righeunix(QString t) { return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
} // namespace

class TestPiano : public QObject {
    Q_OBJECT
private slots:
    void allavvio()
    {
        Ambiente e;
        piano& w = e.w();
        QCOMPARE(w.windowTitle(), QStringLiteral("Velno: piano strategico (finestra n.7 di 7)"));
        QCOMPARE(w.size(), QSize(640, 455));
        QCOMPARE(didascalietroncate(&w), QStringList());
        w.resize(400, 300);   // captions would be cut below the design size
        QCOMPARE(w.size(), QSize(640, 455));
        QCOMPARE(trova<QLabel>(w, "label2", 0)->text(), QStringLiteral("intero anno"));
        QCOMPARE(trova<QLabel>(w, "label2", 9)->text(), QStringLiteral("settembre"));
        QCOMPARE(trova<CasellaTesto>(w, "Text1", 0)->toolTip(), QStringLiteral("piano strategico per l'intero anno"));
        QCOMPARE(trova<CasellaTesto>(w, "Text1", 3)->toolTip(), QStringLiteral("appunti per il mese di marzo"));
        QCOMPARE(trova<QLabel>(w, "passo")->text(), QStringLiteral("gli appunti vengono archiviati insieme ai dati delle azioni"));
        // The free stand-ins are the fonts actually drawn.
        QCOMPARE(QFontInfo(trova<CasellaTesto>(w, "Text1", 12)->font()).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QFontInfo(trova<QLabel>(w, "label2", 12)->font()).family(), QStringLiteral("Comic Neue"));
        QCOMPARE(QFontInfo(trova<QLabel>(w, "passo")->font()).family(), QStringLiteral("Comic Neue"));
    }

    void digitare_eriaprire()
    {
        Ambiente e;
        frmAzioni& a = e.finestre.azioni();
        e.p().notepiano[5] = QStringLiteral("letto dall'archivio");
        a.Image4_Click();
        piano& w = e.w();
        QVERIFY(w.isVisible());
        QCOMPARE(trova<CasellaTesto>(w, "Text1", 5)->toPlainText(), QStringLiteral("letto dall'archivio"));
        trova<CasellaTesto>(w, "Text1", 3)->setFocus();
        QTest::keyClicks(trova<CasellaTesto>(w, "Text1", 3), QStringLiteral("comprare"));
        QTest::keyClick(trova<CasellaTesto>(w, "Text1", 3), Qt::Key_Return);
        QTest::keyClicks(trova<CasellaTesto>(w, "Text1", 3), QStringLiteral("Eni"));
        QCOMPARE(e.p().notepiano[3], QStringLiteral("comprare\nEni"));
        QTest::keyClick(trova<CasellaTesto>(w, "Text1", 3), Qt::Key_Tab);   // TAB goes on to the next note
        QCOMPARE(e.p().notepiano[3], QStringLiteral("comprare\nEni"));

        w.hide();
        // The plan follows its notes, whoever changes them.
        e.modulo.azioni.impostanotapiano(3, QStringLiteral("da Eni a Enel"));
        QCOMPARE(trova<CasellaTesto>(w, "Text1", 3)->toPlainText(), QStringLiteral("da Eni a Enel"));
        e.modulo.azioni.impostanotapiano(3, QStringLiteral("comprare\nEni"));
        a.Image4_Click();
        QCOMPARE(trova<CasellaTesto>(w, "Text1", 3)->toPlainText(), QStringLiteral("comprare\nEni"));
        QCOMPARE(trova<QLabel>(w, "label2", 3)->text(), QStringLiteral("marzo"));

        // Clearing every holding leaves the plan alone.
        cancella& c = e.finestre.finestra<cancella>();
        trova<QRadioButton>(c, "Option1", 1)->click();
        trova<QPushButton>(c, "avanti")->click();
        QCOMPARE(e.p().notepiano[3], QStringLiteral("comprare\nEni"));
        QCOMPARE(trova<CasellaTesto>(w, "Text1", 3)->toPlainText(), QStringLiteral("comprare\nEni"));
    }

    void incollare_appuntivuoti()
    {
        Ambiente e;
        piano& w = e.w();
        w.show();
        appuntivuoti();
        for (int i = 0; i <= 12; ++i) {
            CasellaTesto* t = trova<CasellaTesto>(w, "Text1", i);
            t->setFocus();
            QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
            QVERIFY(t->toPlainText().isEmpty());
        }
    }

    // The plan has no menu: Ctrl+Z and Ctrl+Y are its keys, over the Portfolio's history.
    void annullaeripeti()
    {
        Ambiente e;
        piano& w = e.w();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        CasellaTesto* marzo = trova<CasellaTesto>(w, "Text1", 3);
        marzo->setFocus();
        QTest::keyClicks(marzo, QStringLiteral("comprare"));
        QCOMPARE(e.p().notepiano[3], QStringLiteral("comprare"));
        QTest::keyClick(marzo, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(marzo->toPlainText().isEmpty());
        QVERIFY(e.p().notepiano[3].isEmpty());
        QTest::keyClick(marzo, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(marzo->toPlainText(), QStringLiteral("comprare"));
    }

    void stampa()
    {
        Ambiente e;
        piano& w = e.w();
        trova<QPushButton>(w, "stampa")->click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0],
                 (Messaggio{QStringLiteral("Immettere prima i dati."), QStringLiteral("Velno: stampa dati finestra"),
                            Icona::Esclamativa}));
        QVERIFY(e.finestre.documenti().isEmpty());

        trova<CasellaTesto>(w, "Text1", 12)->setPlainText(QStringLiteral("vendere tutto"));
        trova<QPushButton>(w, "stampa")->click();
        QCOMPARE(trova<QLabel>(w, "passo")->text(), QStringLiteral("ho visualizzato i dati su WORD"));
        QCOMPARE(e.finestre.documenti().size(), 1);
        QTextDocument* d = e.finestre.documenti().constFirst()->documento();
        QVERIFY(d->toPlainText().startsWith(
            QStringLiteral("VELNO\n(programma per la gestione dei titoli di velno)\n\nPiano strategico")));
        QTextTable* t = primatabella(d);
        QVERIFY(t);
        QCOMPARE(t->rows(), 14);
        QCOMPARE(t->columns(), 2);
        QCOMPARE(cella(t, 1, 1), QStringLiteral("periodo"));
        QCOMPARE(cella(t, 1, 2), QStringLiteral("strategia"));
        QCOMPARE(cella(t, 2, 1), QStringLiteral("intero anno"));
        for (int r = 2; r <= 13; ++r)
            QVERIFY(cella(t, r, 2).isEmpty());
        QCOMPARE(cella(t, 14, 1), QStringLiteral("dicembre"));
        QCOMPARE(cella(t, 14, 2), QStringLiteral("vendere tutto"));
        QCOMPARE(t->cellAt(13, 1).firstCursorPosition().charFormat().fontPointSize(), 10.0);
        QVERIFY(t->cellAt(0, 1).format().background().style() != Qt::NoBrush);
    }

    void archivio_salvaeapre()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-piano"));
        {
            Ambiente e;
            frmAzioni& a = e.finestre.azioni();
            trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Eni"));
            trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
            trova<QLineEdit>(a, "na", 1)->setText(QStringLiteral("10"));
            trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("10"));
            a.Image4_Click();
            piano& w = e.w();
            for (int i = 0; i <= 12; ++i)
                trova<CasellaTesto>(w, "Text1", i)->setPlainText(QStringLiteral("nota %1, \"prima\"\nriga due").arg(i));
            trova<CasellaTesto>(w, "Text1", 7)->clear();
            e.dialoghi.prossimofile = file;
            a.salva_Click();
            QVERIFY(QFile::exists(file));
        }
        Ambiente f;
        f.dialoghi.prossimofile = file;
        f.finestre.azioni().apri_Click();
        QVERIFY(f.finestre.caricata<piano>());   // filled, not shown
        QVERIFY(!f.w().isVisible());
        for (int i = 0; i <= 12; ++i) {
            const QString attesa = i == 7 ? QString() : QStringLiteral("nota %1, \"prima\"\nriga due").arg(i);
            QCOMPARE(righeunix(f.p().notepiano[std::size_t(i)]), attesa);
            QCOMPARE(righeunix(trova<CasellaTesto>(f.w(), "Text1", i)->toPlainText()), attesa);
        }
    }
};

QTEST_MAIN(TestPiano)
#include "test_piano.moc"
