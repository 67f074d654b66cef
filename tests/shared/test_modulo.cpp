#include "shared/campi.h"
#include "documenti/modulovelno.h"
#include "colonne.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestModulo : public QObject {
    Q_OBJECT
private slots:
    void totali_scrittiepoiletti()
    {
        QTemporaryDir dir;
        QVERIFY(ModuloVelno::scrivitotali(1998, QStringLiteral("1.234"), QStringLiteral("-56"),
                                          QStringLiteral("3,5"), dir.path()));
        QFile f(dir.filePath(QStringLiteral("Velno-totali- 1998")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\"1.234\",\"-56\",\"3,5\"\r\n"));

        ModuloVelno m;
        QVERIFY(m.leggitotali(1998, dir.path()));
        QCOMPARE(m.totalepagato[4], QStringLiteral("1.234"));
        QCOMPARE(m.totaleguadagno[4], QStringLiteral("-56"));
        QCOMPARE(m.mediepercento[4], QStringLiteral("3,5"));
    }

    // After a balance's save: a totals file that cannot be written is told, naming it; a
    // balance holding a sale of another year writes no year's file.
    void totali_dopoilsalvataggio()
    {
        QTemporaryDir dir;
        const QString nonunacartella = dir.filePath(QStringLiteral("file"));
        QFile f(nonunacartella);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        ModuloVelno m;
        m.impostatitoli();
        m.cartella = nonunacartella;
        m.vendite.modifica([](SalesBalance& s) {
            s.numerorighe = 1;
            s.nomea[1] = QStringLiteral("Fiat");
            s.datavendita[1] = QStringLiteral("10/05/99");
            s.pagato[1] = QStringLiteral("1000");
            s.realizzato[1] = QStringLiteral("100");
        });
        m.vendite.impostaanno(1999);
        const auto avviso = m.registratotali();
        QVERIFY(avviso);
        QCOMPARE(avviso->icona, Icona::Critica);
        QVERIFY2(avviso->testo.contains(m.percorsoutente(QStringLiteral("Velno-totali- 1999"))), qPrintable(avviso->testo));

        m.cartella = dir.path();
        const QString tenuto = m.totalepagato[5];
        m.vendite.modifica([](SalesBalance& s) {
            s.numerorighe = 2;
            s.datavendita[2] = QStringLiteral("10/05/00");
            s.pagato[2] = QStringLiteral("500");
        });
        QVERIFY(!m.registratotali());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Velno-totali- 1999"))));
        QCOMPARE(m.totalepagato[5], tenuto);
    }

    void totali_rifiutati_data()
    {
        QTest::addColumn<int>("anno");
        QTest::addColumn<QByteArray>("contenuto");   // empty: no file at all
        QTest::newRow("anno mancante") << 2001 << QByteArray();
        QTest::newRow("prima del 1994") << 1993 << QByteArray("\"1\",\"2\",\"3\"\r\n");
        QTest::newRow("dopo il 2044") << 2045 << QByteArray("\"1\",\"2\",\"3\"\r\n");
        QTest::newRow("file monco") << 2001 << QByteArray("\"1\",\"2");
    }
    void totali_rifiutati()
    {
        QFETCH(int, anno);
        QFETCH(QByteArray, contenuto);
        QTemporaryDir dir;
        if (!contenuto.isEmpty()) {
            QFile f(dir.filePath(ModuloVelno::nometotali(anno)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        ModuloVelno m;
        m.totalepagato[7] = QStringLiteral("prima");
        QVERIFY(!m.leggitotali(anno, dir.path()));
        QCOMPARE(m.totalepagato[7], QStringLiteral("prima"));
    }

    void campi_letti_data()
    {
        colonne<QString, QStringList>("testo", "attesi");
        QTest::newRow("testi e numeri") << "3,\"a, b\",.5\r\n" << QStringList{"3", "a, b", ".5"};
        QTest::newRow("cella vuota") << "\"x\",,\"y\"\r\n" << QStringList{"x", "", "y"};
        QTest::newRow("a capo nel testo") << "\"riga1\r\nriga2\"\r\n\"z\"\r\n" << QStringList{"riga1\r\nriga2", "z"};
        QTest::newRow("virgolette doppie") << "\"di \"\"lui\"\"\",1\r\n" << QStringList{"di \"lui\"", "1"};
        QTest::newRow("spazi attorno") << "  12 , \"t\" \r\n" << QStringList{"12", "t"};
        QTest::newRow("solo LF") << "\"a\"\n\"b\"\n" << QStringList{"a", "b"};
    }
    void campi_letti()
    {
        QFETCH(QString, testo);
        QFETCH(QStringList, attesi);
        LettoreCampi l(testo);
        QStringList letti;
        while (!l.finito()) {
            const auto c = l.leggi();
            QVERIFY(c);
            letti << c->testo;
        }
        QCOMPARE(letti, attesi);
    }

    void campi_scritti()
    {
        ScrittoreCampi s;
        s.numero(2);
        s.testo(QStringLiteral("a, \"b\""));
        s.vuoto();
        s.numero(0.5);
        s.fineriga();
        s.testo(QString());
        s.fineriga();
        QCOMPARE(s.risultato(), QStringLiteral("2,\"a, \"\"b\"\"\",,.5\r\n\"\"\r\n"));
    }

    void codifica()
    {
        const QString accenti = QStringLiteral("àèéìòù €");
        const QByteArray w = codificaarchivio(accenti);
        QCOMPARE(w, QByteArray("\xE0\xE8\xE9\xEC\xF2\xF9 \x80"));
        QCOMPARE(decodificaarchivio(w), accenti);
        const QString fuori = QStringLiteral("Ωmega àè");
        const QByteArray u = codificaarchivio(fuori);
        QVERIFY(u.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(decodificaarchivio(u), fuori);
    }
};

QTEST_GUILESS_MAIN(TestModulo)
#include "test_modulo.moc"
