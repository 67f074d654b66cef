#include "ambienteshell.h"
#include "didascalie.h"
#include "portfolio/frmazioni.h"
#include "shell/frmsplash.h"
#include "controlli.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
frmSplash& avvia(Ambiente& e)
{
    frmSplash& s = e.finestre.mostra<frmSplash>();
    if (!QTest::qWaitForWindowExposed(&s))
        qFatal("splash not exposed");
    QCoreApplication::processEvents();
    return s;
}

int finestreazioni()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmAzioni*>(w))
            ++n;
    return n;
}
} // namespace

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { filedisorgente(); }

    void allavvio()
    {
        Ambiente e;
        e.modulo.nomeprogramma.clear();
        e.modulo.titolocontrollo.clear();
        frmSplash& s = e.finestre.mostra<frmSplash>();
        // Identity and titles exist before any other window loads.
        QCOMPARE(e.modulo.nomeprogramma, QStringLiteral("Velno"));
        QCOMPARE(e.modulo.titolocontrollo, QStringLiteral("Velno: controllo dati immessi nella finestra attiva"));
        QCOMPARE(trova<QLabel>(s, "label", 3)->text(), QStringLiteral("Velno"));
        QCOMPARE(trova<QLabel>(s, "label", 4)->text(), QStringLiteral("programma per la gestione dei titoli di velno"));
        QCOMPARE(trova<QLabel>(s, "label", 5)->text(), QStringLiteral("2.04.08"));
        QCOMPARE(trova<QLabel>(s, "label", 8)->text(), QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"));
        QVERIFY(trova<QLabel>(s, "label", 2)->text().isEmpty());
        // Nothing of the tune's player runs before the first frame; then the tune starts.
        QVERIFY(e.suono.isEmpty());
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTRY_COMPARE(e.suono, (QStringList{QStringLiteral("open Internet.mid"), QStringLiteral("play")}));
        QVERIFY(!e.finestre.azionicaricata());
        QVERIFY(didascalietroncate(&s).isEmpty());
    }

    void untastoprimadelclic_chiude()
    {
        Ambiente e;
        frmSplash& s = avvia(e);
        QTest::keyClick(&s, Qt::Key_Escape);
        QCOMPARE(e.fine, 1);
        QVERIFY(!e.finestre.caricata<frmSplash>());
        QVERIFY(!e.finestre.azionicaricata());
        QCOMPARE(e.suono.last(), QStringLiteral("close"));
        eliminarimandate();
        QCOMPARE(finestreazioni(), 0);
    }

    void unmodificatoredasolo_nonchiude()
    {
        Ambiente e;
        frmSplash& s = avvia(e);
        QTest::keyClick(&s, Qt::Key_Shift);
        QTest::keyClick(&s, Qt::Key_Alt);
        QCOMPARE(e.fine, 0);
        QVERIFY(e.finestre.caricata<frmSplash>());
    }

    void dueclic_unasolafinestraazioni()
    {
        Ambiente e;
        frmSplash& s = avvia(e);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(e.finestre.azionicaricata());
        frmAzioni* a = &e.finestre.azioni();
        QVERIFY(a->isVisible());
        // The second click, on a label this time, only brings the same window forward.
        QTest::mouseClick(trova<QLabel>(s, "label", 4), Qt::LeftButton);
        QCOMPARE(&e.finestre.azioni(), a);
        QCOMPARE(finestreazioni(), 1);
        QCOMPARE(e.suono.count(QStringLiteral("pause")), 2);
        QVERIFY(s.isVisible());   // the splash stays loaded behind it
        QCOMPARE(e.fine, 0);
    }

    void clicsullimmagine_mostraazioni()
    {
        Ambiente e;
        frmSplash& s = avvia(e);
        QTest::mouseClick(trova<QLabel>(s, "Image1"), Qt::LeftButton);
        QVERIFY(e.finestre.azionicaricata());
        QVERIFY(e.finestre.azioni().isVisible());
    }

    void tastodopoilclic_restalafinestraazioni()
    {
        Ambiente e;
        frmSplash& s = avvia(e);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::keyClick(&s, Qt::Key_A);
        QCOMPARE(e.fine, 0);
        QVERIFY(!e.finestre.caricata<frmSplash>());
        QVERIFY(e.finestre.azioni().isVisible());
        QCOMPARE(e.suono.last(), QStringLiteral("close"));
    }

    void uscita_mostralosplashdichiusura()
    {
        Ambiente e;
        frmSplash& s = avvia(e);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(20, 20));
        frmAzioni& a = e.finestre.azioni();

        trova<QPushButton>(a, "cmdesci")->click();   // No: nothing changes
        QVERIFY(a.isVisible());
        QVERIFY(trova<QLabel>(s, "label", 2)->text().isEmpty());

        e.messaggi.risposte.push_back(Risposta::Si);
        trova<QPushButton>(a, "cmdesci")->click();
        QVERIFY(!e.finestre.azionicaricata());
        QVERIFY(e.finestre.caricata<frmSplash>());
        frmSplash& chiusura = e.finestre.finestra<frmSplash>();
        QVERIFY(chiusura.isVisible());
        QCOMPARE(trova<QLabel>(chiusura, "label", 2)->text(), QStringLiteral("       elaborazione eseguita con"));
        QCOMPARE(e.fine, 0);
        eliminarimandate();
        QVERIFY(QTest::qWaitForWindowExposed(&chiusura));
        // The closing screen plays the tune again.
        QTRY_VERIFY(e.suono.size() >= 2 && e.suono.last() == u"play");
        QVERIFY(e.suono.lastIndexOf(QStringLiteral("open Internet.mid")) > e.suono.indexOf(QStringLiteral("pause")));

        QTest::keyClick(&chiusura, Qt::Key_Return);
        QCOMPARE(e.fine, 1);
        QVERIFY(!e.finestre.caricata<frmSplash>());
    }

    void senzailbrano_silenzio()
    {
        impostacartelledistribuite({QStringLiteral("/nessuna/cartella")});
        Ambiente e;
        avvia(e);
        QTRY_COMPARE(e.suono, (QStringList{QStringLiteral("open -"), QStringLiteral("play")}));
        QVERIFY(e.messaggi.registrati.isEmpty());
        filedisorgente();
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
