#include "charts/disegno3d.h"
#include "charts/regolegrafici.h"
#include "charts/stampagrafici.h"
#include "shared/documentotesto.h"
#include "documenti/modulovelno.h"
#include "colonne.h"

#include <QDate>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {
const QString titolocontrollo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");
const QString nodati =
    QStringLiteral("Non esistono dati da graficizzare: aprire un file archiviato o tornare alla finestra Azioni.");
const QString tutti = QStringLiteral("Sono graficizzati tutti i titoli disponibili.");
const QString ritroso = QStringLiteral("Impossibile procedere a ritroso: sono graficizzati i primi 10 titoli.");
const QString ulteriori = QStringLiteral("Non esistono ulteriori titoli da graficizzare.");
const QString successive = QStringLiteral("Non esistono quotazioni successive.");
const QString precedenti = QStringLiteral("Non esistono quotazioni precedenti.");

QString data(int c) { return QDate(1999, 1, 4).addDays(7 * c).toString(QStringLiteral("dd/MM/yy")); }

// Holdings "T1".."Tn" over `colonne` dated columns, every quotation typed (holding i in
// column c quoted i*100 + c); counts as the check establishes them.
struct Ambiente {
    ModuloVelno modulo;
    GrigliaGrafico griglia;
    RegoleGrafici regole{modulo, griglia};
    Portfolio& p() { return modulo.azioni.dati(); }

    Ambiente(int titoli, int colonne)
    {
        for (int i = 1; i <= titoli; ++i) {
            p().nomititoli[i] = QStringLiteral("T%1").arg(i);
            p().quantitatitoli[i] = QStringLiteral("10");
            p().dateacquisto[i] = QStringLiteral("04/01/99");
            for (int c = 1; c <= colonne; ++c)
                p().quotazioni(c, i) = QString::number(i * 100 + c);
        }
        for (int c = 1; c <= colonne; ++c)
            p().datequotazioni[c] = data(c);
        p().numerotitoli = titoli;
        p().numerocolonne = colonne;
    }
    QStringList serie() const
    {
        QStringList s;
        for (int c = 1; c <= griglia.colonne(); ++c)
            s << griglia.etichettacolonna(c);
        return s;
    }
    QStringList date() const
    {
        QStringList d;
        for (int r = 1; r <= griglia.righe(); ++r)
            d << griglia.etichettariga(r);
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

Messaggio info(const QString& t) { return Messaggio{t, titolocontrollo, Icona::Informativa}; }
Messaggio critico(const QString& t) { return Messaggio{t, titolocontrollo, Icona::Critica}; }

// How many pixels of `img` inside `zona` are (nearly) colour c.
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
} // namespace

class TestRegoleGrafici : public QObject {
    Q_OBJECT
private slots:
    void serie_tretitoliquattrocolonne()
    {
        Ambiente e(3, 4);
        QCOMPARE(e.regole.graficoserie(), std::nullopt);
        QCOMPARE(e.regole.modografico, 2);
        QVERIFY(e.griglia.visibile());
        QCOMPARE(e.griglia.righe(), 4);
        QCOMPARE(e.griglia.colonne(), 3);
        QCOMPARE(e.serie(), (QStringList{"T1", "T2", "T3"}));
        QCOMPARE(e.date(), datecolonne(1, 4));
        QCOMPARE(e.griglia.dato(4, 2), 204.0 * 1936.27);
        // The first-holding test comes before the count.
        QCOMPARE(e.regole.azionedopo_click(), info(tutti));
        QCOMPARE(e.regole.azioneprima_click(), critico(ritroso));
        QCOMPARE(e.regole.primotitolo, 1);
    }

    // Each step: the first holding charted after it, or the answer that refused it.
    void paginatitoli_data()
    {
        colonne<int, QString, QStringList>("titoli", "passi", "attesi");
        QTest::newRow("10 titoli") << 10 << "+-" << QStringList{ulteriori, ritroso};
        QTest::newRow("12 titoli") << 12 << "+++--" << QStringList{"T2", "T3", ulteriori, "T2", "T1"};
        QTest::newRow("12 titoli, a ritroso dal primo") << 12 << "-" << QStringList{ritroso};
    }
    void paginatitoli()
    {
        QFETCH(int, titoli);
        QFETCH(QString, passi);
        QFETCH(QStringList, attesi);
        Ambiente e(titoli, 3);
        e.regole.graficoserie();
        for (int k = 0; k < passi.size(); ++k) {
            const QStringList prima = e.serie();
            const auto m = passi[k] == u'+' ? e.regole.azionedopo_click() : e.regole.azioneprima_click();
            if (m) {
                QCOMPARE(m->testo, attesi[k]);
                QCOMPARE(e.serie(), prima);   // refused: nothing moves, nothing is redrawn
            } else {
                QCOMPARE(e.serie().size(), 10);
                QCOMPARE(e.serie().first(), attesi[k]);
                QCOMPARE(e.serie().last(), QStringLiteral("T%1").arg(attesi[k].mid(1).toInt() + 9));
            }
        }
    }

    void lira_data()
    {
        colonne<QString, QString, double>("data", "quotazione", "atteso");
        QTest::newRow("01/01/99 in euro") << "01/01/99" << "10" << 19362.7;
        QTest::newRow("31/12/98 in lire") << "31/12/98" << "10" << 10.0;
        QTest::newRow("anno di quattro cifre") << "31/12/1998" << "10" << 10.0;
        QTest::newRow("virgola: vale 12") << "15/03/01" << "12,5" << 12 * 1936.27;
        // A column date that is no date is taken as recent, as the totals take it.
        QTest::newRow("data illeggibile") << "fine anno" << "1" << 1936.27;
    }
    void lira()
    {
        QFETCH(QString, data);
        QFETCH(QString, quotazione);
        QFETCH(double, atteso);
        Ambiente e(1, 0);
        e.p().datequotazioni[1] = data;
        e.p().quotazioni(1, 1) = quotazione;
        e.regole.graficoserie();
        QVERIFY(qAbs(*e.griglia.dato(1, 1) - atteso) < 1e-9);
        e.regole.graficotitolo();
        QVERIFY(qAbs(*e.griglia.dato(1, 1) - atteso) < 1e-9);
    }

    void torta_moltiplicaperlaquantita()
    {
        Ambiente e(2, 0);
        e.p().datequotazioni[1] = QStringLiteral("15/06/98");
        e.p().quantitatitoli[1] = QStringLiteral("100");
        e.p().quotazioni(1, 1) = QStringLiteral("5");
        e.griglia.impostatipo(TipoGrafico::Torta);
        e.regole.graficoserie();
        QCOMPARE(e.griglia.dato(1, 1), 500.0);
        e.regole.graficotitolo();
        QCOMPARE(e.griglia.dato(1, 1), 5.0);
        e.griglia.impostatipo(TipoGrafico::Linee);
        e.regole.graficoserie();
        QCOMPARE(e.griglia.dato(1, 1), 5.0);
    }

    void titolo_lasciafuoriprimecolonne()
    {
        Ambiente e(2, 6);
        e.p().quotazioni(1, 1).clear();
        e.p().quotazioni(2, 1).clear();
        QCOMPARE(e.regole.graficotitolo(), std::nullopt);
        QCOMPARE(e.regole.titolocorrente, 1);
        QCOMPARE(e.griglia.colonne(), 1);
        QCOMPARE(e.serie(), QStringList{"T1"});
        QCOMPARE(e.griglia.righe(), 4);
        QCOMPARE(e.date(), datecolonne(3, 6));
        QCOMPARE(e.griglia.dato(1, 1), 103 * 1936.27);
        // One empty quotation inside the window drops the first column, and its own cell
        // stays without a value under its date.
        e.p().quotazioni(1, 1) = QStringLiteral("1");
        e.p().quotazioni(2, 1) = QStringLiteral("2");
        e.p().quotazioni(4, 1).clear();
        e.regole.titolocorrente = 0;
        e.regole.graficotitolo();
        QCOMPARE(e.date(), datecolonne(2, 6));
        QCOMPARE(e.griglia.dato(3, 1), std::nullopt);
        QCOMPARE(e.griglia.dato(4, 1), 105 * 1936.27);
    }

    void serie_cellavuota()
    {
        Ambiente e(3, 4);
        e.p().quotazioni(2, 3).clear();
        e.regole.graficoserie();
        QCOMPARE(e.griglia.dato(2, 3), std::nullopt);
        QCOMPARE(e.griglia.etichettariga(2), data(2));
        QVERIFY(e.griglia.dato(2, 2).has_value());
    }

    void titolo_giroavvolto()
    {
        Ambiente e(3, 4);
        for (int i = 1; i <= 3; ++i) {
            e.regole.graficotitolo();
            QCOMPARE(e.serie(), QStringList{QStringLiteral("T%1").arg(i)});
        }
        QCOMPARE(e.regole.azionedopo_click(), std::nullopt);
        QCOMPARE(e.serie(), QStringList{"T1"});
        QCOMPARE(e.regole.azioneprima_click(), std::nullopt);
        QCOMPARE(e.serie(), QStringList{"T3"});
        QCOMPARE(e.regole.azioneprima_click(), std::nullopt);
        QCOMPARE(e.serie(), QStringList{"T2"});
        // A column step keeps the holding.
        e.p().numerocolonne = 12;
        for (int c = 5; c <= 12; ++c) {
            e.p().datequotazioni[c] = data(c);
            e.p().quotazioni(c, 2) = QStringLiteral("1");
        }
        QCOMPARE(e.regole.quotazdestra_click(), std::nullopt);
        QCOMPARE(e.serie(), QStringList{"T2"});
        QCOMPARE(e.date().first(), data(2));
        QCOMPARE(e.regole.quotazsinistra_click(), std::nullopt);
        QCOMPARE(e.serie(), QStringList{"T2"});
        QCOMPARE(e.date().first(), data(1));
        // From a single-holding chart that never drew, "previous" lands on the last holding.
        e.regole.titolocorrente = 0;
        QCOMPARE(e.regole.azioneprima_click(), std::nullopt);
        QCOMPARE(e.regole.titolocorrente, 3);
    }

    void quotazioni_venticinquecolonne()
    {
        Ambiente e(3, 25);
        QCOMPARE(e.regole.quotazsinistra_click(), info(precedenti));
        int passi = 0;
        while (!e.regole.quotazdestra_click())
            ++passi;
        QCOMPARE(passi, 15);
        QCOMPARE(e.regole.primacolonna, 16);
        QCOMPARE(e.date(), datecolonne(16, 25));
        QCOMPARE(e.regole.quotazdestra_click(), info(successive));
        QCOMPARE(e.regole.primacolonna, 16);
        QCOMPARE(e.regole.quotazsinistra_click(), std::nullopt);
        QCOMPARE(e.date(), datecolonne(15, 24));
        // All 300 columns dated: the last window is 291..300.
        Ambiente f(1, 300);
        f.regole.primacolonna = 290;
        QCOMPARE(f.regole.quotazdestra_click(), std::nullopt);
        QCOMPARE(f.regole.quotazdestra_click(), info(successive));
        QCOMPARE(f.date(), datecolonne(291, 300));
    }

    void scorrimento()
    {
        Ambiente e(3, 25);
        auto s = e.regole.HScroll1_Change(20, false);
        QCOMPARE(s.messaggi, (std::vector<Messaggio>{info(successive)}));
        QCOMPARE(s.correzione, 16);
        // The move back draws from 16, without a second word.
        s = e.regole.HScroll1_Change(16, true);
        QVERIFY(s.messaggi.empty());
        QCOMPARE(s.correzione, std::nullopt);
        QCOMPARE(e.regole.primacolonna, 16);
        QCOMPARE(e.date(), datecolonne(16, 25));
        QCOMPARE(e.regole.modografico, 2);
        // Within the dated columns the bar draws the series chart, also from a single holding.
        e.regole.graficotitolo();
        s = e.regole.HScroll1_Change(3, false);
        QVERIFY(s.messaggi.empty());
        QCOMPARE(e.griglia.colonne(), 3);
        QCOMPARE(e.date(), datecolonne(3, 12));

        // Fewer than 10 columns: any move says so once and the chart is drawn from column 1.
        Ambiente f(2, 5);
        f.regole.primacolonna = 1;
        s = f.regole.HScroll1_Change(1, false);
        QCOMPARE(s.messaggi, (std::vector<Messaggio>{info(successive)}));
        QCOMPARE(s.correzione, std::nullopt);
        QCOMPARE(f.date(), datecolonne(1, 5));
    }

    void senzatitoli_ognioperazione()
    {
        Ambiente e(0, 12);
        e.regole.primacolonna = 2;
        using Operazione = std::optional<Messaggio> (RegoleGrafici::*)();
        for (Operazione o : {&RegoleGrafici::graficoserie, &RegoleGrafici::graficotitolo, &RegoleGrafici::azioneprima_click,
                             &RegoleGrafici::azionedopo_click, &RegoleGrafici::quotazsinistra_click,
                             &RegoleGrafici::quotazdestra_click}) {
            QCOMPARE((e.regole.*o)(), critico(nodati));
            QCOMPARE(e.regole.nodati, 0);
            QCOMPARE(e.regole.primacolonna, 2);
            QVERIFY(!e.griglia.visibile());
        }
        QCOMPARE(e.regole.titolocorrente, 0);
    }

    void portafogliorimpicciolito()
    {
        // 12 holdings paged to 3..12, then an archive of 5 holdings is opened.
        Ambiente e(12, 3);
        e.regole.primotitolo = 3;
        e.p().numerotitoli = 5;
        e.regole.graficoserie();
        QCOMPARE(e.serie(), (QStringList{"T1", "T2", "T3", "T4", "T5"}));
        QCOMPARE(e.regole.azioneprima_click(), critico(ritroso));
    }

    void scala_copreivalori_data()
    {
        colonne<double, double, bool>("minimo", "massimo", "conzero");
        QTest::newRow("lire") << 5600.0 << 49000.0 << true;
        QTest::newRow("stretta") << 19362.7 << 19500.0 << false;
        QTest::newRow("un valore") << 5.0 << 5.0 << false;
        QTest::newRow("zero") << 0.0 << 0.0 << true;
        QTest::newRow("decimali") << 0.012 << 0.047 << false;
        QTest::newRow("negativi") << -30.0 << 12.0 << true;
    }
    void scala_copreivalori()
    {
        QFETCH(double, minimo);
        QFETCH(double, massimo);
        QFETCH(bool, conzero);
        const ScalaValori s = scalavalori(minimo, massimo, conzero);
        QVERIFY(s.inizio <= minimo && s.fine >= massimo);
        QVERIFY(s.fine > s.inizio);
        if (conzero)
            QVERIFY(s.inizio <= 0 && s.fine >= 0);
        QVERIFY(s.tacche() >= 2 && s.tacche() <= 10);
        // Every step has a label of its own.
        QStringList etichette;
        for (int k = 0; k <= s.tacche(); ++k)
            etichette << numeroitaliano(s.inizio + k * s.passo, s.decimali);
        etichette.removeDuplicates();
        QCOMPARE(etichette.size(), s.tacche() + 1);
    }

    void disegno3d_ognitipo_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("barre") << int(TipoGrafico::Barre3D);
        QTest::newRow("nastro") << int(TipoGrafico::Linee3D);
        QTest::newRow("area") << int(TipoGrafico::Area3D);
        QTest::newRow("passo") << int(TipoGrafico::Passo3D);
    }
    void disegno3d_ognitipo()
    {
        QFETCH(int, tipo);
        Ambiente e(3, 6);
        e.p().quotazioni(3, 2).clear();
        e.griglia.impostatipo(TipoGrafico(tipo));
        e.griglia.impostatitolo(QStringLiteral("Prova"));
        e.regole.graficoserie();
        QImage img(632, 326, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        const auto zone = disegna3d(p, e.griglia, QRectF(img.rect()));
        p.end();
        // Each series is drawn in its colour left of the legend, and every value has its
        // place for the tool tip, the gap none.
        const QRect grafico(0, 0, 470, 326);
        for (int c = 1; c <= 3; ++c)
            QVERIFY2(pixeldi(img, coloreserie(c), grafico) > 20, qPrintable(QStringLiteral("serie %1").arg(c)));
        QCOMPARE(int(zone.size()), 6 * 3 - 1);
        for (const ZonaGrafico& z : zone) {
            QVERIFY(!(z.riga == 3 && z.colonna == 2));
            QVERIFY(img.rect().contains(z.area.boundingRect().center().toPoint()));
        }
        QCOMPARE(testodato(e.griglia, 1, 1), data(1) + QStringLiteral(" - T1: 195.563,27"));
    }

    void stampa_documento()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("graficoAzioni.png"));
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QString errore;
        QVERIFY2(salvaimmaginegrafico(img, file, &errore), qPrintable(errore));
        DocumentoTesto d;
        stampagrafico(d, file);
        QTextDocument* t = d.documento();
        QCOMPARE(t->firstBlock().text(), QStringLiteral("VELNO"));
        QCOMPARE(t->firstBlock().begin().fragment().charFormat().fontPointSize(), 20.0);
        QCOMPARE(t->firstBlock().next().text(), QStringLiteral("(programma per la gestione dei titoli di velno)"));
        QCOMPARE(t->firstBlock().next().begin().fragment().charFormat().fontPointSize(), 16.0);
        const QTextFragment immagine = t->lastBlock().begin().fragment();
        QVERIFY(immagine.charFormat().isImageFormat());
        QCOMPARE(immagine.charFormat().toImageFormat().width(), 40.0);
    }
};

QTEST_MAIN(TestRegoleGrafici)
#include "test_regolegrafici.moc"
