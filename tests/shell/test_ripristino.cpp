#include "doppi.h"
#include "balance/frmbilancio.h"
#include "balance/salesbalance.h"
#include "portfolio/frmazioni.h"
#include "shared/modulovelno.h"
#include "shell/finestre.h"
#include "shell/ripristino.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

namespace {
struct Ambiente {
    ModuloVelno modulo;
    MessaggiRegistrati messaggi;
    DialoghiRegistrati dialoghi;
    Finestre finestre{modulo, messaggi, dialoghi};
    int fine = 0;
    explicit Ambiente(const QString& cartella)
    {
        finestre.allafine = [this] { ++fine; };
        finestre.attivaripristino(cartella);
        finestre.ripristino()->impostaintervallo(20);
    }
};

// What the user types before the program dies: a holding with no purchase date (the data
// check would not count it), a quotation in an undated column, a sale date in the balance.
void digita(Ambiente& e)
{
    frmAzioni& a = e.finestre.azioni();
    a.show();
    QTest::keyClicks(a.nome[1]->lineEdit(), QStringLiteral("Fiat"));
    QTest::keyClicks(a.na[1], QStringLiteral("100"));
    QTest::keyClicks(a.valore[3][2], QStringLiteral("7,5"));
    bilancio& b = e.finestre.mostra<bilancio>();
    QTest::keyClicks(b.datavendita[1], QStringLiteral("12/03/99"));
}

bool attendi(const std::function<bool()>& condizione, int millisecondi = 10000)
{
    for (int t = 0; t < millisecondi && !condizione(); t += 10)
        QTest::qWait(10);
    return condizione();
}

// The child: types, waits for the copies to be on disk, says so, and waits to be killed.
int figlio(int argc, char** argv)
{
    QApplication app(argc, argv);
    Ambiente e(QString::fromLocal8Bit(argv[2]));
    digita(e);
    Ripristino* r = e.finestre.ripristino();
    if (!attendi([r] { return QFile::exists(r->fileportafoglio()) && QFile::exists(r->filebilancio()); }))
        return 1;
    std::puts("pronto");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(100);
}
} // namespace

class TestRipristino : public QObject {
    Q_OBJECT
private slots:
    void ucciso_poiripristinato_data()
    {
        QTest::addColumn<bool>("ripristina");
        QTest::newRow("Ripristina") << true;
        QTest::newRow("Ignora") << false;
    }
    void ucciso_poiripristinato()
    {
        QFETCH(bool, ripristina);
        QTemporaryDir cartella;
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--figlio"), cartella.path()});
        QVERIFY(p.waitForStarted());
        QVERIFY2(attendi([&p] { return p.canReadLine() || p.state() == QProcess::NotRunning; }, 30000), "the child never wrote its copies");
        QCOMPARE(p.readLine().trimmed(), QByteArray("pronto"));
        p.kill();   // SIGKILL: nothing of the program's own runs
        QVERIFY(p.waitForFinished());

        Ambiente e(cartella.path());
        e.messaggi.risposte.push_back(ripristina ? Risposta::Ripristina : Risposta::Ignora);
        frmAzioni& a = e.finestre.azioni();
        a.show();
        QVERIFY(attendi([&e] { return !e.messaggi.registrati.isEmpty(); }));
        const Messaggio m = e.messaggi.registrati.constFirst();
        QCOMPARE(m.pulsanti, Pulsanti::RipristinaIgnora);
        QVERIFY2(m.testo.contains(QStringLiteral("il portafoglio mai archiviato e il bilancio delle vendite mai archiviato")),
                 qPrintable(m.testo));
        const Portfolio& pf = e.modulo.portafoglio;
        if (!ripristina) {
            QVERIFY(pf.nomititoli[1].isEmpty());
            QVERIFY(!QFile::exists(e.finestre.ripristino()->fileportafoglio()));
            QVERIFY(!QFile::exists(e.finestre.ripristino()->filebilancio()));
            return;
        }
        QCOMPARE(pf.nomititoli[1], QStringLiteral("Fiat"));
        QCOMPARE(pf.quantitatitoli[1], QStringLiteral("100"));
        QCOMPARE(pf.quotazioni(3, 2), QStringLiteral("7,5"));
        QCOMPARE(a.nome[1]->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(a.valore[3][2]->text(), QStringLiteral("7,5"));
        QCOMPARE(e.modulo.vendite.datavendita[1], QStringLiteral("12/03/99"));
        QCOMPARE(e.finestre.finestra<bilancio>().datavendita[1]->text(), QStringLiteral("12/03/99"));
        // Still not archived: the copy stays until a save.
        QVERIFY(QFile::exists(e.finestre.ripristino()->fileportafoglio()));
    }

    void salvato_nessunacopia()
    {
        // Typed, then saved, then left: nothing is kept aside, and nothing is offered again.
        QTemporaryDir cartella, utente;
        {
            Ambiente e(cartella.path());
            frmAzioni& a = e.finestre.azioni();
            a.show();
            a.nome[1]->setEditText(QStringLiteral("Eni"));
            a.dataacquisto[1]->setText(QStringLiteral("04/01/99"));
            a.prezzo[1]->setText(QStringLiteral("6"));
            Ripristino* r = e.finestre.ripristino();
            QVERIFY(attendi([r] { return QFile::exists(r->fileportafoglio()); }));
            e.dialoghi.prossimofile = QDir(utente.path()).filePath(QStringLiteral("Velno-azioni-prova"));
            a.salva_Click();
            QVERIFY(!QFile::exists(r->fileportafoglio()));
            e.messaggi.risposte.push_back(Risposta::Si);
            e.finestre.confermauscita();
            QVERIFY(QDir(cartella.path()).entryList(QDir::Files).isEmpty());
        }
        Ambiente e(cartella.path());
        e.finestre.azioni().show();
        QTest::qWait(50);
        QVERIFY(e.messaggi.registrati.isEmpty());
    }
};

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--figlio") == 0)
        return figlio(argc, argv);
    QApplication app(argc, argv);
    TestRipristino t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_ripristino.moc"
