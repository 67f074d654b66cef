#include "ambienteshell.h"
#include "balance/frmbilancio.h"
#include "balance/salesbalance.h"
#include "card/singola.h"
#include "charts/grafici.h"
#include "monthly/frmmensile.h"
#include "plan/piano.h"
#include "portfolio/frmazioni.h"
#include "ranking/classifica.h"
#include "portfolio/cancella.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"
#include "colonne.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <functional>

namespace {
// A window the walk knows: how to open it, and the window when it is loaded.
struct Nota {
    std::function<QWidget*(Finestre&)> apri;
    std::function<QWidget*(Finestre&)> trova;
};
template <class T> Nota nota()
{
    return {[](Finestre& f) -> QWidget* { return &f.mostra<T>(); },
            [](Finestre& f) -> QWidget* { return f.caricata<T>() ? &f.finestra<T>() : nullptr; }};
}

Nota pagina(int riga)
{
    return {[riga](Finestre& f) -> QWidget* { return &f.mostra(paginaguida(riga)); },
            [riga](Finestre& f) -> QWidget* { return f.caricata(paginaguida(riga)) ? &f.finestra(paginaguida(riga)) : nullptr; }};
}

// The help pages, in the contents' order.
const char* const pagine[] = {"manuale", "guidafunzionamento", "guidaarchivio", "guidaAZIONI", "guidasaldo",
                              "guidaquotazioni", "guidasingola", "guidagraduatoria", "guidabilancio",
                              "guidAMENSILE", "guidagrafici", "guidapiano", "guidaeuro"};

// The windows by name.
const QMap<QString, Nota>& note()
{
    static const QMap<QString, Nota> n = [] {
        QMap<QString, Nota> m = {
            {"frmSplash", nota<frmSplash>()},
            {"frmAzioni", nota<frmAzioni>()},
            {"singola", nota<singola>()},
            {"grafici", nota<grafici>()},
            {"classifica", nota<classifica>()},
            {"bilancio", nota<bilancio>()},
            {"mensile", nota<mensile>()},
            {"piano", nota<piano>()},
            {"cancella", nota<cancella>()},
            {"sommario", nota<sommario>()},
            {"informa", nota<informa>()},
            {"frmTip", nota<frmTip>()},
        };
        for (int riga = 1; riga <= 13; ++riga)
            m.insert(QString::fromLatin1(pagine[riga - 1]), pagina(riga));
        return m;
    }();
    return n;
}

// Uses control `nome` of window `w` as a person would: clicks a button, a label or a
// toolbar button, chooses a menu item; the window's own name clicks its background.
bool usa(QWidget* w, const QString& nome)
{
    if (w->objectName() == nome) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(12, 12));
        return true;
    }
    if (auto* b = w->findChild<QAbstractButton*>(nome)) {
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }
    if (auto* l = w->findChild<QLabel*>(nome)) {
        QTest::mouseClick(l, Qt::LeftButton);
        return true;
    }
    if (auto* a = w->findChild<QAction*>(nome)) {
        for (QToolBar* t : w->findChildren<QToolBar*>())
            if (QWidget* pulsante = t->widgetForAction(a)) {
                QTest::mouseClick(pulsante, Qt::LeftButton);
                return true;
            }
        a->trigger();   // a menu item
        return true;
    }
    return false;
}
// Data enough for every link to open its window: two holdings with three dated columns,
// checked, and one sale in the balance.
void prepara(ModuloVelno& m)
{
    Portfolio& p = m.azioni.dati();
    const char* nomi[] = {"Eni", "Fiat"};
    for (int i = 1; i <= 2; ++i) {
        p.nomititoli[i] = QString::fromLatin1(nomi[i - 1]);
        p.quantitatitoli[i] = QStringLiteral("100");
        p.prezzititoli[i] = QStringLiteral("5");
        p.dateacquisto[i] = QStringLiteral("04/01/99");
        for (int c = 1; c <= 3; ++c)
            p.quotazioni(c, i) = QString::number(5 + c);
    }
    for (int c = 1; c <= 3; ++c)
        p.datequotazioni[c] = QStringLiteral("0%1/02/99").arg(c);
    p.numerotitoli = 2;
    p.numerocolonne = 3;
    SalesBalance& v = m.vendite.dati();
    v.nomea[1] = QStringLiteral("Eni");
    v.dataacquisto[1] = QStringLiteral("04/01/99");
    v.nacq[1] = QStringLiteral("100");
    v.prezzo0[1] = QStringLiteral("9681");
    v.datavendita[1] = QStringLiteral("05/03/99");
    v.na[1] = QStringLiteral("50");
    v.prezzo[1] = QStringLiteral("12000");
    v.numerorighe = 1;
}
} // namespace

class TestNavigazione : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { filedisorgente(); }

    void collegamenti_data()
    {
        colonne<QString, QString, QString>("da", "controllo", "atteso");
        auto riga = [](const QString& da, const QString& controllo, const QString& atteso) {
            QTest::addRow("%s %s", qPrintable(da), qPrintable(controllo)) << da << controllo << atteso;
        };
        riga("frmSplash", "frmSplash", "frmAzioni");
        riga("frmSplash", "label_3", "frmAzioni");
        riga("frmSplash", "label_8", "frmAzioni");
        riga("frmSplash", "Image1", "frmAzioni");

        riga("frmAzioni", "Command1", "sommario");
        riga("frmAzioni", "guida", "sommario");
        riga("frmAzioni", "Toolbar1_17", "sommario");
        riga("frmAzioni", "suggerimenti", "frmTip");
        riga("frmAzioni", "informazioni", "informa");
        riga("frmAzioni", "Toolbar1_19", "informa");
        riga("frmAzioni", "finestra", "guidaAZIONI");

        for (int i = 1; i <= 13; ++i) {
            riga("sommario", QStringLiteral("puls_%1").arg(i), pagine[i - 1]);
            riga("sommario", QStringLiteral("lbl_%1").arg(i), pagine[i - 1]);
        }
        riga("sommario", "puls_14", "frmTip");
        riga("sommario", "lbl_14", "frmTip");

        for (const char* p : pagine)
            riga(p, "cmdSommario", "sommario");

        // The Azioni window to the others: buttons, menus, toolbar, pictures.
        riga("frmAzioni", "avanti", "grafici");
        riga("frmAzioni", "fin5", "grafici");
        riga("frmAzioni", "Toolbar1_9", "grafici");
        riga("frmAzioni", "fin3", "classifica");
        riga("frmAzioni", "Image2", "classifica");
        riga("frmAzioni", "fin4", "bilancio");
        riga("frmAzioni", "Toolbar1_8", "bilancio");
        riga("frmAzioni", "Image1", "bilancio");
        riga("frmAzioni", "fin2", "singola");
        riga("frmAzioni", "Toolbar1_7", "singola");
        riga("frmAzioni", "cmdazione_1", "singola");
        riga("frmAzioni", "Image4", "piano");
        riga("frmAzioni", "canc", "cancella");
        riga("frmAzioni", "Toolbar1_21", "cancella");

        // The stock card.
        for (const char* c : {"Command5", "fin1", "Toolbar1_6"})
            riga("singola", c, "frmAzioni");
        for (const char* c : {"fin4", "Toolbar1_8"})
            riga("singola", c, "bilancio");
        for (const char* c : {"fin5", "Toolbar1_9"})
            riga("singola", c, "grafici");
        riga("singola", "Image1", "classifica");
        riga("singola", "fin", "guidasingola");
        for (const char* c : {"guida", "Command1", "Toolbar1_17"})
            riga("singola", c, "sommario");
        riga("singola", "sugg", "frmTip");
        for (const char* c : {"inform", "Toolbar1_19"})
            riga("singola", c, "informa");

        // The charts.
        for (const char* c : {"Command3", "fin1", "Toolbar1_6"})
            riga("grafici", c, "frmAzioni");
        for (const char* c : {"fin2", "Toolbar1_7"})
            riga("grafici", c, "singola");
        for (const char* c : {"fin3", "Toolbar1_8"})
            riga("grafici", c, "bilancio");
        for (const char* c : {"guida", "Command2", "Toolbar1_17"})
            riga("grafici", c, "sommario");
        riga("grafici", "sugger", "frmTip");
        for (const char* c : {"informazioni", "Toolbar1_19"})
            riga("grafici", c, "informa");
        riga("grafici", "finestra5", "guidagrafici");

        // The annual balance.
        for (const char* c : {"cmdazioni", "fin1", "Toolbar1_6"})
            riga("bilancio", c, "frmAzioni");
        for (const char* c : {"fin2", "Toolbar1_7"})
            riga("bilancio", c, "singola");
        for (const char* c : {"fin4", "Toolbar1_9"})
            riga("bilancio", c, "grafici");
        riga("bilancio", "image1", "classifica");
        riga("bilancio", "mens", "mensile");
        riga("bilancio", "fin", "guidabilancio");
        for (const char* c : {"guida", "Command1", "Toolbar1_17"})
            riga("bilancio", c, "sommario");
        for (const char* c : {"inform", "Toolbar1_19"})
            riga("bilancio", c, "informa");

        // The monthly balance, the ranking, the plan.
        riga("mensile", "cmdazioni", "frmAzioni");
        riga("mensile", "annuale", "bilancio");
        riga("mensile", "Command1", "sommario");
        riga("classifica", "Command5", "frmAzioni");
        riga("classifica", "Command2", "singola");
        riga("classifica", "Command3", "bilancio");
        riga("classifica", "Image1", "guidagraduatoria");
        riga("classifica", "Command1", "sommario");
        riga("piano", "indietro", "frmAzioni");
        riga("piano", "Command1", "sommario");
    }

    // The four windows with the toolbar build it and their menus from one table: each of the
    // 22 buttons is a command with its tool tip or a separator, in order; a command in a menu
    // and on the toolbar is one action; no two commands share a name or a shortcut.
    void comandi_unatabella_data()
    {
        QTest::addColumn<QString>("finestra");
        for (const char* f : {"frmAzioni", "singola", "grafici", "bilancio"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void comandi_unatabella()
    {
        QFETCH(QString, finestra);
        Ambiente e;
        QWidget* w = note()[finestra].apri(e.finestre);
        QToolBar* barra = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QVERIFY(barra);
        int k = 0;
        QSet<QAction*> pulsanti;
        for (QAction* a : barra->actions()) {
            if (a->isSeparator())
                continue;
            QWidget* b = barra->widgetForAction(a);
            QVERIFY(b);
            const int n = b->objectName().mid(QStringLiteral("Toolbar1_").size()).toInt();
            QVERIFY2(n > k && n <= 22, qPrintable(b->objectName()));
            k = n;
            QVERIFY2(!a->toolTip().isEmpty() && !a->icon().isNull(), qPrintable(b->objectName()));
            pulsanti.insert(a);
        }
        QVERIFY(k >= 20);
        QSet<QString> nomi, tasti;
        for (QAction* m : w->findChild<QMenuBar*>()->actions()) {
            if (!m->menu())
                continue;   // the corner item
            for (QAction* v : m->menu()->actions()) {
                if (v->isSeparator())
                    continue;
                QVERIFY2(!nomi.contains(v->objectName()), qPrintable(v->objectName()));
                nomi.insert(v->objectName());
                if (!v->shortcut().isEmpty()) {
                    QVERIFY2(!tasti.contains(v->shortcut().toString()), qPrintable(v->shortcut().toString()));
                    tasti.insert(v->shortcut().toString());
                }
                // A menu item shown on the toolbar is the same action, and shows no icon itself.
                if (pulsanti.contains(v))
                    QVERIFY(!v->isIconVisibleInMenu());
            }
        }
        // Every file command is on both.
        for (const char* c : {"apri", "salva", "salvanome", "eliminare"})
            QVERIFY2(pulsanti.contains(w->findChild<QAction*>(QString::fromLatin1(c))), c);
        // The history's two commands head the Modifica menu, above a line, and nowhere else.
        const QList<QAction*> modifica = w->findChild<QMenuBar*>()->actions().value(1)->menu()->actions();
        QCOMPARE(modifica.value(0)->objectName(), QStringLiteral("annulla"));
        QCOMPARE(modifica.value(1)->objectName(), QStringLiteral("ripeti"));
        QVERIFY(modifica.value(2)->isSeparator());
        QVERIFY(!pulsanti.contains(modifica.value(0)) && !pulsanti.contains(modifica.value(1)));
    }

    // Each window's "AIUTO" box shows that window's own lines of advice, kept with the help
    // texts under the window's name: none is missing, empty or another window's.
    void aiuto()
    {
        QSet<QString> testi;
        for (const auto& [finestra, pulsante] : {std::pair{"frmAzioni", "aiuto"}, {"singola", "aiuto"}, {"classifica", "aiuto"},
                                                  {"bilancio", "aiuto"}, {"mensile", "aiuto"}, {"piano", "aiuto"},
                                                  {"grafici", "Command1"}}) {
            Ambiente e;
            QVERIFY2(usa(note()[QString::fromLatin1(finestra)].apri(e.finestre), QString::fromLatin1(pulsante)), finestra);
            QCOMPARE(e.messaggi.registrati.size(), 1);
            const Messaggio& m = e.messaggi.registrati[0];
            QVERIFY2(m.titolo.startsWith(QStringLiteral("Velno: aiuto")), finestra);
            const QStringList righe = m.testo.split(u'\r');
            QVERIFY2(righe.size() >= 4 && !righe.contains(QString()), finestra);
            QVERIFY2(!testi.contains(m.testo), finestra);
            testi.insert(m.testo);
        }
    }

    void collegamenti()
    {
        QFETCH(QString, da);
        QFETCH(QString, controllo);
        QFETCH(QString, atteso);
        QVERIFY2(note().contains(da) && note().contains(atteso), "a window the walk does not know");
        Ambiente e;
        prepara(e.modulo);
        QWidget* origine = note()[da].apri(e.finestre);
        QVERIFY(QTest::qWaitForWindowExposed(origine));
        QVERIFY(!note()[atteso].trova(e.finestre));
        QVERIFY2(usa(origine, controllo), "no such control");
        QWidget* mostrata = note()[atteso].trova(e.finestre);
        QVERIFY2(mostrata, "the window was not opened");
        QVERIFY(mostrata->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(mostrata));
        QVERIFY(e.messaggi.registrati.isEmpty());
    }
};

QTEST_MAIN(TestNavigazione)
#include "test_navigazione.moc"
