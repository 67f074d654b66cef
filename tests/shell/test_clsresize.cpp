#include "shell/clsresize.h"
#include "shell/linea.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
// A window of 400 x 300 pixels (6000 x 4500 twips) with three controls.
struct Finestra {
    QWidget form;
    QLabel* a;
    QLabel* b;
    Linea* l;
    Finestra()
    {
        form.resize(400, 300);
        a = new QLabel(&form);
        a->setGeometry(10, 20, 100, 30);
        b = new QLabel(&form);
        b->setGeometry(200, 100, 50, 40);
        l = new Linea(&form);
        l->imposta(150, 300, 3000, 1500);
    }
};
} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void sizeformtoscreen()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f.form);
        r.setSchermo(QSize(12000, 9000));
        r.SizeFormToScreen(75);
        QCOMPARE(f.form.geometry(), QRect(1500 / 15, 1125 / 15, 9000 / 15, 6750 / 15));
        QVERIFY(r.registrato());
        // Recorded at 400 x 300 and now 600 x 450: every control grew by half.
        QCOMPARE(f.a->geometry(), QRect(15, 30, 150, 45));
    }

    void primachiamata_registrasoltanto()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f.form);
        QVERIFY(!r.registrato());
        f.form.resize(800, 600);
        r.ResizeControls();
        QVERIFY(r.registrato());
        QCOMPARE(f.a->geometry(), QRect(10, 20, 100, 30));
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(10, 20, 100, 30));   // recorded at 800 x 600 already
    }

    void raddoppioeritorno()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f.form);
        r.ReInitialise();
        f.form.resize(800, 300);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(20, 20, 200, 30));
        QCOMPARE(f.b->geometry(), QRect(400, 100, 100, 40));
        QCOMPARE(f.l->X1(), 300);
        QCOMPARE(f.l->X2(), 6000);
        QCOMPARE(f.l->Y2(), 1500);
        // Many odd sizes, then back: the recorded values come back exactly.
        for (int w : {333, 517, 129, 871})
            f.form.resize(w, w / 2), r.ResizeControls();
        f.form.resize(400, 300);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(f.b->geometry(), QRect(200, 100, 50, 40));
        QCOMPARE(f.l->X1(), 150);
        QCOMPARE(f.l->Y1(), 300);
    }

    void controlli_neiriquadri()
    {
        // A frame with controls of its own: they scale with it, each in its own parent,
        // while the inner parts of a combo box are left to the combo.
        QWidget form;
        form.resize(400, 300);
        auto* riquadro = new QGroupBox(QStringLiteral("graduatoria tra due date a scelta"), &form);
        riquadro->setGeometry(100, 50, 200, 100);
        auto* dentro = new QLabel(riquadro);
        dentro->setGeometry(10, 20, 50, 30);
        auto* combo = new QComboBox(&form);
        combo->setEditable(true);
        combo->setGeometry(10, 200, 120, 24);
        clsResize r;
        r.setSourceForm(&form);
        r.ReInitialise();
        form.resize(800, 600);
        r.ResizeControls();
        QCOMPARE(riquadro->geometry(), QRect(200, 100, 400, 200));
        QCOMPARE(dentro->geometry(), QRect(20, 40, 100, 60));
        QCOMPARE(combo->geometry(), QRect(20, 400, 240, 48));
        QVERIFY(combo->lineEdit()->geometry().right() < 240);
        form.resize(400, 300);
        r.ResizeControls();
        QCOMPARE(dentro->geometry(), QRect(10, 20, 50, 30));
    }

    void etichette_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QRect>("attesa");   // window doubled in both directions
        QTest::newRow("solo sposta") << "@L,T" << QRect(20, 40, 100, 30);
        QTest::newRow("minuscole") << "@l,t" << QRect(20, 40, 100, 30);
        QTest::newRow("senza @") << "LT" << QRect(20, 40, 200, 60);
        QTest::newRow("vuota") << "" << QRect(20, 40, 200, 60);
        QTest::newRow("solo larghezza") << "@W" << QRect(10, 20, 200, 30);
        QTest::newRow("@ senza lettere") << "@" << QRect(10, 20, 100, 30);
    }
    void etichette()
    {
        QFETCH(QString, tag);
        QFETCH(QRect, attesa);
        Finestra f;
        f.a->setProperty("Tag", tag);
        clsResize r;
        r.setSourceForm(&f.form);
        r.ReInitialise();
        f.form.resize(800, 600);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), attesa);
    }

    void ridotta_a_icona()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f.form);
        r.ReInitialise();
        f.form.setWindowState(Qt::WindowMinimized);
        f.form.resize(800, 600);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(10, 20, 100, 30));
    }

    void senzaarea_nonsblocca()
    {
        QWidget form;
        form.resize(0, 0);
        auto* c = new QLabel(&form);
        c->setGeometry(5, 5, 10, 10);
        clsResize r;
        r.setSourceForm(&form);
        r.ReInitialise();
        form.resize(100, 100);
        r.ResizeControls();   // nothing to scale from: no division by zero
        QCOMPARE(c->geometry(), QRect(5, 5, 10, 10));
        QVERIFY(form.updatesEnabled());
    }
};

QTEST_MAIN(TestClsResize)
#include "test_clsresize.moc"
