#include "shell/comandi.h"
#include "documenti/archiviato.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>

namespace {
QAction* crea(QObject* padre, const Comando& c)
{
    auto* a = new QAction(c.voce.isEmpty() ? c.suggerimento : c.voce, padre);
    a->setObjectName(QString::fromLatin1(c.nome));
    a->setEnabled(c.attivo);
    if (!c.tasto.isEmpty())
        a->setShortcut(c.tasto);
    if (c.pulsante) {
        a->setToolTip(c.suggerimento);
        a->setIcon(c.icona.isEmpty() ? iconabarra(c.pulsante) : icona(c.icona));
        a->setIconVisibleInMenu(false);   // menus never showed icons
    }
    if (c.gestore)
        QObject::connect(a, &QAction::triggered, padre, c.gestore);
    return a;
}
} // namespace

MenuComandi menufile(const ComandiFile& c)
{
    MenuComandi m{"file", QStringLiteral("&File"), {
        {"apri", QStringLiteral("&Apri..."), 1, QStringLiteral("apri file"), c.apri},
        {"salva", QStringLiteral("&Salva"), 2, QStringLiteral("salva file"), c.salva},
        {"salvanome", QStringLiteral("Salva con &nome..."), 3, QStringLiteral("salva file con nome"), c.salvanome},
        {"eliminare", c.voceelimina, 4, QStringLiteral("elimina file"), c.elimina},
    }};
    m.comandi.insert(m.comandi.end(), c.altri.begin(), c.altri.end());
    Comando stampa = c.stampa, esci = c.esci;
    stampa.pulsante = 5;
    stampa.suggerimento = QStringLiteral("stampa dati finestra");
    esci.pulsante = 22;
    esci.suggerimento = QStringLiteral("uscita da Velno");
    m.comandi.insert(m.comandi.end(), {separatore(), stampa, separatore(), esci});
    return m;
}

QToolBar* costruiscicomandi(QMainWindow* finestra, const std::vector<MenuComandi>& menu,
                            const std::vector<Comando>& barra, PulsantiBarra& pulsanti)
{
    pulsanti.fill(nullptr);
    for (const MenuComandi& m : menu) {
        QMenu* voci = aggiungimenu(finestra, m.nome, m.testo);
        for (const Comando& c : m.comandi) {
            if (qstrcmp(c.nome, "-") == 0) {
                voci->addSeparator();
                continue;
            }
            QAction* a = crea(finestra, c);
            voci->addAction(a);
            if (c.pulsante)
                pulsanti[std::size_t(c.pulsante)] = a;
        }
    }
    for (const Comando& c : barra)
        pulsanti[std::size_t(c.pulsante)] = crea(finestra, c);

    QToolBar* t = finestra->addToolBar(QStringLiteral("Toolbar1"));
    t->setObjectName(QStringLiteral("Toolbar1"));
    t->setMovable(false);
    t->setFloatable(false);
    t->setIconSize(QSize(16, 16));
    t->toggleViewAction()->setVisible(false);
    for (int k = 1; k <= 22; ++k) {
        if (QAction* a = pulsanti[std::size_t(k)]) {
            t->addAction(a);
            if (QWidget* b = t->widgetForAction(a))
                b->setObjectName(QStringLiteral("Toolbar1_%1").arg(k));
        } else {
            t->addSeparator();
            continue;
        }
        // The groups: files and print; windows; moves; look; help; data; exit.
        if (k == 5 || k == 9 || k == 15 || k == 16 || k == 19)
            t->addSeparator();
    }
    return t;
}

void spunta(QMainWindow* finestra, const char* nome)
{
    QAction* a = finestra->findChild<QAction*>(QString::fromLatin1(nome));
    a->setCheckable(true);
    a->setChecked(true);
    QObject::connect(a, &QAction::triggered, a, [a] { a->setChecked(true); });
}

std::pair<QAction*, QAction*> azionistoria(QWidget* finestra, DocumentoArchiviato& d)
{
    QAction* annulla = d.storia().createUndoAction(finestra, QStringLiteral("Annulla"));
    annulla->setObjectName(QStringLiteral("annulla"));
    annulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* ripeti = d.storia().createRedoAction(finestra, QStringLiteral("Ripeti"));
    ripeti->setObjectName(QStringLiteral("ripeti"));
    ripeti->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The grid's boxes make their menus themselves, and offer these too.
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        auto* l = qobject_cast<QLineEdit*>(w);
        auto* t = qobject_cast<QPlainTextEdit*>(w);
        if ((!l && !t) || w->inherits("CasellaGriglia") || w->contextMenuPolicy() != Qt::DefaultContextMenu)
            continue;
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(w, &QWidget::customContextMenuRequested, w, [w, l, t](QPoint dove) {
            QMenu* m = l ? l->createStandardContextMenu() : t->createStandardContextMenu(dove);
            storianelmenu(m, w);
            m->setAttribute(Qt::WA_DeleteOnClose);
            m->popup((t ? t->viewport() : w)->mapToGlobal(dove));
        });
    }
    return {annulla, ripeti};
}

void vocistoria(QMainWindow* finestra, const char* menu, DocumentoArchiviato& d)
{
    const auto [annulla, ripeti] = azionistoria(finestra, d);
    QMenu* m = finestra->findChild<QMenu*>(QString::fromLatin1(menu));
    QAction* primo = m->actions().value(0);
    m->insertActions(primo, {annulla, ripeti});
    m->insertSeparator(primo);
}
