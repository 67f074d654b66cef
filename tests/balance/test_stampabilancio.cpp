#include "balance/stampabilancio.h"
#include "balance/vendite.h"
#include "shared/documentotesto.h"
#include "celle.h"

#include <QTest>
#include <QTextBlock>
#include <QTextTable>

namespace {

SalesBalance trevendite()
{
    SalesBalance b;
    const char* righe[][8] = {
        {"Fiat", "12/03/97", "1500", "14500", "15/03/01", "1000", "16320", "tenere le privilegiate"},
        {"Eni", "04/01/99", "500", "11811", "20/06/01", "500", "", ""},
        {"Generali Ass.", "20/11/98", "120", "0", "02/07/01", "120", "40000", "ricevute in regalo"},
    };
    for (int r = 1; r <= 3; ++r) {
        const auto& c = righe[r - 1];
        b.nomea[r] = QString::fromLatin1(c[0]);
        b.dataacquisto[r] = QString::fromLatin1(c[1]);
        b.nacq[r] = QString::fromLatin1(c[2]);
        b.prezzo0[r] = QString::fromLatin1(c[3]);
        b.datavendita[r] = QString::fromLatin1(c[4]);
        b.na[r] = QString::fromLatin1(c[5]);
        b.prezzo[r] = QString::fromLatin1(c[6]);
        b.appunti[r] = QString::fromLatin1(c[7]);
        calcolariga(b, r);
    }
    b.numerorighe = 3;
    return b;
}

StampaBilancio dati(const QString& valori)
{
    return StampaBilancio{QStringLiteral("Velno"), QStringLiteral("programma per la gestione dei titoli di velno"),
                          QStringLiteral("anno 2001"), valori};
}

QStringList riga(QTextTable* t, int r)
{
    QStringList l;
    for (int k = 1; k <= t->columns(); ++k)
        l << cella(t, r, k);
    return l;
}

} // namespace

class TestStampaBilancio : public QObject {
    Q_OBJECT
private slots:
    void intestazioneetitolo()
    {
        DocumentoTesto d;
        stampabilancio(d, trevendite(), dati(QStringLiteral("valori in lire")));
        QTextBlock b = d.documento()->begin();
        const QStringList attesi{"VELNO", "(programma per la gestione dei titoli di velno)", "",
                                 "Bilancio annuale (anno 2001 - valori in lire)"};
        for (int k = 0; k < attesi.size(); ++k, b = b.next()) {
            QCOMPARE(b.text(), attesi[k]);
            if (!b.text().isEmpty())
                QCOMPARE(b.begin().fragment().charFormat().fontFamilies().toStringList().value(0),
                         QStringLiteral("Century Gothic"));
        }
    }

    void vendite_inlire()
    {
        DocumentoTesto d;
        stampabilancio(d, trevendite(), dati(QStringLiteral("valori in lire")));
        QCOMPARE(d.tabelle(), 2);
        QTextTable* t = d.tabella(1);
        QCOMPARE(t->rows(), 5);
        QCOMPARE(riga(t, 1), (QStringList{"titolo", "acquisto", "numero", "prezzo", "vendita", "numero", "prezzo",
                                          "pagato", "guadagno", "%"}));
        QCOMPARE(riga(t, 2), (QStringList{"Fiat", "12/03/97", "1.500", "14.500", "15/03/01", "1.000", "16.320",
                                          "14.500.000", "1.820.000", "12,55"}));
        QCOMPARE(riga(t, 3), (QStringList{"Eni", "04/01/99", "500", "11.811", "20/06/01", "500", "", "5.905.500", "",
                                          ""}));
        QCOMPARE(riga(t, 5), (QStringList{"Totali", "", "", "", "", "", "", "20.405.500", "6.620.000", "32,44"}));
    }

    void vendite_ineuro()
    {
        SalesBalance b = trevendite();
        convertiineuro(b);
        DocumentoTesto d;
        stampabilancio(d, b, dati(QStringLiteral("valori in euro")));
        QTextTable* t = d.tabella(1);
        // Amounts with two decimals, share counts and percentages as in lire.
        QCOMPARE(riga(t, 2), (QStringList{"Fiat", "12/03/97", "1.500", "7,49", "15/03/01", "1.000", "8,43", "7.489,00",
                                          "940,00", "12,55"}));
        QCOMPARE(cella(t, 5, 8), QStringLiteral("10.539,00"));
        QTextBlock titolo = d.documento()->begin().next().next().next();
        QCOMPARE(titolo.text(), QStringLiteral("Bilancio annuale (anno 2001 - valori in euro)"));
    }

    void appunti_solorighecongli()
    {
        DocumentoTesto d;
        stampabilancio(d, trevendite(), dati(QStringLiteral("valori in lire")));
        QTextTable* t = d.tabella(2);
        QCOMPARE(t->columns(), 2);
        QCOMPARE(t->rows(), 3);   // Eni has no notes
        QCOMPARE(riga(t, 1), (QStringList{"titolo", "appunti"}));
        QCOMPARE(riga(t, 2), (QStringList{"Fiat", "tenere le privilegiate"}));
        QCOMPARE(riga(t, 3), (QStringList{"Generali Ass.", "ricevute in regalo"}));
        QVERIFY(d.documento()->toPlainText().contains(QStringLiteral("Appunti di strategia")));
    }
};

QTEST_GUILESS_MAIN(TestStampaBilancio)
#include "test_stampabilancio.moc"
