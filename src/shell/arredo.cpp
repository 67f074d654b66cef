#include "shell/arredo.h"
#include "shell/disegni.h"
#include "shared/dialoghi.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QFrame>
#include <QIcon>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <utility>

namespace {

struct IconaBarra {
    const char* tema;
    QStyle::StandardPixmap riserva;
};

// What each button does, said by its picture (the Tango theme is installed with Velno).
const IconaBarra iconeazioni[23] = {
    {"", QStyle::SP_CustomBase},
    {"document-open", QStyle::SP_DialogOpenButton},
    {"document-save", QStyle::SP_DialogSaveButton},
    {"document-save-as", QStyle::SP_DialogSaveButton},
    {"edit-delete", QStyle::SP_TrashIcon},
    {"document-print", QStyle::SP_FileIcon},
    {"x-office-spreadsheet", QStyle::SP_FileDialogDetailedView},
    {"x-office-address-book", QStyle::SP_FileDialogInfoView},
    {"accessories-calculator", QStyle::SP_DriveHDIcon},
    {"x-office-presentation", QStyle::SP_FileDialogContentsView},
    {":ordinanomi", QStyle::SP_CustomBase},
    {"go-up", QStyle::SP_ArrowUp},
    {"go-down", QStyle::SP_ArrowDown},
    {"go-previous", QStyle::SP_ArrowLeft},
    {"go-next", QStyle::SP_ArrowRight},
    {":ordinadate", QStyle::SP_CustomBase},
    {"preferences-desktop-theme", QStyle::SP_DesktopIcon},
    {"help-browser", QStyle::SP_DialogHelpButton},
    {"internet-group-chat", QStyle::SP_MessageBoxQuestion},
    {"dialog-information", QStyle::SP_MessageBoxInformation},
    {":controllo", QStyle::SP_CustomBase},
    {"edit-clear", QStyle::SP_DialogResetButton},
    {"system-log-out", QStyle::SP_DialogCloseButton},
};

class ScorciatoieMenu : public QObject {
public:
    explicit ScorciatoieMenu(QWidget* f) : QObject(f), m_finestra(f) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride || !m_finestra)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != m_finestra)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const QKeySequence tasto(k->keyCombination());
        for (QAction* a : m_finestra->findChildren<QAction*>())
            if (a->isEnabled() && a->shortcuts().contains(tasto)) {
                // Left unaccepted, the key goes to the window's shortcut, not to the box.
                k->ignore();
                return true;
            }
        return false;
    }

private:
    QPointer<QWidget> m_finestra;
};

class InizioTesto : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::FocusOut)
            return false;
        // A combo box gets the focus events of its own box.
        if (auto* c = qobject_cast<QComboBox*>(o)) {
            if (QLineEdit* l = c->lineEdit())
                QMetaObject::invokeMethod(
                    l, [c, l] {
                        if (!c->hasFocus())
                            l->setCursorPosition(0);
                    },
                    Qt::QueuedConnection);
            return false;
        }
        if (auto* l = qobject_cast<QLineEdit*>(o))
                // After the box has handled the focus change itself.
                QMetaObject::invokeMethod(
                    l, [l] {
                        if (!l->hasFocus())
                            l->setCursorPosition(0);
                    },
                    Qt::QueuedConnection);
        return false;
    }
};

} // namespace

void mostrainizio(QWidget* finestra)
{
    auto* filtro = new InizioTesto(finestra);
    for (QComboBox* c : finestra->findChildren<QComboBox*>())
        c->installEventFilter(filtro);
    for (QLineEdit* l : finestra->findChildren<QLineEdit*>()) {
        l->installEventFilter(filtro);
        // Filled by the program (not typed): the box is not "modified".
        QObject::connect(l, &QLineEdit::textChanged, l, [l] {
            if (!l->isModified())
                l->setCursorPosition(0);
        });
    }
}

QAction* vocedimenu(QMenu* menu, QKeySequence::StandardKey tasto)
{
    // The name, and the place in the menu of an editable single-line box: undo, redo, a line,
    // cut, copy, paste, delete, a line, select all. (The captions cannot tell: they leave out
    // a key the window uses for a command of its own.)
    static const struct {
        QKeySequence::StandardKey tasto;
        const char* nome;
        int posto;
    } voci[] = {{QKeySequence::Undo, "edit-undo", 0}, {QKeySequence::Redo, "edit-redo", 1}, {QKeySequence::Paste, "edit-paste", 5}};
    for (const auto& v : voci) {
        if (v.tasto != tasto)
            continue;
        if (QAction* a = menu->findChild<QAction*>(QString::fromLatin1(v.nome)))
            return a;
        const QList<QAction*> azioni = menu->actions();
        if (azioni.size() == 9 && azioni[2]->isSeparator() && azioni[7]->isSeparator())
            return azioni[v.posto];
    }
    return nullptr;
}

void storianelmenu(QMenu* menu, QWidget* casella)
{
    for (const auto& [sua, nostra] : {std::pair{QKeySequence::Undo, "annulla"}, std::pair{QKeySequence::Redo, "ripeti"}}) {
        QAction* propria = vocedimenu(menu, sua);
        QAction* storia = casella->window()->findChild<QAction*>(QString::fromLatin1(nostra));
        if (!propria || !storia)
            continue;
        menu->insertAction(propria, storia);
        menu->removeAction(propria);
    }
}

QIcon iconabarra(int k)
{
    if (k < 1 || k > 22)
        return {};
    const IconaBarra& d = iconeazioni[k];
    const QIcon i = icona(QString::fromLatin1(d.tema));
    return i.isNull() ? QApplication::style()->standardIcon(d.riserva) : i;
}

QLabel* etichetta(QWidget* area, const QString& nomeoggetto, const QString& testo, QRect r, Qt::Alignment allinea)
{
    auto* e = new QLabel(testo, area);
    e->setObjectName(nomeoggetto);
    e->setAlignment(allinea);
    e->setGeometry(r);
    return e;
}

QLabel* riquadro(QWidget* area, const QString& nomeoggetto, QRect r, Qt::Alignment allinea)
{
    QLabel* e = etichetta(area, nomeoggetto, QString(), r, allinea);
    e->setFrameShape(QFrame::Panel);
    e->setFrameShadow(QFrame::Sunken);
    e->setMargin(1);
    return e;
}

QPushButton* bottone(QWidget* area, const QString& nomeoggetto, const QString& testo, QRect r,
                     const QString& suggerimento, std::function<void()> clic)
{
    auto* b = new QPushButton(testo, area);
    b->setObjectName(nomeoggetto);
    b->setGeometry(r);
    if (!suggerimento.isEmpty())
        b->setToolTip(suggerimento);
    if (clic)
        QObject::connect(b, &QPushButton::clicked, area, [clic] { clic(); });
    return b;
}

QScrollBar* barra(QWidget* area, const QString& nomeoggetto, Qt::Orientation verso, int minimo, int massimo,
                  int pagina, QRect r, std::function<void()> cambio)
{
    auto* b = new QScrollBar(verso, area);
    b->setObjectName(nomeoggetto);
    b->setRange(minimo, massimo);
    b->setSingleStep(1);
    b->setPageStep(pagina);
    b->setGeometry(r);
    QObject::connect(b, &QScrollBar::valueChanged, area, [cambio] { cambio(); });
    return b;
}

QComboBox* elenco(QWidget* area, const QString& nomeoggetto, QRect r)
{
    auto* c = new QComboBox(area);
    c->setObjectName(nomeoggetto);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(20);
    c->setGeometry(r);
    return c;
}

QLineEdit* casella(QWidget* area, const QString& nomeoggetto, QRect r, std::function<void()> cambio)
{
    auto* e = new QLineEdit(area);
    e->setObjectName(nomeoggetto);
    e->setGeometry(r);
    if (cambio)
        QObject::connect(e, &QLineEdit::textChanged, area, [cambio] { cambio(); });
    return e;
}

QWidget* areacentrale(QMainWindow* finestra, int larghezza, int altezza)
{
    auto* area = new QWidget(finestra);
    area->setObjectName(QStringLiteral("area"));
    area->setFont(QFont(QStringLiteral("Nimbus Sans"), 8));
    area->resize(larghezza, altezza);
    finestra->setCentralWidget(area);
    return area;
}

QMenu* aggiungimenu(QMainWindow* finestra, const char* nomeoggetto, const QString& testo)
{
    QMenu* m = finestra->menuBar()->addMenu(testo);
    m->setObjectName(QString::fromLatin1(nomeoggetto));
    m->menuAction()->setObjectName(QString::fromLatin1(nomeoggetto));
    return m;
}

QAction* voceangolo(QMainWindow* finestra, const char* nomeoggetto, const QString& testo,
                    std::function<void()> gestore)
{
    // A menu bar of its own in the corner: the old program pushed the item there with blanks.
    auto* angolo = new QMenuBar(finestra->menuBar());
    angolo->setObjectName(QStringLiteral("angolo"));
    QAction* a = angolo->addAction(testo);
    a->setObjectName(QString::fromLatin1(nomeoggetto));
    if (gestore)
        QObject::connect(a, &QAction::triggered, finestra, [gestore] { gestore(); });
    finestra->menuBar()->setCornerWidget(angolo, Qt::TopRightCorner);
    return a;
}

void scorciatoiedimenu(QWidget* finestra)
{
    qApp->installEventFilter(new ScorciatoieMenu(finestra));
}

void coloredisfondo(Finestre& finestre, QWidget* finestra, QWidget* area)
{
    ModuloVelno& m = finestre.modulo();
    const auto c = finestre.dialoghi().colore(finestra, m.colore.isValid() ? m.colore
                                                                            : area->palette().color(QPalette::Window));
    if (!c || !c->isValid())
        return;
    m.colore = *c;
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, *c);
    area->setPalette(pal);
    area->setAutoFillBackground(true);
}
