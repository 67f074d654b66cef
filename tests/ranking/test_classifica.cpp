#include "didascalie.h"
#include "ambiente.h"
#include "doppi.h"
#include "portfolio/frmazioni.h"
#include "ranking/classifica.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "shell/immagini.h"
#include "controlli.h"
#include "colonne.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextTable>

namespace {
struct Ambiente : AmbienteFinestre {
    classifica& c() { return finestre.finestra<classifica>(); }

    // Holdings named A, B, ... quoted column by column; the columns dated 01/02/99, 02/02/99, ...
    void riempi(const QList<QStringList>& quotazioni, int colonne)
    {
        for (int c = 1; c <= colonne; ++c)
            p().datequotazioni[c] = QStringLiteral("%1/02/99").arg(c, 2, 10, QLatin1Char('0'));
        for (int h = 1; h <= quotazioni.size(); ++h) {
            p().nomititoli[h] = QString(QChar(u'A' + h - 1));
            for (int c = 1; c <= quotazioni[h - 1].size(); ++c)
                p().quotazioni(c, h) = quotazioni[h - 1][c - 1];
        }
        p().numerotitoli = int(quotazioni.size());
        p().numerocolonne = colonne;
    }
};

QStringList riga(classifica& c, int i)
{
    return {trova<QLabel>(c, "numero", i)->text(), trova<QLabel>(c, "Label1", i)->text(), trova<QLabel>(c, "Label2", i)->text()};
}
} // namespace

class TestClassifica : public QObject {
    Q_OBJECT
private slots:
    void allavvio()
    {
        Ambiente e;
        classifica& c = e.c();
        QCOMPARE(c.windowTitle(),
                 QStringLiteral("Velno: graduatoria degli incrementi periodici dei titoli archiviati (finestra n.3 di 7)"));
        QCOMPARE(c.size(), QSize(640, 455));
        QCOMPARE(didascalietroncate(&c), QStringList());
        c.resize(400, 300);   // captions would be cut below the design size
        QCOMPARE(c.size(), QSize(640, 455));
        QCOMPARE(trova<QLabel>(c, "passo")->text(),
                 QStringLiteral("cliccare sulle singole barre di scorrimento per visualizzare i dati successivi"));
        for (int i = 1; i <= 15; ++i)
            QCOMPARE(riga(c, i), (QStringList{"", "", ""}));
    }

    // A 10 -> 12, B 8 -> 6, C never quoted at the end: green, yellow, red.
    void graduatoria_colori()
    {
        Ambiente e;
        e.riempi({{"10", "12"}, {"8", "6"}, {"7"}}, 2);
        classifica& c = e.c();
        trova<QScrollBar>(c, "HScroll1")->setValue(2);
        QCOMPARE(riga(c, 1), (QStringList{"1", "A", "20"}));
        QCOMPARE(riga(c, 2), (QStringList{"2", "C", "0"}));
        QCOMPARE(riga(c, 3), (QStringList{"3", "B", "-25"}));
        QCOMPARE(riga(c, 4), (QStringList{"4", "", ""}));
        const QColor fondi[] = {QColor(0, 128, 0), QColor(255, 255, 0), QColor(255, 0, 0), QColor(255, 255, 0)};
        const QColor testi[] = {QColor(255, 255, 0), Qt::black, QColor(255, 255, 0), Qt::black};
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(trova<QLabel>(c, "Label2", i)->palette().color(QPalette::Window), fondi[i - 1]);
            QCOMPARE(trova<QLabel>(c, "Label2", i)->palette().color(QPalette::WindowText), testi[i - 1]);
        }
        QCOMPARE(trova<QLabel>(c, "Label4")->text(), QStringLiteral("incrementi dal giorno 01/02/99 al giorno 02/02/99"));
        QCOMPARE(trova<QLabel>(c, "Label6")->text(), QStringLiteral("quotazione finale n. 2 del giorno 02/02/99"));
    }

    // The ranking on screen follows the Portfolio: a sort ranks the same holdings again, a
    // clear leaves no holding of the old one, without a message.
    void segueilportafoglio()
    {
        Ambiente e;
        e.riempi({{"10", "12"}, {"8", "6"}, {"7"}}, 2);
        e.p().nomititoli[1] = QStringLiteral("Z");
        classifica& c = e.c();
        trova<QScrollBar>(c, "HScroll1")->setValue(2);
        QCOMPARE(riga(c, 1), (QStringList{"1", "Z", "20"}));
        e.modulo.azioni.ordinaperazioni();
        QCOMPARE(riga(c, 1), (QStringList{"1", "Z", "20"}));
        QCOMPARE(riga(c, 3), (QStringList{"3", "B", "-25"}));
        e.modulo.azioni.svuota();
        for (int i = 1; i <= 3; ++i)
            QVERIFY2(trova<QLabel>(c, "Label1", i)->text().isEmpty() && trova<QLabel>(c, "Label2", i)->text().isEmpty(), qPrintable(riga(c, i).join(u' ')));
        QVERIFY(trova<QLabel>(c, "Label4")->text().isEmpty());
        QVERIFY(e.messaggi.registrati.isEmpty());
    }

    void sceltecolscorrimento_euro()
    {
        Ambiente e;
        e.riempi({{"", "10000", "", "5.5"}}, 4);
        e.p().datequotazioni[2] = QStringLiteral("15/12/98");
        e.p().datequotazioni[4] = QStringLiteral("05/01/99");
        classifica& c = e.c();
        trova<QScrollBar>(c, "VScroll2")->setValue(2);   // no final yet: it becomes column 3
        QCOMPARE(c.stato.quotazionefinale, 3);
        trova<QScrollBar>(c, "VScroll3")->setValue(4);
        QCOMPARE(trova<QLabel>(c, "Label2", 1)->text(), QStringLiteral("6,49"));
        QCOMPARE(trova<QLabel>(c, "Label4")->text(), QStringLiteral("incrementi dal giorno 15/12/98 al giorno 05/01/99"));
    }

    void barraorizzontale_dallelireaglieuro_data()
    {
        colonne<QString, QString, QString>("prima", "data", "atteso");
        QTest::newRow("04/01/99") << "31/12/98" << "04/01/99" << "6,49";
        // A first euro column of another day converts too (it read -99,95).
        QTest::newRow("29/01/99") << "31/12/98" << "29/01/99" << "6,49";
        QTest::newRow("in euro") << "04/01/99" << "05/01/99" << "-99,94";   // -99.945: halves go upward
    }
    void barraorizzontale_dallelireaglieuro()
    {
        QFETCH(QString, prima);
        QFETCH(QString, data);
        QFETCH(QString, atteso);
        Ambiente e;
        e.riempi({{"1", "1", "1", "1", "1", "10000", "5.5"}}, 7);
        e.p().datequotazioni[6] = prima;
        e.p().datequotazioni[7] = data;
        classifica& c = e.c();
        trova<QScrollBar>(c, "HScroll1")->setValue(7);
        QCOMPARE(trova<QLabel>(c, "Label2", 1)->text(), atteso);
    }

    void finalesceltaperprima()
    {
        Ambiente e;
        e.riempi({{"1", "2", "3", "4", "5"}}, 5);
        classifica& c = e.c();
        trova<QScrollBar>(c, "VScroll3")->setValue(5);
        QCOMPARE(c.stato.quotazioneiniziale, 4);
        QCOMPARE(trova<QLabel>(c, "Label4")->text(), QStringLiteral("incrementi dal giorno 04/02/99 al giorno 05/02/99"));
        QCOMPARE(trova<QLabel>(c, "Label2", 1)->text(), QStringLiteral("25"));
    }

    void correzionidellescelte()
    {
        Ambiente e;
        e.riempi({{"1", "2", "3", "4", "5"}}, 5);
        classifica& c = e.c();
        trova<QScrollBar>(c, "VScroll3")->setValue(4);               // initial 3, final 4
        // A chooser that puts itself right draws a ranking, and its hint no longer tells to move.
        const QString iniziale = QStringLiteral("cliccare per scegliere il giorno della quotazione iniziale");
        const QString finale = QStringLiteral("cliccare per scegliere il giorno della quotazione finale");
        trova<QScrollBar>(c, "VScroll2")->setValue(6);               // at or after the final: steps back to 3
        QCOMPARE(trova<QScrollBar>(c, "VScroll2")->value(), 3);
        QCOMPARE(trova<QLabel>(c, "Label5")->text(), iniziale);
        trova<QScrollBar>(c, "VScroll3")->setValue(2);               // at or before the initial: steps forward to 4
        QCOMPARE(trova<QScrollBar>(c, "VScroll3")->value(), 4);
        QCOMPARE(trova<QLabel>(c, "Label7")->text(), finale);
        trova<QScrollBar>(c, "VScroll3")->setValue(9);               // undated: steps back to the last dated one
        QCOMPARE(trova<QScrollBar>(c, "VScroll3")->value(), 5);
        QCOMPARE(trova<QLabel>(c, "Label7")->text(), finale);
        QCOMPARE(trova<QLabel>(c, "Label4")->text(), QStringLiteral("incrementi dal giorno 03/02/99 al giorno 05/02/99"));
        // With the initial on the last dated column, a step back onto it would send the
        // chooser forward again, and back, without end: it stays, and says so.
        trova<QScrollBar>(c, "VScroll3")->setValue(4);
        QCOMPARE(trova<QLabel>(c, "Label7")->text(), QStringLiteral("cliccare per scegliere il giorno della quotazione finale"));
        trova<QScrollBar>(c, "HScroll1")->setValue(6);               // initial 5, final 6 undated
        trova<QScrollBar>(c, "VScroll3")->setValue(6);
        QCOMPARE(trova<QScrollBar>(c, "VScroll3")->value(), 6);
        QCOMPARE(trova<QLabel>(c, "Label7")->text(), QStringLiteral("andare indietro"));
    }

    void nondisponibile_eprimacolonna()
    {
        Ambiente e;
        e.riempi({{"10", "12"}, {"8", "6"}}, 2);
        classifica& c = e.c();
        trova<QScrollBar>(c, "HScroll1")->setValue(2);
        trova<QScrollBar>(c, "HScroll1")->setValue(7);
        QCOMPARE(trova<QLabel>(c, "Label6")->text(), QStringLiteral("quotazione finale n. 7 (non disponibile)"));
        QCOMPARE(riga(c, 1), (QStringList{"1", "A", "20"}));
        trova<QScrollBar>(c, "VScroll1")->setValue(2);
        trova<QScrollBar>(c, "VScroll1")->setValue(1);
        QCOMPARE(riga(c, 2), (QStringList{"2", "B", "-25"}));
        QVERIFY(e.messaggi.registrati.isEmpty());
        trova<QScrollBar>(c, "HScroll1")->setValue(1);
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].testo, QStringLiteral("Non esistono ulteriori quotazioni da esaminare."));
        QCOMPARE(e.messaggi.registrati[0].icona, Icona::Esclamativa);
    }

    void ventititoli_scorrere()
    {
        Ambiente e;
        QList<QStringList> q;
        for (int h = 1; h <= 20; ++h)
            q << QStringList{"100", QString::number(200 - h)};   // A ranks first, T last
        e.riempi(q, 2);
        classifica& c = e.c();
        trova<QScrollBar>(c, "HScroll1")->setValue(2);
        trova<QScrollBar>(c, "VScroll1")->setValue(6);
        QCOMPARE(riga(c, 1), (QStringList{"6", "F", "94"}));
        QCOMPARE(riga(c, 15), (QStringList{"20", "T", "80"}));
        trova<QScrollBar>(c, "VScroll1")->setValue(10);
        QCOMPARE(riga(c, 11), (QStringList{"20", "T", "80"}));
        QCOMPARE(riga(c, 12), (QStringList{"21", "", ""}));
        QCOMPARE(trova<QLabel>(c, "Label2", 12)->palette().color(QPalette::Window), QColor(255, 255, 0));
    }

    void dallafinestraazioni()
    {
        Ambiente e;
        frmAzioni& a = e.finestre.azioni();
        a.Image2_Click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].testo, QStringLiteral("Non esistono titoli da controllare: prelevarli dall'archivio."));
        QCOMPARE(e.messaggi.registrati[0].icona, Icona::Critica);
        QVERIFY(!e.finestre.caricata<classifica>());

        e.riempi({{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, {"2", "2", "2", "2", "2", "2", "2", "2", "2", "1"}}, 10);
        e.p().numerocolonne = 12;   // two columns counted but not dated
        a.Image2_Click();
        classifica& c = e.c();
        QVERIFY(c.isVisible());
        QCOMPARE(trova<QLabel>(c, "Label6")->text(), QStringLiteral("quotazione finale n. 10 del giorno 10/02/99"));
        QCOMPARE(trova<QLabel>(c, "Label4")->text(), QStringLiteral("incrementi dal giorno 09/02/99 al giorno 10/02/99"));
        QCOMPARE(riga(c, 1), (QStringList{"1", "A", "11,11"}));
        QCOMPARE(riga(c, 2), (QStringList{"2", "B", "-50"}));

        // The menu item only shows the window as it is.
        c.hide();
        a.findChild<QAction*>(QStringLiteral("fin3"))->trigger();
        QVERIFY(c.isVisible());
        QCOMPARE(trova<QLabel>(c, "Label6")->text(), QStringLiteral("quotazione finale n. 10 del giorno 10/02/99"));
    }

    void stampa_eaiuto()
    {
        Ambiente e;
        e.riempi({{"10", "12"}, {"8", "6"}}, 2);
        classifica& c = e.c();
        trova<QScrollBar>(c, "HScroll1")->setValue(2);
        trova<QPushButton>(c, "stampa")->click();
        QCOMPARE(trova<QLabel>(c, "passo")->text(), QStringLiteral("ho visualizzato i dati su WORD"));
        QCOMPARE(e.finestre.documenti().size(), 1);
        QVERIFY(e.finestre.documenti().constFirst()->documento()->toPlainText().contains(
            QStringLiteral("Classifica dei titoli (incrementi dal giorno 01/02/99 al giorno 02/02/99)")));

        trova<QPushButton>(c, "aiuto")->click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].titolo, QStringLiteral("Velno: aiuto"));
        QCOMPARE(e.messaggi.registrati[0].testo.count(u'\r'), 3);
        QVERIFY(e.messaggi.registrati[0].testo.startsWith(QStringLiteral("- La finestra è di sola lettura;\r")));
    }
};

QTEST_MAIN(TestClassifica)
#include "test_classifica.moc"
