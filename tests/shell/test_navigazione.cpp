#include "ambienteshell.h"
#include "portfolio/frmazioni.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMap>
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

// The windows by class name. The stock card, charts, ranking, balance, monthly and plan
// windows join here with their rows below.
const QMap<QString, Nota>& note()
{
    static const QMap<QString, Nota> n = {
        {"frmSplash", nota<frmSplash>()},
        {"frmAzioni", nota<frmAzioni>()},
        {"sommario", nota<sommario>()},
        {"informa", nota<informa>()},
        {"frmTip", nota<frmTip>()},
        {"manuale", nota<manuale>()},
        {"guidafunzionamento", nota<guidafunzionamento>()},
        {"guidaarchivio", nota<guidaarchivio>()},
        {"guidaAZIONI", nota<guidaAZIONI>()},
        {"guidasaldo", nota<guidasaldo>()},
        {"guidaquotazioni", nota<guidaquotazioni>()},
        {"guidasingola", nota<guidasingola>()},
        {"guidagraduatoria", nota<guidagraduatoria>()},
        {"guidabilancio", nota<guidabilancio>()},
        {"guidAMENSILE", nota<guidAMENSILE>()},
        {"guidagrafici", nota<guidagrafici>()},
        {"guidapiano", nota<guidapiano>()},
        {"guidaeuro", nota<guidaeuro>()},
    };
    return n;
}

const char* const pagine[] = {"manuale", "guidafunzionamento", "guidaarchivio", "guidaAZIONI", "guidasaldo",
                              "guidaquotazioni", "guidasingola", "guidagraduatoria", "guidabilancio",
                              "guidAMENSILE", "guidagrafici", "guidapiano", "guidaeuro"};

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
} // namespace

class TestNavigazione : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { filedisorgente(); }

    void collegamenti_data()
    {
        QTest::addColumn<QString>("da");
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("atteso");
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
    }

    void collegamenti()
    {
        QFETCH(QString, da);
        QFETCH(QString, controllo);
        QFETCH(QString, atteso);
        QVERIFY2(note().contains(da) && note().contains(atteso), "a window the walk does not know");
        Ambiente e;
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
