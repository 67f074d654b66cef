#include "card/stampascheda.h"
#include "shared/documentotesto.h"
#include "celle.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>

namespace {

StampaScheda dati()
{
    StampaScheda s;
    s.nomeprogramma = QStringLiteral("Velno");
    s.descrizione = QStringLiteral("programma per la gestione dei titoli di velno");
    s.nome = QStringLiteral("Generali Ass.");
    s.moneta = QStringLiteral("moneta di riferimento: EURO");
    const QStringList valori{"20/11/98", "120", "38000", "30/06/99", "23.10", "4.560.000,00", "2.772,00",
                             "-4.557.228,00", "-99,94", "21/05/99", "500", "1,12"};
    for (int r = 2; r <= 13; ++r)
        s.valori[std::size_t(r)] = valori[r - 2];
    s.note = QStringLiteral("Tenere fino al dividendo.\nPoi vendere metà.");
    return s;
}

} // namespace

class TestStampaScheda : public QObject {
    Q_OBJECT
private slots:
    // The heading, the table's first column and the notes; the figures come from the
    // card's own texts (see the card's test).
    void stampa()
    {
        DocumentoTesto d;
        const StampaScheda s = dati();
        stampascheda(d, s);
        QTextBlock b = d.documento()->begin();
        const QStringList attesi{"VELNO", "(programma per la gestione dei titoli di velno)", "",
                                 "Scheda del titolo: Generali Ass. (moneta di riferimento: EURO)"};
        const QList<double> dimensioni{20, 16, 16, 12};
        for (int k = 0; k < attesi.size(); ++k, b = b.next()) {
            QCOMPARE(b.text(), attesi[k]);
            if (!b.text().isEmpty()) {
                const QTextCharFormat f = b.begin().fragment().charFormat();
                QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Century Gothic"));
                QCOMPARE(f.fontPointSize(), dimensioni[k]);
            }
        }

        QCOMPARE(d.tabelle(), 1);
        QTextTable* t = d.tabella(1);
        QCOMPARE(t->rows(), 13);
        QCOMPARE(t->columns(), 2);
        const QStringList voci{"dati", "data d'acquisto", "quantità", "prezzo d'acquisto", "data della quotazione",
                               "quotazione aggiornata", "totale valore investito", "totale valore attuale",
                               "saldo corrente", "guadagno in %", "data stacco dividendo", "ultimo dividendo pagato",
                               "% su ultima quotazione"};
        for (int r = 1; r <= 13; ++r) {
            QCOMPARE(cella(t, r, 1), voci[r - 1]);
            QCOMPARE(cella(t, r, 2), r == 1 ? QStringLiteral("valori") : s.valori[std::size_t(r)]);
        }
        QCOMPARE(t->cellAt(4, 1).firstCursorPosition().charFormat().fontPointSize(), 10.0);

        // After the table: the heading of the notes, then the notes, at 12 points.
        QTextCursor c(d.documento());
        c.setPosition(t->lastPosition() + 1);
        QStringList righe;
        for (QTextBlock b = c.block(); b.isValid(); b = b.next())
            righe << b.text();
        while (!righe.isEmpty() && righe.first().isEmpty())
            righe.removeFirst();
        QCOMPARE(righe, (QStringList{"Appunti sul titolo", "Tenere fino al dividendo.", "Poi vendere metà."}));
        QCOMPARE(d.documento()->lastBlock().begin().fragment().charFormat().fontPointSize(), 12.0);
    }
};

QTEST_MAIN(TestStampaScheda)
#include "test_stampascheda.moc"
