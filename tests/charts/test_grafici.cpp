#include "charts/grafici.h"
#include "charts/grafico.h"
#include "didascalie.h"
#include "ambiente.h"
#include "doppi.h"
#include "portfolio/archivio.h"
#include "portfolio/frmazioni.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "colonne.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QToolTip>

namespace {
const QString titolocontrollo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");
const QString titoloaiuto = QStringLiteral("Velno: aiuto in linea");
const QString successive = QStringLiteral("Non esistono quotazioni successive.");

QString data(int c) { return QDate(1999, 1, 4).addDays(7 * c).toString(QStringLiteral("dd/MM/yy")); }

struct Ambiente : AmbienteFinestre {
    grafici& g() { return finestre.finestra<grafici>(); }
    GrigliaGrafico& griglia() { return trova<Grafico>(g(), "MSChart1")->griglia(); }

    // Holdings that pass the input check, over `colonne` dated columns.
    void riempi(int titoli, int colonne)
    {
        for (int i = 1; i <= titoli; ++i) {
            p().nomititoli[i] = QStringLiteral("Titolo %1").arg(i);
            p().quantitatitoli[i] = QStringLiteral("%1").arg(10 * i);
            p().prezzititoli[i] = QStringLiteral("5");
            p().dateacquisto[i] = QStringLiteral("04/01/99");
            for (int c = 1; c <= colonne; ++c)
                p().quotazioni(c, i) = QString::number(5 + i * 3 + c % 4);
        }
        for (int c = 1; c <= colonne; ++c)
            p().datequotazioni[c] = data(c);
        p().numerotitoli = titoli;
        p().numerocolonne = colonne;
    }
    QStringList date()
    {
        QStringList d;
        for (int r = 1; r <= griglia().righe(); ++r)
            d << griglia().etichettariga(r);
        return d;
    }
};

QStringList datecolonne(int da, int a)
{
    QStringList d;
    for (int c = da; c <= a; ++c)
        d << data(c);
    return d;
}

int pixeldi(const QImage& img, const QColor& c, const QRect& zona)
{
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) + qAbs(p.green() - c.green()) + qAbs(p.blue() - c.blue()) <= 12)
                ++n;
        }
    return n;
}

// What a picture of the chart must show: something drawn, each series' colour in the plot
// (left of the legend on the right).
void controllaimmagine(const QImage& img, int serie)
{
    QVERIFY(!img.isNull());
    const QRect grafico(0, 0, img.width() * 70 / 100, img.height());
    QVERIFY(pixeldi(img, Qt::white, img.rect()) < img.width() * img.height() * 95 / 100);
    for (int c = 1; c <= serie; ++c)
        QVERIFY2(pixeldi(img, coloreserie(c), grafico) > 15, qPrintable(QStringLiteral("serie %1").arg(c)));
}
} // namespace

class TestGrafici : public QObject {
    Q_OBJECT
private slots:
    void allavvio()
    {
        Ambiente e;
        grafici& g = e.g();
        QCOMPARE(g.windowTitle(), QStringLiteral("Velno: grafici dell'andamento delle azioni"));
        QCOMPARE(g.size(), QSize(640, 455));
        g.show();
        QVERIFY(trova<Grafico>(g, "MSChart1")->isHidden());   // nothing to chart
        QCOMPARE(didascalietroncate(&g), QStringList());
        g.resize(400, 300);   // captions would be cut below the design size
        QCOMPARE(g.size(), QSize(640, 455));
        QCOMPARE(trova<QScrollBar>(g, "HScroll1")->minimum(), 1);
        QCOMPARE(trova<QScrollBar>(g, "HScroll1")->maximum(), 291);
        const QList<QPair<QPushButton*, QString>> tipi = {
            {trova<QPushButton>(g, "cmdbarre"), "cliccare per visualizzare un grafico a barre"},
            {trova<QPushButton>(g, "cmdtorta"), "cliccare per visualizzare un grafico a torta"},
            {trova<QPushButton>(g, "cmdlinee"), "cliccare per visualizzare un grafico a linee"},
            {trova<QPushButton>(g, "cmd3darea"), "cliccare per visualizzare un grafico ad area a tre dimensioni"},
            {trova<QPushButton>(g, "cmdlinee3d"), "cliccare per visualizzare un grafico a linee a tre dimensioni"},
            {trova<QPushButton>(g, "cmdbarre3d"), "cliccare per visualizzare un grafico a barre a tre dimensioni"},
            {trova<QPushButton>(g, "cmd3dstep"), "cliccare per visualizzare un grafico a passo a tre dimensioni"}};
        for (const auto& [b, suggerimento] : tipi) {
            QCOMPARE(b->toolTip(), suggerimento);
            QVERIFY(b->text().isEmpty());
            QVERIFY(!b->icon().isNull());
        }
        QCOMPARE(g.Toolbar1->actions().count() - 5, 22);
        QCOMPARE(g.pulsante[10]->toolTip(), QStringLiteral("singolo titolo"));
        QCOMPARE(g.pulsante[15]->toolTip(), QStringLiteral("quotazioni periodiche della serie di titoli"));
        QCOMPARE(g.pulsante[21]->toolTip(), QStringLiteral("cancella dati finestra"));
        QStringList menu;
        for (QAction* m : g.menuBar()->actions())
            menu << m->text();
        QCOMPARE(menu, (QStringList{"&File", "&Modifica", "&Visualizza", "&?"}));
        QCOMPARE(g.findChild<QAction*>(QStringLiteral("stampa"))->text(), QStringLiteral("S&tampa grafico"));
        QCOMPARE(g.findChild<QAction*>(QStringLiteral("quotazdestra"))->text(), QStringLiteral("Colonna successiva di quotazioni"));
        QCOMPARE(g.findChild<QAction*>(QStringLiteral("finestra5"))->text(), QStringLiteral("Fi&nestra  n.6 di 7"));
        // The chart follows the window's size.
        const QRect prima = trova<Grafico>(g, "MSChart1")->geometry();
        g.resize(1280, g.height());
        QCoreApplication::processEvents();
        QCOMPARE(trova<Grafico>(g, "MSChart1")->width(), 2 * prima.width());
    }

    void settetipi_data()
    {
        colonne<QString, int, QString>("pulsante", "tipo", "titolo");
        QTest::newRow("barre") << "cmdbarre" << 1 << "Andamento quotazioni con grafico a barre";
        QTest::newRow("torta") << "cmdtorta" << 14 << "Patrimonio azionario (dimensioni e percentuali)";
        QTest::newRow("linee") << "cmdlinee" << 3 << "Andamento quotazioni con grafico a linee";
        QTest::newRow("area 3D") << "cmd3darea" << 4 << "Andamento quotazioni con grafico ad area su 3 dimensioni";
        QTest::newRow("nastro 3D") << "cmdlinee3d" << 2 << "Andamento quotazioni con grafico a nastro su 3 dimensioni";
        QTest::newRow("barre 3D") << "cmdbarre3d" << 0 << "Andamento quotazioni con grafico a barre su 3 dimensioni";
        QTest::newRow("passo 3D") << "cmd3dstep" << 6 << "Andamento quotazioni con grafico a passo su 3 dimensioni";
    }
    void settetipi()
    {
        QFETCH(QString, pulsante);
        QFETCH(int, tipo);
        QFETCH(QString, titolo);
        Ambiente e;
        e.riempi(3, 6);
        e.p().quotazioni(4, 2).clear();
        grafici& g = e.g();
        g.show();
        g.findChild<QPushButton*>(pulsante)->click();
        QVERIFY(e.messaggi.registrati.isEmpty());
        QCOMPARE(int(e.griglia().tipo()), tipo);
        QCOMPARE(e.griglia().titolo(), titolo);
        QCOMPARE(e.g().regole().modografico, 2);
        QVERIFY(trova<Grafico>(g, "MSChart1")->isVisible());
        QCOMPARE(trova<Grafico>(g, "MSChart1")->vista()->isVisible(), !tipo3d(TipoGrafico(tipo)));
        if (trova<Grafico>(g, "MSChart1")->vista()->isVisible())
            QCOMPARE(trova<Grafico>(g, "MSChart1")->vista()->size(), trova<Grafico>(g, "MSChart1")->size());
        QCoreApplication::processEvents();
        controllaimmagine(trova<Grafico>(g, "MSChart1")->grab().toImage(), 3);
        // The print's picture, larger, shows the same.
        controllaimmagine(trova<Grafico>(g, "MSChart1")->immagine(QSize(720, 440)), 3);
    }

    void graficosostituito_vieneliberato()
    {
        Grafico c;
        QPointer<QChart> precedente = c.vista()->chart();   // the view's own empty one
        for (TipoGrafico t : {TipoGrafico::Linee, TipoGrafico::Barre3D, TipoGrafico::Torta}) {
            c.griglia().impostatipo(t);
            c.griglia().dimensiona(2, 2);
            c.griglia().impostadato(1, 1, 5);
            c.griglia().impostavisibile(true);
            c.aggiorna();
            if (tipo3d(t))
                continue;
            QVERIFY2(precedente.isNull(), "the chart the view no longer shows is still alive");
            precedente = c.vista()->chart();
        }
    }

    void tipo_inmodotitolo_passaalsuccessivo()
    {
        Ambiente e;
        e.riempi(3, 4);
        grafici& g = e.g();
        g.pulsante[10]->trigger();
        QCOMPARE(e.griglia().etichettacolonna(1), QStringLiteral("Titolo 1"));
        trova<QPushButton>(g, "cmdbarre3d")->click();
        QCOMPARE(e.griglia().colonne(), 1);
        QCOMPARE(e.griglia().etichettacolonna(1), QStringLiteral("Titolo 2"));
        g.pulsante[15]->trigger();
        QCOMPARE(e.griglia().colonne(), 3);
        trova<QPushButton>(g, "cmdtorta")->click();
        QCOMPARE(e.griglia().colonne(), 3);
        QCOMPARE(e.griglia().dato(1, 3), (5 + 9 + 1) * 30 * 1936.27);
    }

    void barradiscorrimento()
    {
        Ambiente e;
        e.riempi(3, 25);
        grafici& g = e.g();
        g.show();
        trova<QScrollBar>(g, "HScroll1")->setValue(20);
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0], (Messaggio{successive, titolocontrollo, Icona::Informativa}));
        QCOMPARE(trova<QScrollBar>(g, "HScroll1")->value(), 16);
        QCOMPARE(e.g().regole().primacolonna, 16);
        QCOMPARE(e.date(), datecolonne(16, 25));
        QVERIFY(trova<Grafico>(g, "MSChart1")->isVisible());

        // Fewer than 10 columns: one word, and the chart from column 1.
        Ambiente f;
        f.riempi(2, 5);
        trova<QScrollBar>(f.g(), "HScroll1")->setValue(3);
        QCOMPARE(f.messaggi.registrati.size(), 1);
        QCOMPARE(trova<QScrollBar>(f.g(), "HScroll1")->value(), 1);
        QCOMPARE(f.date(), datecolonne(1, 5));

        // Pressed beside the slider, the bar steps; the message's box takes the mouse, so
        // the button never comes up for the bar: it must not go on stepping by itself.
        f.g().show();
        QScrollBar* barra = trova<QScrollBar>(f.g(), "HScroll1");
        QTest::mousePress(barra, Qt::LeftButton, {}, QPoint(barra->width() - 40, barra->height() / 2));
        QCOMPARE(f.messaggi.registrati.size(), 2);
        QTest::qWait(900);
        QCOMPARE(f.messaggi.registrati.size(), 2);
        QCOMPARE(barra->value(), 1);
    }

    void suggerimento3d()
    {
        Ambiente e;
        e.riempi(2, 4);
        grafici& g = e.g();
        g.show();
        trova<QPushButton>(g, "cmdbarre3d")->click();
        QImage img(trova<Grafico>(g, "MSChart1")->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        const auto zone = disegna3d(p, e.griglia(), QRectF(img.rect()));
        p.end();
        trova<Grafico>(g, "MSChart1")->grab();
        // The front series' last bar, and the top of the taller bar behind it.
        const ZonaGrafico& davanti = zone.back();
        QCOMPARE(davanti.colonna, 1);
        const ZonaGrafico& dietro = zone[zone.size() - 5];
        QCOMPARE(dietro.colonna, 2);
        const QPoint puntodietro(dietro.area.boundingRect().center().x(), dietro.area.boundingRect().top() + 2);
        QVERIFY(dietro.area.containsPoint(puntodietro, Qt::OddEvenFill));
        const QList<QPair<QPoint, QString>> casi = {
            {davanti.area.boundingRect().center().toPoint(), data(4) + QStringLiteral(" - Titolo 1: ")},
            {puntodietro, data(4) + QStringLiteral(" - Titolo 2: ")}};
        for (const auto& [punto, inizio] : casi) {
            QHelpEvent h(QEvent::ToolTip, punto, trova<Grafico>(g, "MSChart1")->mapToGlobal(punto));
            QCoreApplication::sendEvent(trova<Grafico>(g, "MSChart1"), &h);
            QVERIFY2(QToolTip::text().startsWith(inizio), qPrintable(QToolTip::text()));
        }
    }

    // Ten dates under a chart of ten holdings at the window's size: each is read whole,
    // side by side or upright, never cut to "10/01/...".
    void date_intere_data()
    {
        colonne<QString, int>("pulsante", "larghezza");
        QTest::newRow("linee") << "cmdlinee" << 640;
        QTest::newRow("barre") << "cmdbarre" << 640;
        QTest::newRow("linee, finestra larga") << "cmdlinee" << 760;
        QTest::newRow("barre, finestra stretta") << "cmdbarre" << 560;
    }
    void date_intere()
    {
        QFETCH(QString, pulsante);
        QFETCH(int, larghezza);
        Ambiente e;
        e.riempi(12, 25);
        grafici& g = e.g();
        g.resize(larghezza, g.height());
        g.show();
        g.findChild<QPushButton*>(pulsante)->click();
        QCoreApplication::processEvents();
        trova<Grafico>(g, "MSChart1")->grab();
        QStringList tagliate;
        for (QGraphicsItem* i : trova<Grafico>(g, "MSChart1")->vista()->scene()->items())
            if (auto* t = dynamic_cast<QGraphicsTextItem*>(i); t && t->isVisible() && t->toPlainText().endsWith(u"..."))
                tagliate << t->toPlainText();
        QCOMPARE(tagliate, QStringList());
    }

    // Over a bar the tip tells its date, holding and value, and stays while the mouse rests
    // there: the view's own tool-tip event must not take it away a moment later.
    void suggerimento2d()
    {
        Ambiente e;
        e.riempi(1, 3);
        grafici& g = e.g();
        g.show();
        trova<QPushButton>(g, "cmdbarre")->click();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QWidget* schermo = trova<Grafico>(g, "MSChart1")->vista()->viewport();
        // The middle of the plot, where the middle one of three tall bars stands.
        const QPoint sopra(schermo->width() * 45 / 100, schermo->height() * 2 / 3);
        // A button an earlier case left pressed would make this a drag, which shows no tip.
        QTest::mouseRelease(schermo, Qt::LeftButton, {}, sopra - QPoint(0, 4));
        QTest::mouseMove(schermo, sopra - QPoint(0, 4));
        QTest::mouseMove(schermo, sopra);
        QTRY_VERIFY(QToolTip::text().startsWith(data(2) + QStringLiteral(" - Titolo 1: ")));
        QHelpEvent h(QEvent::ToolTip, sopra, schermo->mapToGlobal(sopra));
        QCoreApplication::sendEvent(schermo, &h);
        QTest::qWait(500);
        QVERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().startsWith(data(2)), qPrintable(QToolTip::text()));
        QToolTip::hideText();
    }

    void stampa()
    {
        QTemporaryDir dir;
        Ambiente e;
        e.modulo.cartella = dir.filePath(QStringLiteral("Velno"));   // not there yet
        grafici& g = e.g();
        g.pulsante[5]->trigger();
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("Non ci sono azioni da visualizzare."), titoloaiuto, Icona::Critica}));
        QVERIFY(e.finestre.documenti().isEmpty());

        e.riempi(3, 4);
        trova<QPushButton>(g, "cmdlinee")->click();
        g.findChild<QAction*>(QStringLiteral("stampa"))->trigger();
        const QString file = dir.filePath(QStringLiteral("Velno/graficoAzioni.png"));
        QCOMPARE(g.percorsoimmagine(), file);
        controllaimmagine(QImage(file), 3);
        // Compressed: well under a byte a pixel (it was written at three and more).
        const QImage scritta(file);
        QVERIFY2(QFileInfo(file).size() < qint64(scritta.width()) * scritta.height() / 2,
                 qPrintable(QString::number(QFileInfo(file).size())));
        QCOMPARE(e.finestre.documenti().size(), 1);
        QTextDocument* d = e.finestre.documenti().first()->documento();
        QCOMPARE(d->firstBlock().text(), QStringLiteral("VELNO"));
        QVERIFY(d->lastBlock().begin().fragment().charFormat().isImageFormat());

        // A folder that cannot be written: the user is told and no document opens.
        e.modulo.cartella = file;   // a file, not a folder
        const int messaggi = e.messaggi.registrati.size();
        g.stampa_Click();
        QCOMPARE(e.messaggi.registrati.size(), messaggi + 1);
        QCOMPARE(e.messaggi.registrati.last().titolo, titoloaiuto);
        QCOMPARE(e.messaggi.registrati.last().icona, Icona::Critica);
        QVERIFY(e.messaggi.registrati.last().testo.contains(file));
        QCOMPARE(e.finestre.documenti().size(), 1);
    }

    void cancelladatifinestra()
    {
        Ambiente e;
        e.riempi(3, 4);
        frmAzioni& a = e.finestre.azioni();
        a.aggiornatitoli();
        grafici& g = e.g();
        g.show();
        trova<QPushButton>(g, "cmdbarre")->click();
        QVERIFY(trova<Grafico>(g, "MSChart1")->isVisible());
        g.pulsante[21]->trigger();
        QCOMPARE(e.p().numerotitoli, 0);
        QVERIFY(e.p().nomititoli[1].isEmpty());
        QVERIFY(e.p().datequotazioni[1].isEmpty());
        QVERIFY(!trova<Grafico>(g, "MSChart1")->isVisible());
        QVERIFY(trova<QComboBox>(a, "nome", 1)->currentText().isEmpty());
        QVERIFY(trova<QLabel>(a, "totaleiniziale")->text().isEmpty());
        // Nothing left to chart: the kinds say so.
        trova<QPushButton>(g, "cmdlinee")->click();
        QCOMPARE(e.messaggi.registrati.last().icona, Icona::Critica);
        QVERIFY(!trova<Grafico>(g, "MSChart1")->isVisible());
        // Ctrl+Z brings the Portfolio back whole, in the grid and in a chart.
        QVERIFY(QTest::qWaitForWindowActive(&g));
        QCOMPARE(g.findChild<QAction*>(QStringLiteral("annulla"))->text(),
                 QStringLiteral("Annulla cancellazione di tutti i dati"));
        QTest::keyClick(&g, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.p().quotazioni(4, 3), QStringLiteral("14"));
        QCOMPARE(trova<QComboBox>(a, "nome", 3)->currentText(), QStringLiteral("Titolo 3"));
        QVERIFY(!trova<QLabel>(a, "totaleiniziale")->text().isEmpty());
        QVERIFY(e.griglia().visibile());
    }

    void messaggi()
    {
        Ambiente e;
        grafici& g = e.g();
        const Messaggio questa{QStringLiteral("E' questa la finestra Grafici."), titolocontrollo, Icona::Esclamativa};
        g.pulsante[9]->trigger();
        QCOMPARE(e.messaggi.registrati.last(), questa);
        g.findChild<QAction*>(QStringLiteral("fin4"))->trigger();
        QCOMPARE(e.messaggi.registrati.last(), questa);
        g.pulsante[20]->trigger();
        QCOMPARE(e.messaggi.registrati.last(),
                 (Messaggio{QStringLiteral("La funzione non è attiva nella finestra visualizzata: non è prevista alcuna immissione di dati."),
                            titolocontrollo, Icona::Informativa}));
        trova<QPushButton>(g, "Command1")->click();
        const Messaggio aiuto = e.messaggi.registrati.last();
        QCOMPARE(aiuto.titolo, QStringLiteral("Velno: aiuto (grafici)."));
        QCOMPARE(aiuto.testo.split(u'\r').size(), 5);
        QVERIFY(aiuto.testo.startsWith(QStringLiteral("- Cliccare su un tasto posto in basso")));
        QVERIFY(aiuto.testo.endsWith(QStringLiteral("sulla 'porta aperta' per chiudere il programma.")));
        // Leaving asks first.
        trova<QPushButton>(g, "Command4")->click();
        QCOMPARE(e.messaggi.registrati.last().pulsanti, Pulsanti::SiNo);
        QCOMPARE(e.fine, 0);
    }

    void dallafinestraazioni()
    {
        Ambiente e;
        e.riempi(3, 4);
        frmAzioni& a = e.finestre.azioni();
        a.show();
        a.aggiornatitoli();
        // The charts button after a passed check shows the charts, drawn.
        trova<QPushButton>(a, "avanti")->click();
        QVERIFY(e.messaggi.registrati.isEmpty());
        QVERIFY(e.finestre.caricata<grafici>());
        grafici& g = e.g();
        QVERIFY(g.isVisible());
        QVERIFY(trova<Grafico>(g, "MSChart1")->isVisible());
        QCOMPARE(e.griglia().colonne(), 3);
        // A quotation typed meanwhile is there when the charts come back.
        g.hide();
        trova<QLineEdit>(a, "valore", 1, 1)->setText(QStringLiteral("99"));
        a.findChild<QAction*>(QStringLiteral("fin5"))->trigger();
        QVERIFY(g.isVisible());
        QCOMPARE(e.griglia().dato(1, 1), 99 * 1936.27);
        g.hide();
        a.pulsante[9]->trigger();
        QVERIFY(g.isVisible());
        // ... and the charts' file items are the Azioni window's.
        g.pulsante[1]->trigger();
        QCOMPARE(e.dialoghi.filechiesti.size(), 1);
        QCOMPARE(e.dialoghi.filechiesti[0].filtro,
                 QStringLiteral("Tutti i file (*.*)|*.*|File Velno-azioni- | Velno-azioni-*"));
        trova<QPushButton>(g, "Command3")->click();
        QVERIFY(a.isVisible());
    }

    void aperturaarchivio_data()
    {
        colonne<int, int>("colonne", "primacolonna");
        QTest::newRow("12 colonne") << 12 << 2;
        QTest::newRow("5 colonne") << 5 << 1;
    }
    void aperturaarchivio()
    {
        QFETCH(int, colonne);
        QFETCH(int, primacolonna);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-prova"));
        {
            Ambiente scrive;
            scrive.riempi(16, colonne);
            QString errore;
            QVERIFY2(salvaarchivio(scrive.p(), file, &errore), qPrintable(errore));
        }
        Ambiente e;
        e.g().regole().primacolonna = 7;
        e.g().regole().primotitolo = 3;   // paged on in the archive before
        frmAzioni& a = e.finestre.azioni();
        e.dialoghi.prossimofile = file;
        a.apri_Click();
        // The charts are loaded, unshown, with the line chart one column on when they can;
        // the moves say nothing.
        QVERIFY(e.finestre.caricata<grafici>());
        QVERIFY(!e.g().isVisible());
        QVERIFY(e.messaggi.registrati.isEmpty());
        QCOMPARE(e.griglia().tipo(), TipoGrafico::Linee);
        QCOMPARE(e.g().regole().primacolonna, primacolonna);
        QCOMPARE(e.date(), datecolonne(primacolonna, std::min(colonne, primacolonna + 9)));
        QCOMPARE(e.griglia().colonne(), 10);
        // It starts again at the first holding, and the bar stands at the column charted.
        QCOMPARE(e.g().regole().primotitolo, 1);
        QCOMPARE(e.griglia().etichettacolonna(1), e.p().nomititoli[1]);
        QCOMPARE(trova<QScrollBar>(e.g(), "HScroll1")->value(), primacolonna);
    }
};

QTEST_MAIN(TestGrafici)
#include "test_grafici.moc"
