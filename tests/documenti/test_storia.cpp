#include "documenti/documentoazioni.h"
#include "documenti/documentobilancio.h"
#include "balance/vendite.h"
#include "documenti/recupero.h"
#include "shared/messaggi.h"
#include "colonne.h"
#include "doppi.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {
// Three holdings on three dated columns, with notes, a plan and a strategy.
Portfolio treazioni()
{
    Portfolio p;
    const char* nomi[] = {"Zeta", "Alfa", "Mediaset"};
    for (int i = 1; i <= 3; ++i) {
        p.nomititoli[i] = QString::fromLatin1(nomi[i - 1]);
        p.quantitatitoli[i] = QStringLiteral("10");
        p.prezzititoli[i] = QString::number(1000 * i);
        p.dateacquisto[i] = QStringLiteral("01/02/99");
        p.notetitoli[i] = QStringLiteral("nota %1").arg(i);
        for (int c = 1; c <= 3; ++c)
            p.quotazioni(c, i) = QString::number(10 * i + c);
    }
    p.datequotazioni[1] = QStringLiteral("05/02/99");
    p.datequotazioni[2] = QStringLiteral("03/02/99");
    p.datequotazioni[3] = QStringLiteral("04/02/99");
    p.numerotitoli = 3;
    p.numerocolonne = 3;
    p.strategia = QStringLiteral("tenere");
    p.notepiano[0] = QStringLiteral("anno");
    return p;
}

// Everything a step may change, as one text: every field, the counts, who each row is.
QString fotografia(const DocumentoAzioni& d)
{
    const Portfolio& p = d.tabelle();
    QString t = testorecuperoportafoglio(p) + QStringLiteral("|%1|%2|").arg(p.numerotitoli).arg(p.numerocolonne);
    for (int i : p.identita)
        t += QString::number(i) + u',';
    return t;
}
QString fotografia(const DocumentoBilancio& d)
{
    const SalesBalance& b = d.tabelle();
    return testorecuperobilancio(b, d.ineuro()) + QStringLiteral("|%1|%2|").arg(b.numerorighe).arg(d.ineuro());
}

// A balance of two sales of 1999, in lire.
SalesBalance duevendite()
{
    SalesBalance b;
    const char* nomi[] = {"Fiat", "Eni"};
    for (int r = 1; r <= 2; ++r) {
        b.nomea[r] = QString::fromLatin1(nomi[r - 1]);
        b.dataacquisto[r] = QStringLiteral("04/01/99");
        b.nacq[r] = QStringLiteral("100");
        b.prezzo0[r] = QString::number(5450 * r);
        b.datavendita[r] = QStringLiteral("05/03/99");
        b.na[r] = QStringLiteral("50");
        b.prezzo[r] = QString::number(6000 * r);
        calcolariga(b, r);
    }
    b.numerorighe = 2;
    return b;
}
// The change of the test's row, on document D opened from `tabelle`, is one step captioned as
// the row says: undone, the tables are as before it and nothing is unsaved; redone, as after
// it. Each undo and redo is told.
template <class D, class T> void unpasso(T tabelle)
{
    QFETCH(std::function<void(D&)>, cambia);
    QFETCH(QString, didascalia);
    D d;
    d.sostituisci(std::move(tabelle), QStringLiteral("Velno-archivio-1999"), true);
    const QString prima = fotografia(d);
    cambia(d);
    const QString dopo = fotografia(d);
    QVERIFY(dopo != prima);
    QCOMPARE(d.storia().count(), 1);
    QCOMPARE(d.storia().undoText(), didascalia);
    QVERIFY(d.modificato());
    int ripristini = 0;
    QObject::connect(&d, &DocumentoArchiviato::ripristinato, &d, [&] { ++ripristini; });
    d.storia().undo();
    QCOMPARE(fotografia(d), prima);
    QVERIFY(!d.modificato());
    d.storia().redo();
    QCOMPARE(fotografia(d), dopo);
    QVERIFY(d.modificato());
    QCOMPARE(ripristini, 2);
}
} // namespace

class TestStoria : public QObject {
    Q_OBJECT
private slots:
    // Every kind of change of the Portfolio is one step: undone, the tables are as before it
    // (identities included, so the card finds its holding); redone, as after it; back at the
    // archive's state nothing is unsaved.
    void azioni_data()
    {
        colonne<std::function<void(DocumentoAzioni&)>, QString>("cambia", "didascalia");
        using F = std::function<void(DocumentoAzioni&)>;
        using C = DocumentoAzioni::Campo;
        QTest::newRow("nome") << F([](DocumentoAzioni& d) { d.imposta(C::Nome, 2, QStringLiteral("Fiat")); })
                              << "digitazione in nome n.2";
        QTest::newRow("quantità") << F([](DocumentoAzioni& d) { d.imposta(C::Quantita, 3, QStringLiteral("7")); })
                                  << "digitazione in quantità n.3";
        QTest::newRow("appunti della scheda") << F([](DocumentoAzioni& d) { d.imposta(C::Note, 1, QStringLiteral("x")); })
                                              << "digitazione in appunti n.1";
        QTest::newRow("quotazione") << F([](DocumentoAzioni& d) { d.impostaquotazione(3, 2, QStringLiteral("9")); })
                                    << "digitazione in quotazione n.2 della colonna 3";
        QTest::newRow("data") << F([](DocumentoAzioni& d) { d.impostadata(4, QStringLiteral("08/02/99")); })
                              << "digitazione in data della colonna 4";
        QTest::newRow("strategia") << F([](DocumentoAzioni& d) { d.impostastrategia(QStringLiteral("vendere")); })
                                   << "digitazione negli appunti generici";
        QTest::newRow("piano") << F([](DocumentoAzioni& d) { d.impostanotapiano(12, QStringLiteral("dicembre")); })
                               << "digitazione nel piano strategico";
        QTest::newRow("scheda svuotata") << F([](DocumentoAzioni& d) { d.svuotascheda(2); })
                                         << "cancellazione dei dati della scheda n.2";
        QTest::newRow("ordina per nome") << F([](DocumentoAzioni& d) { d.ordinaperazioni(); }) << "ordinamento per nome";
        QTest::newRow("ordina per data") << F([](DocumentoAzioni& d) { d.ordinaperdata(); }) << "ordinamento per data";
        QTest::newRow("elimina titolo") << F([](DocumentoAzioni& d) { QVERIFY(d.eliminatitolo(QStringLiteral("Alfa"))); })
                                        << "cancellazione del titolo Alfa";
        QTest::newRow("elimina data") << F([](DocumentoAzioni& d) { QVERIFY(d.eliminadata(QStringLiteral("03/02/99"))); })
                                      << "cancellazione della data 03/02/99";
        QTest::newRow("svuota") << F([](DocumentoAzioni& d) { d.svuota(); }) << "cancellazione di tutti i dati";
        QTest::newRow("incolla colonna")
            << F([](DocumentoAzioni& d) { d.incollaquotazioni(4, 1, QStringLiteral("13\n14\n15"), QString()); })
            << "incolla quotazioni";
        QTest::newRow("incolla date")
            << F([](DocumentoAzioni& d) { d.incolladate(4, QStringLiteral("08/02/99\t09/02/99"), QString()); })
            << "incolla date";
        QTest::newRow("importa") << F([](DocumentoAzioni& d) {
            const FileQuotazioni f = leggiquotazioni(QByteArrayLiteral("Alfa;21\nZeta;22\n"));
            QVERIFY(!d.importa(f, QStringLiteral("10/02/99"), QString()).rifiuto);
        }) << "importazione del 10/02/99";
    }
    void azioni() { unpasso<DocumentoAzioni>(treazioni()); }

    // Every kind of change of the balance, the currency switch included.
    void bilancio_data()
    {
        colonne<std::function<void(DocumentoBilancio&)>, QString>("cambia", "didascalia");
        using F = std::function<void(DocumentoBilancio&)>;
        QTest::newRow("vendute") << F([](DocumentoBilancio& d) {
            d.modifica([](SalesBalance& b) { immettivendute(b, 2, 2, QStringLiteral("20"), b.nomea[2], {}, QString()); },
                       QStringLiteral("digitazione in azioni vendute n.2"), 7);
        }) << "digitazione in azioni vendute n.2";
        QTest::newRow("titolo scelto") << F([](DocumentoBilancio& d) {
            Portfolio p;
            p.nomititoli[1] = QStringLiteral("Mediaset");
            p.dateacquisto[1] = QStringLiteral("02/02/99");
            p.quantitatitoli[1] = QStringLiteral("30");
            p.prezzititoli[1] = QStringLiteral("9000");
            p.numerotitoli = 1;
            d.modifica([&](SalesBalance& b) { sceglititolo(b, p, 3, 1, p.nomititoli[1], QString()); },
                       QStringLiteral("scelta del titolo n.3"));
        }) << "scelta del titolo n.3";
        QTest::newRow("in euro") << F([](DocumentoBilancio& d) { d.inEuro(); }) << "valori in euro";
        QTest::newRow("svuota") << F([](DocumentoBilancio& d) { d.svuota(); }) << "cancellazione di tutti i dati";
    }
    void bilancio() { unpasso<DocumentoBilancio>(duevendite()); }

    // The rows moved up at a save, asked and agreed to, are one step too.
    void bilancio_righechiuse()
    {
        DocumentoBilancio d;
        SalesBalance b = duevendite();
        b.nomea[4] = b.nomea[2];
        b.nomea[2].clear();
        b.numerorighe = 1;
        d.sostituisci(b, QStringLiteral("Velno-bilancio-1999"), true);
        const QString prima = fotografia(d);
        MessaggiRegistrati m;
        m.risposte.push_back(Risposta::Si);
        d.prontoperarchiviare(m, QString(), [] {});
        QCOMPARE(d.storia().undoText(), QStringLiteral("spostamento delle vendite in su"));
        d.storia().undo();
        QCOMPARE(fotografia(d), prima);
    }

    // The keys typed in one box are one step until the focus leaves it or another box is
    // typed in; typed back to what it held, the step goes, and nothing is unsaved.
    void digitazione()
    {
        using C = DocumentoAzioni::Campo;
        DocumentoAzioni d;
        d.sostituisci(treazioni(), QStringLiteral("archivio"), true);
        for (const char* t : {"1", "12", "123"})
            d.imposta(C::Quantita, 1, QString::fromLatin1(t));
        QCOMPARE(d.storia().count(), 1);
        d.imposta(C::Prezzo, 1, QStringLiteral("5"));
        d.imposta(C::Quantita, 1, QStringLiteral("1234"));
        QCOMPARE(d.storia().count(), 3);
        d.chiudidigitazione();
        d.imposta(C::Quantita, 1, QStringLiteral("12345"));
        QCOMPARE(d.storia().count(), 4);
        for (int k = 0; k < 4; ++k)
            d.storia().undo();
        QCOMPARE(d.tabelle().quantitatitoli[1], QStringLiteral("10"));
        QCOMPARE(d.tabelle().prezzititoli[1], QStringLiteral("1000"));
        QVERIFY(!d.modificato());
        // A new change after an undo drops what could have been redone.
        d.imposta(C::Nome, 3, QStringLiteral("Mediaset S.p.A."));
        QVERIFY(!d.storia().canRedo());
        d.chiudidigitazione();
        d.imposta(C::Dividendo, 2, QStringLiteral("5"));
        d.imposta(C::Dividendo, 2, QString());
        QCOMPARE(d.storia().count(), 1);
        QCOMPARE(d.storia().undoText(), QStringLiteral("digitazione in nome n.3"));

        // The balance's boxes likewise, by their key.
        DocumentoBilancio b;
        b.sostituisci(duevendite(), QStringLiteral("Velno-bilancio-1999"), true);
        for (const char* t : {"6", "60"})
            b.modifica([&](SalesBalance& s) { s.prezzo[1] = QString::fromLatin1(t); }, QStringLiteral("prezzo"), 41);
        b.modifica([&](SalesBalance& s) { s.prezzo[1] = QStringLiteral("6000"); }, QStringLiteral("prezzo"), 41);
        QCOMPARE(b.storia().count(), 0);
        QVERIFY(!b.modificato());
    }

    // A save marks where the archive stands: undoing back there leaves nothing unsaved, past it
    // something is. An open starts a new history; a recovered copy can never be "saved" by undoing.
    void salvataggioeapertura()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-prova"));
        DocumentoAzioni d;
        d.sostituisci(treazioni(), QString(), true);
        d.impostastrategia(QStringLiteral("a"));
        d.chiudidigitazione();
        d.impostastrategia(QStringLiteral("b"));
        QString errore;
        QVERIFY(d.salva(file, &errore));
        d.ordinaperazioni();
        d.storia().undo();
        QVERIFY(!d.modificato());
        d.storia().undo();
        QVERIFY(d.modificato());
        d.storia().redo();
        QVERIFY(!d.modificato());
        QVERIFY(d.apri(file, &errore));
        QCOMPARE(d.storia().count(), 0);
        d.sostituisci(treazioni(), file, false);
        d.impostastrategia(QStringLiteral("c"));
        d.storia().undo();
        QVERIFY(d.modificato());
    }

    // The history is bounded: the oldest steps go first.
    void limite()
    {
        DocumentoAzioni d;
        for (int k = 1; k <= DocumentoArchiviato::limitestoria + 100; ++k) {
            d.impostastrategia(QString::number(k));
            d.chiudidigitazione();
        }
        QCOMPARE(d.storia().count(), DocumentoArchiviato::limitestoria);
        while (d.storia().canUndo())
            d.storia().undo();
        QCOMPARE(d.tabelle().strategia, QStringLiteral("100"));
    }
};

QTEST_GUILESS_MAIN(TestStoria)
#include "test_storia.moc"
