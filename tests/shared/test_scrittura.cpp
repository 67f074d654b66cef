#include "discopieno.h"
#include "shared/scritturasicura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestScrittura)
#include "test_scrittura.moc"
