#include "ambiente.h"
#include "doppi.h"
#include "balance/frmbilancio.h"
#include "balance/salesbalance.h"
#include "portfolio/frmazioni.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "documenti/ripristino.h"
#include "shell/frmsplash.h"
#include "plan/piano.h"
#include "controlli.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

namespace {
struct Ambiente : AmbienteFinestre {
    explicit Ambiente(const QString& cartella, const QString& utente = QString())
    {
        modulo.cartella = utente;
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
    QTest::keyClicks(trova<QComboBox>(a, "nome", 1)->lineEdit(), QStringLiteral("Fiat"));
    QTest::keyClicks(trova<QLineEdit>(a, "na", 1), QStringLiteral("100"));
    QTest::keyClicks(trova<QLineEdit>(a, "valore", 3, 2), QStringLiteral("7,5"));
    bilancio& b = e.finestre.mostra<bilancio>();
    QTest::keyClicks(trova<QLineEdit>(b, "datavendita", 1), QStringLiteral("12/03/99"));
}

QStringList testi(const QList<Messaggio>& m)
{
    QStringList t;
    for (const Messaggio& x : m)
        t << x.testo;
    return t;
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
        const Portfolio& pf = e.modulo.azioni.dati();
        if (!ripristina) {
            QVERIFY(pf.nomititoli[1].isEmpty());
            QVERIFY(!QFile::exists(e.finestre.ripristino()->fileportafoglio()));
            QVERIFY(!QFile::exists(e.finestre.ripristino()->filebilancio()));
            return;
        }
        QCOMPARE(pf.nomititoli[1], QStringLiteral("Fiat"));
        QCOMPARE(pf.quantitatitoli[1], QStringLiteral("100"));
        QCOMPARE(pf.quotazioni(3, 2), QStringLiteral("7,5"));
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 3, 2)->text(), QStringLiteral("7,5"));
        QCOMPARE(e.modulo.vendite.dati().datavendita[1], QStringLiteral("12/03/99"));
        QCOMPARE(trova<QLineEdit>(e.finestre.finestra<bilancio>(), "datavendita", 1)->text(), QStringLiteral("12/03/99"));
        // Still not archived: the copy stays until a save.
        QVERIFY(QFile::exists(e.finestre.ripristino()->fileportafoglio()));
    }

    void dueVelno_copieprivate()
    {
        // The first Velno's copy is the user's alone; a second Velno in the same folder
        // neither offers it, writes over it nor removes it.
        QTemporaryDir cartella;
        Ambiente primo(cartella.path());
        digita(primo);
        Ripristino* r = primo.finestre.ripristino();
        QVERIFY(r->attivo());
        QVERIFY(attendi([r] { return QFile::exists(r->fileportafoglio()); }));
        QCOMPARE(QFileInfo(r->fileportafoglio()).permissions() & 0x0077, QFile::Permissions());
        QCOMPARE(QFileInfo(cartella.path()).permissions() & 0x0077, QFile::Permissions());
        const QByteArray copia = [&] {
            QFile f(r->fileportafoglio());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        {
            Ambiente secondo(cartella.path());
            QVERIFY(!secondo.finestre.ripristino()->attivo());
            frmAzioni& a = secondo.finestre.azioni();
            a.show();
            QTest::keyClicks(trova<QComboBox>(a, "nome", 2)->lineEdit(), QStringLiteral("Eni"));
            QTest::qWait(100);
            secondo.messaggi.risposte.push_back(Risposta::Si);
            secondo.finestre.confermauscita();
            QCOMPARE(secondo.messaggi.registrati.size(), 1);   // the exit question only
        }
        QFile f(r->fileportafoglio());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), copia);
    }

    void copiaentrodueintervalli()
    {
        // Typing that goes on is copied while it goes on, at least every two looks; when it
        // stops, the copy follows within two looks (a look is a second in the program).
        QTemporaryDir cartella;
        Ambiente e(cartella.path());
        Ripristino* r = e.finestre.ripristino();
        r->impostaintervallo(200);
        frmAzioni& a = e.finestre.azioni();
        a.show();
        QElapsedTimer orologio;
        orologio.start();
        bool copiato = false;
        while (orologio.elapsed() < 1500) {
            QTest::keyClicks(trova<CasellaTesto>(a, "strategia"), QStringLiteral("x"));
            QTest::qWait(50);
            copiato = copiato || QFile::exists(r->fileportafoglio());
        }
        QVERIFY(copiato);
        QTest::keyClicks(trova<CasellaTesto>(a, "strategia"), QStringLiteral("fine"));
        orologio.restart();
        QVERIFY(attendi([&] {
            QFile f(r->fileportafoglio());
            return f.open(QIODevice::ReadOnly) && f.readAll().contains("xfine");
        }, 5000));
        QVERIFY(orologio.elapsed() < 2000);
    }

    void inattivo_nessunlavoro()
    {
        // Idle with unsaved data, the copy is written once and then nothing runs; a change
        // from any window (the plan, the balance's currency) is copied in turn.
        QTemporaryDir cartella;
        Ambiente e(cartella.path());
        Ripristino* r = e.finestre.ripristino();
        QVERIFY(!r->inattesa());
        frmAzioni& a = e.finestre.azioni();
        a.show();
        QTest::keyClicks(trova<QComboBox>(a, "nome", 1)->lineEdit(), QStringLiteral("Eni"));
        QVERIFY(r->inattesa());
        QVERIFY(attendi([r] { return QFile::exists(r->fileportafoglio()); }));
        QVERIFY(!r->inattesa());
        const QDateTime scritta = QFileInfo(r->fileportafoglio()).lastModified();
        QTest::qWait(100);
        QVERIFY(!r->inattesa());
        QCOMPARE(QFileInfo(r->fileportafoglio()).lastModified(), scritta);

        trova<CasellaTesto>(e.finestre.mostra<piano>(), "Text1", 4)->setPlainText(QStringLiteral("aprile"));
        QVERIFY(attendi([r] {
            QFile f(r->fileportafoglio());
            return f.open(QIODevice::ReadOnly) && f.readAll().contains("aprile");
        }));
        bilancio& b = e.finestre.mostra<bilancio>();
        QTest::keyClicks(trova<QLineEdit>(b, "datavendita", 1), QStringLiteral("12/03/99"));
        QVERIFY(attendi([r] { return QFile::exists(r->filebilancio()); }));
        QVERIFY(!r->inattesa());
    }

    void temporaneidiunacaduta_eletturefallite()
    {
        QTemporaryDir cartella, utente;
        // A save that a crash interrupted left its temporary file; one of this moment stays.
        const QString vecchio = QDir(utente.path()).filePath(QStringLiteral(".Velno-azioni-casa.Ab3dE9"));
        const QString recente = QDir(utente.path()).filePath(QStringLiteral(".Velno-azioni-casa.Zz9yY8"));
        const QString altrui = QDir(utente.path()).filePath(QStringLiteral(".bashrc.Ab3dE9"));
        for (const QString& n : {vecchio, recente, altrui}) {
            QFile f(n);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        for (const QString& n : {vecchio, altrui}) {
            QFile f(n);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        // A copy that does not read back is put aside and told of.
        QFile rotta(QDir(cartella.path()).filePath(QStringLiteral("recupero-azioni")));
        QVERIFY(rotta.open(QIODevice::WriteOnly));
        rotta.write("3,\"non\",\r\n");
        rotta.close();
        Ambiente e(cartella.path(), utente.path());
        QVERIFY(!QFile::exists(vecchio));
        QVERIFY(QFile::exists(recente) && QFile::exists(altrui));
        e.messaggi.risposte.push_back(Risposta::Ripristina);
        e.finestre.azioni().show();
        QVERIFY(attendi([&e] { return e.messaggi.registrati.size() >= 2; }));
        QVERIFY2(e.messaggi.registrati[1].testo.startsWith(QStringLiteral("Impossibile ripristinare la copia di recupero")),
                 qPrintable(e.messaggi.registrati[1].testo));
        QVERIFY(QFile::exists(rotta.fileName() + QStringLiteral(".non-ripristinata")));
        // A copy that cannot be written is told, once.
        Ripristino* r = e.finestre.ripristino();
        QVERIFY(QDir().mkpath(r->fileportafoglio()));   // a folder where the copy goes
        e.messaggi.registrati.clear();
        QTest::keyClicks(trova<CasellaTesto>(e.finestre.azioni(), "strategia"), QStringLiteral("a"));
        QVERIFY(attendi([&e] { return !e.messaggi.registrati.isEmpty(); }));
        QTest::keyClicks(trova<CasellaTesto>(e.finestre.azioni(), "strategia"), QStringLiteral("b"));
        QTest::qWait(200);
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QVERIFY(e.messaggi.registrati[0].testo.startsWith(QStringLiteral("Impossibile scrivere la copia di recupero")));
    }

    void dopolosplashdichiusura_tuttoinmemoria()
    {
        // "Sì" to leaving, then a click on the closing splash: the windows come back showing
        // what memory still holds, and nothing is offered for recovery.
        QTemporaryDir cartella;
        Ambiente e(cartella.path());
        digita(e);
        QTest::qWait(50);   // the start's offer has looked (there was nothing to offer)
        e.modulo.azioni.dati().notepiano[3] = QStringLiteral("vendere a marzo");
        e.modulo.azioni.impostanomefile(QStringLiteral("/percorso/Velno-azioni-casa"));
        e.modulo.vendite.impostanomefile(QStringLiteral("/percorso/Velno-bilancio-casa-1999"));
        e.messaggi.risposte.push_back(Risposta::Si);
        e.finestre.confermauscita();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        e.finestre.finestra<frmSplash>().Form_Click();
        frmAzioni& a = e.finestre.azioni();
        QVERIFY(a.isVisible());
        QCOMPARE(trova<QComboBox>(a, "nome", 1)->currentText(), QStringLiteral("Fiat"));
        QCOMPARE(trova<QLineEdit>(a, "na", 1)->text(), QStringLiteral("100"));
        QCOMPARE(trova<QLineEdit>(a, "valore", 3, 2)->text(), QStringLiteral("7,5"));
        QCOMPARE(trova<CasellaTesto>(e.finestre.finestra<piano>(), "Text1", 3)->toPlainText(), QStringLiteral("vendere a marzo"));
        // Salva goes on writing to the archives in use, and a copy keeps their names.
        QCOMPARE(e.modulo.azioni.nomefile(), QStringLiteral("/percorso/Velno-azioni-casa"));
        QCOMPARE(e.modulo.vendite.nomefile(), QStringLiteral("/percorso/Velno-bilancio-casa-1999"));
        QTest::qWait(100);
        QCOMPARE(testi(e.messaggi.registrati), QStringList{e.messaggi.registrati.value(0).testo});   // the exit question only
        QVERIFY(e.messaggi.registrati[0].testo.startsWith(QStringLiteral("Vuoi uscire")));
    }

    void salvato_nessunacopia()
    {
        // Typed, then saved (or undone back to what was saved), then left: nothing is kept
        // aside, and nothing is offered again.
        QTemporaryDir cartella, utente;
        {
            Ambiente e(cartella.path());
            frmAzioni& a = e.finestre.azioni();
            a.show();
            trova<QComboBox>(a, "nome", 1)->setEditText(QStringLiteral("Eni"));
            trova<QLineEdit>(a, "dataacquisto", 1)->setText(QStringLiteral("04/01/99"));
            trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("6"));
            Ripristino* r = e.finestre.ripristino();
            QVERIFY(attendi([r] { return QFile::exists(r->fileportafoglio()); }));
            e.dialoghi.prossimofile = QDir(utente.path()).filePath(QStringLiteral("Velno-azioni-prova"));
            a.salva_Click();
            QVERIFY(!QFile::exists(r->fileportafoglio()));
            // Typed again, a copy; undone back to the saved tables, none.
            trova<QLineEdit>(a, "prezzo", 1)->setText(QStringLiteral("7"));
            QVERIFY(attendi([r] { return QFile::exists(r->fileportafoglio()); }));
            e.modulo.azioni.storia().undo();
            QCOMPARE(trova<QLineEdit>(a, "prezzo", 1)->text(), QStringLiteral("6"));
            QVERIFY(!e.modulo.azioni.modificato());
            QVERIFY(attendi([r] { return !QFile::exists(r->fileportafoglio()); }));
            e.messaggi.risposte.push_back(Risposta::Si);
            e.finestre.confermauscita();
            // Only the lock of the Velno running.
            QCOMPARE(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"recupero.lock"});
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
