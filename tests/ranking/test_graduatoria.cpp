#include "leggizip.h"
#include "ranking/graduatoria.h"
#include "ranking/stampaclassifica.h"
#include "shared/documentotesto.h"
#include "colonne.h"
#include "celle.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>

namespace {
// Holdings named A, B, ... with their quotations column by column ("" = not quoted).
Portfolio portafoglio(const QStringList& date, const QList<QStringList>& quotazioni)
{
    Portfolio p;
    for (int c = 1; c <= date.size(); ++c)
        p.datequotazioni[c] = date[c - 1];
    for (int h = 1; h <= quotazioni.size(); ++h) {
        p.nomititoli[h] = QString(QChar(u'A' + h - 1));
        for (int c = 1; c <= quotazioni[h - 1].size(); ++c)
            p.quotazioni(c, h) = quotazioni[h - 1][c - 1];
    }
    p.numerotitoli = int(quotazioni.size());
    p.numerocolonne = int(date.size());
    return p;
}

QStringList nomi(const Graduatoria& g, int n)
{
    QStringList r;
    for (int i = 1; i <= n; ++i)
        r << g.titoliordinati[i];
    return r;
}

QList<double> valori(const Graduatoria& g, int n)
{
    QList<double> r;
    for (int i = 1; i <= n; ++i)
        r << g.incrementi[i].value_or(-999);
    return r;
}

} // namespace

class TestGraduatoria : public QObject {
    Q_OBJECT
private slots:
    void incremento_data()
    {
        colonne<QString, QString, float, double>("iniziale", "finale", "fattore", "atteso");
        QTest::newRow("rialzo") << "10" << "12" << 1.0f << 20.0;
        QTest::newRow("ribasso") << "8" << "6" << 1.0f << -25.0;
        QTest::newRow("senza finale") << "10" << "" << 1.0f << 0.0;
        QTest::newRow("senza iniziale") << "" << "12" << 1.0f << 0.0;
        QTest::newRow("un terzo") << "3" << "4" << 1.0f << 33.33;
        QTest::newRow("mezzo negativo") << "800" << "799" << 1.0f << -0.12;
        QTest::newRow("lire contro euro") << "10000" << "5.5" << float(1936.27) << 6.49;
        QTest::newRow("iniziale zero") << "0" << "5" << 1.0f << 0.0;
        QTest::newRow("iniziale non numero") << "n.d." << "5" << 1.0f << 0.0;
    }
    void incremento()
    {
        QFETCH(QString, iniziale);
        QFETCH(QString, finale);
        QFETCH(float, fattore);
        QFETCH(double, atteso);
        const Portfolio p = portafoglio({"01/02/99", "02/02/99"}, {{iniziale, finale}});
        QCOMPARE(::incremento(p, 1, 1, 2, fattore), atteso);
    }

    void cambio_data()
    {
        colonne<QString, QString>("iniziale", "finale");
        QTest::addColumn<bool>("scelte");   // chosen with the choosers, else consecutive
        QTest::addColumn<bool>("converte");
        QTest::newRow("scavalca l'euro") << "15/12/98" << "05/01/99" << true << true;
        QTest::newRow("tutto in lire") << "15/12/98" << "31/12/98" << true << false;
        QTest::newRow("tutto in euro") << "05/01/99" << "10/01/99" << true << false;
        QTest::newRow("al primo gennaio") << "31/12/98" << "01/01/99" << true << false;
        QTest::newRow("finale senza data") << "15/12/98" << "" << true << false;
        QTest::newRow("data illeggibile") << "15/13/98" << "05/01/99" << true << false;
        // Consecutive columns take the same test, whatever the first euro day is called.
        QTest::newRow("consecutive 4/1/99") << "31/12/98" << "4/1/99" << false << true;
        QTest::newRow("consecutive, primo euro il 29/01/99") << "31/12/98" << "29/01/99" << false << true;
        QTest::newRow("consecutive in euro") << "04/01/99" << "05/01/99" << false << false;
    }
    void cambio()
    {
        QFETCH(QString, iniziale);
        QFETCH(QString, finale);
        QFETCH(bool, scelte);
        QFETCH(bool, converte);
        const Portfolio p = portafoglio({iniziale, finale}, {});
        const float f = scelte ? calcolacambio(p, 1, 2) : cambioconsecutivo(p, 2);
        QCOMPARE(f, converte ? float(1936.27) : 1.0f);
    }

    void ordinascambio_data()
    {
        colonne<QList<double>, QStringList>("percentuali", "ordine");
        QTest::newRow("pari non scambiano") << QList<double>{1, 4, 4, 5} << QStringList{"D", "C", "B", "A"};
        QTest::newRow("pari al primo posto") << QList<double>{3, 3, 1} << QStringList{"A", "B", "C"};
        QTest::newRow("segni") << QList<double>{20, -25, 0} << QStringList{"A", "C", "B"};
        QTest::newRow("gia ordinati") << QList<double>{9, 5, 2, -1} << QStringList{"A", "B", "C", "D"};
    }
    void ordinascambio()
    {
        QFETCH(QList<double>, percentuali);
        QFETCH(QStringList, ordine);
        Graduatoria g;
        for (int i = 1; i <= percentuali.size(); ++i) {
            g.titoliordinati[i] = QString(QChar(u'A' + i - 1));
            g.incrementi[i] = percentuali[i - 1];
        }
        ::ordinascambio(g.titoliordinati, g.incrementi, int(percentuali.size()));
        QCOMPARE(nomi(g, int(ordine.size())), ordine);
        QList<double> attese = percentuali;
        std::sort(attese.begin(), attese.end(), std::greater<>());
        QCOMPARE(valori(g, int(ordine.size())), attese);
    }

    void ordina_ultimotitolo_data()
    {
        colonne<int, int, QList<QStringList>, QStringList, QList<double>>(
            "iniziale", "finale", "quotazioni", "ordine", "attese");
        // C, the last holding, has no final quotation: its recomputation reaches column 1,
        // where it meets itself, and it stays at 0.
        QTest::newRow("colonne adiacenti") << 1 << 2 << QList<QStringList>{{"10", "12"}, {"8", "6"}, {"7", ""}}
                                           << QStringList{"A", "C", "B"} << QList<double>{20, 0, -25};
        // B is unchanged from column 1 to 3: it is compared with column 2 instead; A, also
        // unchanged, is not the last and keeps its 0.
        QTest::newRow("ultimo ricalcolato") << 1 << 3 << QList<QStringList>{{"5", "6", "5"}, {"10", "12", "10"}}
                                            << QStringList{"B", "A"} << QList<double>{20, 0};
        QTest::newRow("fino alla prima") << 2 << 3 << QList<QStringList>{{"5", "5", "6"}, {"10", "10", "10"}}
                                         << QStringList{"A", "B"} << QList<double>{20, 0};
        // Unchanged over the period, the last holding is 0: never the change before the
        // initial column, reversed (10000 lire to 5 euro read as 199900).
        QTest::newRow("mai prima dell'iniziale") << 2 << 3 << QList<QStringList>{{"4", "4", "5"}, {"10000", "5", "5"}}
                                                 << QStringList{"A", "B"} << QList<double>{25, 0};
    }
    void ordina_ultimotitolo()
    {
        QFETCH(int, iniziale);
        QFETCH(int, finale);
        QFETCH(QList<QStringList>, quotazioni);
        QFETCH(QStringList, ordine);
        QFETCH(QList<double>, attese);
        const Portfolio p = portafoglio({"01/02/99", "02/02/99", "03/02/99"}, quotazioni);
        Graduatoria g;
        g.quotazioneiniziale = iniziale;
        g.quotazionefinale = finale;
        QCOMPARE(ordina(g, p), EsitoOrdina::Ordinata);
        QCOMPARE(nomi(g, p.numerotitoli), ordine);
        QCOMPARE(valori(g, p.numerotitoli), attese);
        QVERIFY(!g.incrementi[p.numerotitoli + 1]);
    }

    void ordina_senzadatinonsicambia()
    {
        const Portfolio p = portafoglio({"01/02/99", "02/02/99"}, {{"10", "12"}, {"8", "6"}});
        Graduatoria g;
        g.quotazioneiniziale = 1;
        g.quotazionefinale = 2;
        QCOMPARE(ordina(g, p), EsitoOrdina::Ordinata);
        const Graduatoria prima = g;
        g.quotazioneiniziale = 2;
        g.quotazionefinale = 3;   // no date: the ranking shown stays whole
        QCOMPARE(ordina(g, p), EsitoOrdina::NonDisponibile);
        QCOMPARE(g.titoliordinati, prima.titoliordinati);
        QCOMPARE(g.incrementi, prima.incrementi);
        g.quotazionefinale = 1;
        QCOMPARE(ordina(g, p), EsitoOrdina::NessunaQuotazione);
    }

    void stampa()
    {
        Portfolio p = portafoglio({"15/12/98", "05/01/99"}, {{"10", "12"}, {"8", "6"}, {"1", "13.345"}});
        Graduatoria g;
        g.quotazioneiniziale = 1;
        g.quotazionefinale = 2;
        ordina(g, p);
        DocumentoTesto d;
        StampaClassifica s{QStringLiteral("Velno"), QStringLiteral("programma per la gestione dei titoli di velno"),
                           didascaliaperiodo(p, 1, 2), p.numerotitoli};
        stampaclassifica(d, g, s);

        QStringList righe;
        for (QTextBlock b = d.documento()->begin(); b.isValid() && righe.size() < 5; b = b.next())
            righe << b.text();
        QCOMPARE(righe.mid(0, 4),
                 (QStringList{"Velno", "programma per la gestione dei titoli di velno", "",
                              "Classifica dei titoli (incrementi dal giorno 15/12/98 al giorno 05/01/99)"}));
        QCOMPARE(d.tabelle(), 1);
        QTextTable* t = d.tabella(1);
        QCOMPARE(t->rows(), 4);
        QCOMPARE(t->columns(), 3);
        const QStringList attese[] = {{"n.", "titolo", "percentuale di aumento o perdita"},
                                      {" 1", "C", "1.234,50"},
                                      {" 2", "A", "20,00"},
                                      {" 3", "B", "-25,00"}};
        for (int r = 1; r <= 4; ++r)
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(cella(t, r, k), attese[r - 1][k - 1]);
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(t->cellAt(r, 2).firstCursorPosition().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                     Qt::AlignRight);
            QCOMPARE(t->cellAt(r, 0).firstCursorPosition().charFormat().fontPointSize(), 12.0);
            // The table format: the heading row shaded, the others not, thin collapsed rules.
            for (int k = 0; k < 3; ++k) {
                const QTextTableCellFormat f = t->cellAt(r, k).format().toTableCellFormat();
                QCOMPARE(f.background().style() != Qt::NoBrush, r == 0);
                QCOMPARE(f.topBorder(), 1.0);
            }
        }
        QVERIFY(t->format().borderCollapse());

        QTemporaryDir dir;
        const QString docx = dir.filePath(QStringLiteral("classifica.docx"));
        QString errore;
        QVERIFY2(d.salva(docx, &errore), qPrintable(errore));
        const QByteArray xml = partezip(docx, "word/document.xml");
        QCOMPARE(xml.count("<w:shd "), 3);
        QVERIFY(xml.contains("w:insideH w:val=\"single\""));
    }
};

QTEST_MAIN(TestGraduatoria)
#include "test_graduatoria.moc"
