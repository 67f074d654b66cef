#include "discopieno.h"
#include "shared/scritturasicura.h"
#include "colonne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QStringList filenascosti(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}
} // namespace

class TestScrittura : public QObject {
    Q_OBJECT
private slots:
    void discopieno_lasciailvecchio_data()
    {
        QTest::addColumn<int>("byte");
        // Small files are the ones Qt's own save reported as written on a full disk.
        QTest::newRow("piccolo") << 538;
        QTest::newRow("grande") << 200000;
    }
    void discopieno_lasciailvecchio()
    {
        QFETCH(int, byte);
        DiscoPieno disco;
        if (!disco.pronto())
            QSKIP(qPrintable(disco.perche()));
        const QString file = disco.percorso(QStringLiteral("Velno-azioni-prova"));
        const QByteArray vecchio(538, 'v');
        QString errore;
        QVERIFY2(scrivisicuro(file, vecchio, &errore), qPrintable(errore));
        QVERIFY(disco.riempi());

        QVERIFY(!scrivisicuro(file, QByteArray(byte, 'n'), &errore));
        QCOMPARE(errore, QStringLiteral("il disco è pieno"));
        QCOMPARE(leggi(file), vecchio);
        QCOMPARE(filenascosti(QFileInfo(file).path()), (QStringList{".riempitivo", "Velno-azioni-prova"}));
    }

    void dispositivoguasto()
    {
        // /dev/full refuses every byte, as a failing device would.
        const int fd = ::open("/dev/full", O_WRONLY);
        if (fd < 0)
            QSKIP("/dev/full non esiste su questo sistema");
        QString errore;
        const bool scritto = scrivitutto(fd, QByteArray(10, 'x'), &errore);
        ::close(fd);
        QVERIFY(!scritto);
        QCOMPARE(errore, QStringLiteral("il disco è pieno"));
    }

    void sostituisce_conipermessidiprima()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Velno-totali- 2001"));
        QString errore;
        QVERIFY(scrivisicuro(file, "primo", &errore));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0600) == 0);
        QVERIFY(scrivisicuro(file, "secondo", &errore));
        QCOMPARE(leggi(file), QByteArray("secondo"));
        QCOMPARE(QFileInfo(file).permissions() & 0x7777,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        QCOMPARE(filenascosti(dir.path()), QStringList{"Velno-totali- 2001"});
    }

    void cartellamancante_dettoinitaliano()
    {
        QTemporaryDir dir;
        QString errore;
        QVERIFY(!scrivisicuro(dir.filePath(QStringLiteral("manca/Velno-azioni-x")), "x", &errore));
        QCOMPARE(errore, QStringLiteral("il file o la cartella non esiste"));
        QVERIFY(!scrivisicuro(dir.path(), "x", &errore));
        QCOMPARE(errore, QStringLiteral("al posto del file c'è una cartella"));
    }

    void collegamentiefileprotetti()
    {
        QTemporaryDir dir;
        const QString vero = dir.filePath(QStringLiteral("archivi/Velno-azioni-vero"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("archivi")));
        QVERIFY(scrivisicuro(vero, "prima", nullptr));
        // Saved through a symbolic link: the file it points to changes, the link stays.
        const QString link = dir.filePath(QStringLiteral("Velno-azioni-link"));
        QVERIFY(QFile::link(vero, link));
        QString errore;
        QVERIFY2(scrivisicuro(link, "dopo", &errore), qPrintable(errore));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(leggi(vero), QByteArray("dopo"));
        QCOMPARE(filenascosti(dir.filePath(QStringLiteral("archivi"))), QStringList{"Velno-azioni-vero"});
        // A file made read-only is not replaced though its folder could take a new one.
        QVERIFY(::chmod(QFile::encodeName(vero).constData(), 0444) == 0);
        QVERIFY(!scrivisicuro(link, "ancora", &errore));
        QCOMPARE(errore, QStringLiteral("il file è protetto dalla scrittura"));
        QCOMPARE(leggi(vero), QByteArray("dopo"));
        // Another user's file, not writable by others, stays theirs (only root can try).
        if (::geteuid() == 0) {
            QVERIFY(::chmod(QFile::encodeName(vero).constData(), 0644) == 0);
            QVERIFY(::chown(QFile::encodeName(vero).constData(), 65534, 65534) == 0);
            QVERIFY(!scrivisicuro(vero, "ancora", &errore));
            QCOMPARE(leggi(vero), QByteArray("dopo"));
        }
    }

    void letturasolodifileordinari_data()
    {
        colonne<QString, QString>("percorso", "errore");
        QTest::newRow("pipe senza scrittore") << "pipe" << "non è un file ordinario ma un dispositivo o una pipe";
        QTest::newRow("/dev/zero, senza fine") << "/dev/zero" << "non è un file ordinario ma un dispositivo o una pipe";
        QTest::newRow("cartella") << "." << "al posto del file c'è una cartella";
        QTest::newRow("troppo grande") << "grande" << "troppo grande per questo";
        QTest::newRow("mancante") << "manca" << "il file o la cartella non esiste";
    }
    void letturasolodifileordinari()
    {
        // Refused at once, never waited for: the read runs on a thread the test gives 20 s.
        QFETCH(QString, percorso);
        QFETCH(QString, errore);
        QTemporaryDir dir;
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
        QVERIFY(scrivisicuro(dir.filePath(QStringLiteral("grande")), QByteArray(1001, 'x'), nullptr));
        const QString file = percorso.startsWith(u'/') ? percorso : dir.filePath(percorso);
        struct Esito {
            std::atomic<bool> finito = false;
            bool letto = false;
            QString errore;
        };
        auto esito = std::make_shared<Esito>();
        std::thread([esito, file] {
            esito->letto = leggisicuro(file, 1000, nullptr, &esito->errore, QStringLiteral("troppo grande per questo"));
            esito->finito = true;
        }).detach();
        QTRY_VERIFY_WITH_TIMEOUT(esito->finito, 20000);
        QVERIFY(!esito->letto);
        QCOMPARE(esito->errore, errore);
        // A file within the bound is read whole.
        QByteArray dati;
        QVERIFY(scrivisicuro(dir.filePath(QStringLiteral("piccolo")), "quattro", nullptr));
        QVERIFY(leggisicuro(dir.filePath(QStringLiteral("piccolo")), 7, &dati, nullptr));
        QCOMPARE(dati, QByteArray("quattro"));
    }
};

QTEST_GUILESS_MAIN(TestScrittura)
#include "test_scrittura.moc"
