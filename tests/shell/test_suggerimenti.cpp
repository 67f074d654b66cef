#include "controlli.h"
#include "ambienteshell.h"
#include "didascalie.h"
#include "shell/frmtip.h"
#include "shell/suggerimenti.h"
#include "colonne.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString scrivi(const QTemporaryDir& d, const QString& nome, const QByteArray& dati)
{
    const QString file = d.filePath(nome);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(dati) != dati.size())
        qFatal("cannot write fixture");
    return file;
}
} // namespace

class TestSuggerimenti : public QObject {
    Q_OBJECT
private slots:
    // Paging over a tips file: N = next, P = previous; the tip shown after each step.
    void paginazione_data()
    {
        colonne<QByteArray, QString, QStringList>("contenuto", "passi", "mostrati");
        QTest::newRow("tre avanti tornano al primo") << QByteArray("uno\ndue\ntre\n") << "NNN"
                                                     << QStringList{"uno", "due", "tre", "uno"};
        QTest::newRow("indietro sul primo resta") << QByteArray("uno\ndue\ntre\n") << "PPNP"
                                                  << QStringList{"uno", "uno", "uno", "due", "uno"};
        QTest::newRow("avanti e indietro") << QByteArray("uno\ndue\ntre") << "NNPNN"
                                           << QStringList{"uno", "due", "tre", "due", "tre", "uno"};
        QTest::newRow("righe CR LF") << QByteArray("uno\r\ndue\r\n") << "N" << QStringList{"uno", "due"};
        QTest::newRow("righe vuote comprese") << QByteArray("uno\n\ntre\n") << "NN" << QStringList{"uno", "", "tre"};
        QTest::newRow("Windows-1252") << QByteArray("caff\xe8 e perch\xe9\n") << "N"
                                      << QStringList{QStringLiteral("caffè e perché"), QStringLiteral("caffè e perché")};
        QTest::newRow("UTF-8") << QByteArray("città\nsì\n") << "N" << QStringList{QStringLiteral("città"), QStringLiteral("sì")};
        QTest::newRow("un solo suggerimento") << QByteArray("solo\n") << "NPN" << QStringList{"solo", "solo", "solo", "solo"};
    }
    void paginazione()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, passi);
        QFETCH(QStringList, mostrati);
        QTemporaryDir d;
        Suggerimenti s;
        QVERIFY(s.LoadTips(scrivi(d, Suggerimenti::nomefile, contenuto)));
        QStringList visti{s.testo()};
        for (QChar p : passi) {
            if (p == u'N')
                s.successivo();
            else
                s.precedente();
            visti << s.testo();
        }
        QCOMPARE(visti, mostrati);
    }

    void filemancanteovuoto()
    {
        Suggerimenti s;
        QVERIFY(!s.LoadTips(QString()));
        QVERIFY(!s.LoadTips(QStringLiteral("/nessuna/cartella/SuggerimentiVelno.TXT")));
        QTemporaryDir d;
        QVERIFY(!s.LoadTips(d.path()));   // a folder is no tips file
        QVERIFY(s.LoadTips(scrivi(d, QStringLiteral("vuoto.txt"), QByteArray())));
        QCOMPARE(s.quanti(), 0);
        s.successivo();
        s.precedente();
        QVERIFY(s.testo().isEmpty());
    }

    // Shipped files come from the folders beside the program, never from the current folder.
    void filedistribuito_data()
    {
        QTest::addColumn<QStringList>("presenti");   // "1" and "2": the file is in folder 1, 2; "." in the current one
        QTest::addColumn<int>("trovatoin");          // 0: not found
        QTest::newRow("nella prima") << QStringList{"1", "2"} << 1;
        QTest::newRow("solo nella seconda") << QStringList{"2"} << 2;
        QTest::newRow("in nessuna") << QStringList{} << 0;
        QTest::newRow("solo nella cartella corrente") << QStringList{"."} << 0;
    }
    void filedistribuito()
    {
        QFETCH(QStringList, presenti);
        QFETCH(int, trovatoin);
        QTemporaryDir d;
        QDir(d.path()).mkpath(QStringLiteral("1"));
        QDir(d.path()).mkpath(QStringLiteral("2"));
        QDir(d.path()).mkpath(QStringLiteral("corrente"));
        for (const QString& p : presenti)
            scrivi(d, (p == u"." ? QStringLiteral("corrente") : p) + QStringLiteral("/Internet.mid"), "MThd");
        const QString prima = QDir::currentPath();
        QDir::setCurrent(d.filePath(QStringLiteral("corrente")));
        impostacartelledistribuite({d.filePath(QStringLiteral("1")), d.filePath(QStringLiteral("2"))});
        const QString trovato = ::filedistribuito(QStringLiteral("Internet.mid"));
        QDir::setCurrent(prima);
        impostacartelledistribuite({});
        if (trovatoin == 0)
            QVERIFY2(trovato.isEmpty(), qPrintable(trovato));
        else
            QCOMPARE(trovato, d.filePath(QString::number(trovatoin) + QStringLiteral("/Internet.mid")));
    }

    void finestra_senzafile()
    {
        impostacartelledistribuite({QStringLiteral("/nessuna/cartella")});
        Ambiente e;
        frmTip& t = e.finestre.mostra<frmTip>();
        QCOMPARE(t.windowTitle(), QStringLiteral("Suggerimento del giorno"));
        QCOMPARE(trova<QLabel>(t, "lblTipText")->text(),
                 QStringLiteral("Impossibile trovare il file SuggerimentiVelno.TXT\r\n\r\nCreare un file di testo "
                                "denominato SuggerimentiVelno.TXT utilizzando il Blocco note e inserendo un "
                                "suggerimento per ogni riga. Inserire il file nella stessa directory "
                                "dell'applicazione. "));
        // Paging with no tips changes nothing and raises nothing.
        const QString prima = trova<QLabel>(t, "lblTipText")->text();
        trova<QPushButton>(t, "cmdNextTip")->click();
        trova<QPushButton>(t, "cmdprecedente")->click();
        QCOMPARE(trova<QLabel>(t, "lblTipText")->text(), prima);
        QVERIFY(e.messaggi.registrati.isEmpty());
        impostacartelledistribuite({});
    }

    void finestra_chiusaeriaperta_continua()
    {
        QTemporaryDir d;
        scrivi(d, Suggerimenti::nomefile, "primo\nsecondo\nterzo\nquarto\n");
        impostacartelledistribuite({d.path()});
        Ambiente e;
        frmTip* t = &e.finestre.mostra<frmTip>();
        QVERIFY(QTest::qWaitForWindowExposed(t));
        QCOMPARE(trova<QLabel>(*t, "lblTipText")->text(), QStringLiteral("primo"));
        QTest::mouseClick(trova<QPushButton>(*t, "cmdNextTip"), Qt::LeftButton);
        QTest::mouseClick(trova<QPushButton>(*t, "cmdNextTip"), Qt::LeftButton);
        QTest::mouseClick(trova<QPushButton>(*t, "cmdprecedente"), Qt::LeftButton);
        QCOMPARE(trova<QLabel>(*t, "lblTipText")->text(), QStringLiteral("secondo"));
        QTest::mouseClick(trova<QPushButton>(*t, "cmdOK"), Qt::LeftButton);
        QVERIFY(!t->isVisible());
        frmTip* ancora = &e.finestre.mostra<frmTip>();
        QCOMPARE(ancora, t);
        QVERIFY(t->isVisible());
        QTest::mouseClick(trova<QPushButton>(*t, "cmdNextTip"), Qt::LeftButton);
        QCOMPARE(trova<QLabel>(*t, "lblTipText")->text(), QStringLiteral("terzo"));
        QVERIFY(didascalietroncate(t).isEmpty());
        impostacartelledistribuite({});
    }

    void finestra_suggerimentidivelno()
    {
        filedisorgente();
        Ambiente e;
        frmTip& t = e.finestre.mostra<frmTip>();
        QFile f(QStringLiteral(VELNO_SORGENTI "/data/SuggerimentiVelno.TXT"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList righe = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(righe.size() >= 10);
        QCOMPARE(t.suggerimenti().quanti(), righe.size());
        QCOMPARE(trova<QLabel>(t, "lblTipText")->text(), righe.first());
        // The longest tip fits the window.
        for (const QString& r : righe) {
            trova<QLabel>(t, "lblTipText")->setText(r);
            QVERIFY2(didascalietroncate(&t).isEmpty(), qPrintable(r));
        }
        impostacartelledistribuite({});
    }
};

QTEST_MAIN(TestSuggerimenti)
#include "test_suggerimenti.moc"
