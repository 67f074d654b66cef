#include "documenti/documentoazioni.h"
#include "documenti/documentobilancio.h"
#include "portfolio/archivio.h"
#include "balance/archiviobilancio.h"
#include "colonne.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

namespace {
// Two holdings, Zeta before Alfa, quoted on two dated columns.
Portfolio dueazioni()
{
    Portfolio p;
    p.nomititoli[1] = QStringLiteral("Zeta");
    p.nomititoli[2] = QStringLiteral("Alfa");
    for (int i = 1; i <= 2; ++i) {
        p.quantitatitoli[i] = QStringLiteral("10");
        p.prezzititoli[i] = QStringLiteral("1000");
        p.dateacquisto[i] = QStringLiteral("01/02/99");
    }
    p.datequotazioni[1] = QStringLiteral("05/02/99");
    p.datequotazioni[2] = QStringLiteral("03/02/99");
    p.quotazioni(1, 1) = QStringLiteral("11");
    p.quotazioni(2, 1) = QStringLiteral("12");
    p.numerotitoli = 2;
    p.numerocolonne = 2;
    return p;
}

// Which of a document's signals were emitted, by name.
template <class D> class Ascolto {
public:
    explicit Ascolto(D& d)
    {
        const QMetaObject& m = D::staticMetaObject;
        // Its own signals and those of what every document is.
        for (int i = QObject::staticMetaObject.methodCount(); i < m.methodCount(); ++i)
            if (m.method(i).methodType() == QMetaMethod::Signal)
                m_spie[QString::fromLatin1(m.method(i).name())] =
                    std::make_unique<QSignalSpy>(&d, ("2" + m.method(i).methodSignature()).constData());
    }
    QStringList emessi() const
    {
        QStringList r;
        for (const auto& [nome, spia] : m_spie)
            if (!spia->isEmpty())
                r << nome;
        return r;
    }

private:
    std::map<QString, std::unique_ptr<QSignalSpy>> m_spie;
};
} // namespace

class TestDocumenti : public QObject {
    Q_OBJECT
private slots:
    // Every change is announced as what it is, and leaves the document unsaved; writing back
    // what a cell already holds (a redraw does) is no change.
    void azioni_annunci_data()
    {
        colonne<std::function<void(DocumentoAzioni&)>, QStringList>("cambia", "emessi");
        using F = std::function<void(DocumentoAzioni&)>;
        using C = DocumentoAzioni::Campo;
        QTest::newRow("nome") << F([](DocumentoAzioni& d) { d.imposta(C::Nome, 1, QStringLiteral("Fiat")); })
                              << QStringList{"cambiato", "titolocambiato"};
        QTest::newRow("nome uguale") << F([](DocumentoAzioni& d) { d.imposta(C::Nome, 1, QStringLiteral("Zeta")); })
                                     << QStringList{};
        QTest::newRow("dividendo") << F([](DocumentoAzioni& d) { d.imposta(C::Dividendo, 2, QStringLiteral("50")); })
                                   << QStringList{"cambiato", "titolocambiato"};
        QTest::newRow("titolo fuori") << F([](DocumentoAzioni& d) { d.imposta(C::Nome, 101, QStringLiteral("x")); })
                                      << QStringList{};
        QTest::newRow("quotazione") << F([](DocumentoAzioni& d) { d.impostaquotazione(2, 2, QStringLiteral("9")); })
                                    << QStringList{"cambiato", "quotazionecambiata"};
        QTest::newRow("data") << F([](DocumentoAzioni& d) { d.impostadata(3, QStringLiteral("08/02/99")); })
                              << QStringList{"cambiato", "datacambiata"};
        QTest::newRow("strategia") << F([](DocumentoAzioni& d) { d.impostastrategia(QStringLiteral("tenere")); })
                                   << QStringList{"cambiato", "notecambiate"};
        QTest::newRow("nota del piano") << F([](DocumentoAzioni& d) { d.impostanotapiano(12, QStringLiteral("dicembre")); })
                                        << QStringList{"cambiato", "notecambiate"};
        QTest::newRow("ordina per nome") << F([](DocumentoAzioni& d) { d.ordinaperazioni(); })
                                         << QStringList{"cambiato", "titolispostati"};
        QTest::newRow("ordina per data") << F([](DocumentoAzioni& d) { d.ordinaperdata(); })
                                         << QStringList{"cambiato", "colonnecambiate"};
        QTest::newRow("elimina titolo") << F([](DocumentoAzioni& d) { QVERIFY(d.eliminatitolo(QStringLiteral("Zeta"))); })
                                        << QStringList{"cambiato", "titolispostati"};
        QTest::newRow("elimina titolo assente") << F([](DocumentoAzioni& d) { QVERIFY(!d.eliminatitolo(QStringLiteral("Beta"))); })
                                                << QStringList{};
        QTest::newRow("elimina data") << F([](DocumentoAzioni& d) { QVERIFY(d.eliminadata(QStringLiteral("03/02/99"))); })
                                      << QStringList{"cambiato", "colonnecambiate"};
        QTest::newRow("svuota") << F([](DocumentoAzioni& d) { d.svuota(); }) << QStringList{"cambiato", "svuotato"};
        QTest::newRow("incolla colonna")
            << F([](DocumentoAzioni& d) { d.incollaquotazioni(2, 1, QStringLiteral("13\n14"), QString()); })
            << QStringList{"cambiato", "colonnecambiate"};
        QTest::newRow("incolla nulla") << F([](DocumentoAzioni& d) { d.incollaquotazioni(2, 1, QStringLiteral("abc"), QString()); })
                                       << QStringList{};
        QTest::newRow("sostituisci non salvato")
            << F([](DocumentoAzioni& d) { d.sostituisci(dueazioni(), QStringLiteral("copia"), false); })
            << QStringList{"aperto", "cambiato", "sostituito"};
    }
    void azioni_annunci()
    {
        QFETCH(std::function<void(DocumentoAzioni&)>, cambia);
        QFETCH(QStringList, emessi);
        DocumentoAzioni d;
        d.sostituisci(dueazioni(), QStringLiteral("archivio"), true);
        QVERIFY(!d.modificato());
        Ascolto a(d);
        cambia(d);
        QCOMPARE(a.emessi(), emessi);
        QCOMPARE(d.modificato(), !emessi.isEmpty());
    }

    // A holding is found again after a sort and a deletion moved it; a deleted one is nobody.
    void azioni_identita()
    {
        DocumentoAzioni d;
        d.sostituisci(dueazioni(), QString(), true);
        d.dati().nomititoli[3] = QStringLiteral("Beta");
        d.dati().numerotitoli = 3;
        const int zeta = d.tabelle().identita[1], alfa = d.tabelle().identita[2], beta = d.tabelle().identita[3];
        d.ordinaperazioni();
        QCOMPARE(d.tabelle().nomititoli[d.tabelle().titolocon(zeta)], QStringLiteral("Zeta"));
        QCOMPARE(d.tabelle().titolocon(alfa), 1);
        QCOMPARE(d.tabelle().titolocon(beta), 2);
        QVERIFY(d.eliminatitolo(QStringLiteral("Alfa")));
        QCOMPARE(d.tabelle().titolocon(alfa), 0);
        QCOMPARE(d.tabelle().titolocon(beta), 1);
        QCOMPARE(d.tabelle().nomititoli[d.tabelle().titolocon(zeta)], QStringLiteral("Zeta"));
        // The emptied last row is a holding of its own, not the deleted one come back.
        QVERIFY(d.tabelle().identita[Portfolio::maxtitoli] != alfa);
    }

    // Open and save: a failed open leaves everything as it was; a save marks the document
    // saved and names its file.
    void azioni_archivio()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-azioni-prova"));
        DocumentoAzioni d;
        d.sostituisci(dueazioni(), QString(), false);
        QVERIFY(d.modificato());
        QString errore;
        QVERIFY(d.salva(file, &errore));
        QVERIFY(!d.modificato());
        QCOMPARE(d.nomefile(), file);
        d.impostastrategia(QStringLiteral("dopo il salvataggio"));
        Ascolto a(d);
        QVERIFY(!d.apri(dir.filePath(QStringLiteral("manca")), &errore));
        QVERIFY(a.emessi().isEmpty());
        QCOMPARE(d.tabelle().strategia, QStringLiteral("dopo il salvataggio"));
        QCOMPARE(d.nomefile(), file);
        QVERIFY(d.apri(file, &errore));
        QVERIFY(!d.modificato());
        QCOMPARE(d.tabelle().nomititoli[2], QStringLiteral("Alfa"));
        QVERIFY(d.tabelle().strategia.isEmpty());
    }

    // The balance: rows changed, the currency switched once each way (prices typed in lire
    // come back exactly), a clear that keeps the currency, an open that is in lire.
    void bilancio()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-bilancio-1999"));
        DocumentoBilancio d;
        Ascolto a(d);
        d.modifica([](SalesBalance& b) {
            b.nomea[1] = QStringLiteral("Fiat");
            b.prezzo0[1] = QStringLiteral("5450");
            b.numerorighe = 1;
        });
        QCOMPARE(a.emessi(), (QStringList{"cambiato", "righecambiate"}));
        QVERIFY(d.modificato());
        d.inEuro();
        QVERIFY(d.ineuro());
        const QString ineuro = d.tabelle().prezzo0[1];
        d.inEuro();   // never twice
        QCOMPARE(d.tabelle().prezzo0[1], ineuro);
        d.inLire();
        QCOMPARE(d.tabelle().prezzo0[1], QStringLiteral("5450"));
        QString errore;
        QVERIFY(d.salva(file, &errore));
        QVERIFY(!d.modificato());
        QCOMPARE(d.tabelle().annobilancio, QStringLiteral("1999"));
        d.inEuro();
        d.svuota();
        QVERIFY(d.ineuro());
        QCOMPARE(d.tabelle().numerorighe, 0);
        QVERIFY(d.tabelle().nomea[1].isEmpty());
        QVERIFY(d.apri(file, &errore));
        QVERIFY(!d.ineuro());
        QVERIFY(!d.modificato());
        QCOMPARE(d.tabelle().prezzo0[1], QStringLiteral("5450"));
        QCOMPARE(d.nomefile(), file);
    }
};

QTEST_GUILESS_MAIN(TestDocumenti)
#include "test_documenti.moc"
