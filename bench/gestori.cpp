#include "gestori.h"
#include "scena.h"
#include "controlli.h"

#include "balance/frmbilancio.h"
#include "card/singola.h"
#include "charts/grafici.h"
#include "monthly/frmmensile.h"
#include "plan/piano.h"
#include "portfolio/frmazioni.h"
#include "ranking/classifica.h"
#include "portfolio/cancella.h"
#include "shell/frmdocumento.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/immagini.h"
#include "shell/informa.h"
#include "shell/sommario.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <ctime>

QString nomefamiglia(Famiglia f)
{
    switch (f) {
    case Famiglia::Pulsanti: return QStringLiteral("pulsanti");
    case Famiglia::Menu: return QStringLiteral("menu");
    case Famiglia::Barra: return QStringLiteral("barra");
    case Famiglia::Scorrimento: return QStringLiteral("scorrimento");
    case Famiglia::Battitura: return QStringLiteral("battitura");
    case Famiglia::Scelta: return QStringLiteral("scelta");
    case Famiglia::TipiGrafico: return QStringLiteral("tipigrafico");
    case Famiglia::Stampa: return QStringLiteral("stampa");
    case Famiglia::FileStampa: return QStringLiteral("filestampa");
    }
    return QString();
}

namespace {

// A window of the program and how the user brings it up.
struct FinestraScena {
    QString nome;
    std::function<QWidget*(Scena&)> mostra;
};

template <class T> FinestraScena finestra()
{
    return {QString::fromLatin1(T::staticMetaObject.className()), [](Scena& s) -> QWidget* { return &s.finestre.mostra<T>(); }};
}

std::vector<FinestraScena> finestre()
{
    std::vector<FinestraScena> f = {
        finestra<frmSplash>(),
        finestra<frmAzioni>(),
        // The card as its menu item opens it, the monthly balance as its button does.
        {QStringLiteral("singola"),
         [](Scena& s) -> QWidget* {
             if (!s.finestre.caricata<singola>())
                 s.finestre.aprischeda();
             return &s.finestre.mostra<singola>();
         }},
        finestra<grafici>(),
        finestra<classifica>(),
        finestra<bilancio>(),
        {QStringLiteral("mensile"),
         [](Scena& s) -> QWidget* {
             if (!s.finestre.caricata<mensile>())
                 s.finestre.mostra<bilancio>().mens_Click();
             return &s.finestre.mostra<mensile>();
         }},
        finestra<piano>(),
        finestra<cancella>(),
        finestra<sommario>(),
        finestra<informa>(),
        finestra<frmTip>(),
    };
    // The help pages, in the contents' order.
    for (int riga = 1; riga <= 13; ++riga)
        f.push_back({QString::fromLatin1(pagineguida()[std::size_t(riga - 1)].nome),
                     [riga](Scena& s) -> QWidget* { return &s.finestre.mostra(paginaguida(riga)); }});
    return f;
}

bool interno(const QObject* o) { return o->objectName().isEmpty() || o->objectName().startsWith(QLatin1String("qt_")); }

// The control named `nome` of class T in the window `f` brings up.
template <class T> T* trova(Scena& s, const FinestraScena& f, const QString& nome)
{
    QWidget* w = f.mostra(s);
    for (T* c : w->findChildren<T*>(nome))
        if (c->objectName() == nome)
            return c;
    std::fprintf(stderr, "%s: nessun controllo %s\n", qPrintable(f.nome), qPrintable(nome));
    std::exit(1);
}

void muovi(QWidget* w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(4, 4), w->mapToGlobal(QPointF(4, 4)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool graficotipo(const QString& nome)
{
    static const QStringList tipi = {QStringLiteral("cmdbarre"),   QStringLiteral("cmdtorta"),   QStringLiteral("cmdlinee"),
                                     QStringLiteral("cmd3darea"),  QStringLiteral("cmdlinee3d"), QStringLiteral("cmdbarre3d"),
                                     QStringLiteral("cmd3dstep")};
    return tipi.contains(nome);
}

// The labels and pictures that answer a click: the splash's, the contents' rows, the
// balance's line numbers, the pictures.
bool cliccabile(const QString& finestra, QLabel* l)
{
    if (qobject_cast<Immagine*>(l) || qobject_cast<EtichettaClic*>(l))
        return true;
    if (finestra == u"frmSplash")
        return l->objectName().startsWith(QLatin1String("label_")) || l->objectName() == u"Image1";
    if (finestra == u"sommario")
        return l->objectName().startsWith(QLatin1String("lbl_"));
    return false;
}

void controlli(Scena& s, const FinestraScena& f, std::vector<Gestore>& g)
{
    QWidget* w = f.mostra(s);
    elaboraeventi();
    const QString n = f.nome + u' ';

    // Menu items (the corner item among them) and toolbar buttons.
    const QList<QToolBar*> barre = w->findChildren<QToolBar*>();
    for (QAction* a : w->findChildren<QAction*>()) {
        if (interno(a) || a->menu() || a->isSeparator() || !a->isEnabled())
            continue;
        const QString nome = a->objectName();
        QToolBar* barra = nullptr;
        for (QToolBar* b : barre)
            if (b->actions().contains(a))
                barra = b;
        if (barra)
            g.push_back({n + nome, Famiglia::Barra, [&s, f, nome]() -> Azione {
                             auto* a = trova<QAction>(s, f, nome);
                             QAbstractButton* pulsante = nullptr;
                             for (QToolBar* b : f.mostra(s)->findChildren<QToolBar*>())
                                 if (auto* p = qobject_cast<QAbstractButton*>(b->widgetForAction(a)))
                                     pulsante = p;
                             return {[pulsante] { pulsante->click(); }, {}};
                         }});
        else
            g.push_back({n + nome, Famiglia::Menu, [&s, f, nome]() -> Azione {
                             auto* a = trova<QAction>(s, f, nome);
                             return {[a] { a->trigger(); }, {}};
                         }});
    }

    // Buttons, options and the tool buttons that are not a toolbar's.
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (interno(b) || qobject_cast<QToolBar*>(b->parentWidget()) || !b->isEnabled() || !b->isVisibleTo(w))
            continue;
        const QString nome = b->objectName();
        const Famiglia famiglia = f.nome == u"grafici" && graficotipo(nome) ? Famiglia::TipiGrafico : Famiglia::Pulsanti;
        g.push_back({n + nome, famiglia, [&s, f, nome]() -> Azione {
                         auto* b = trova<QAbstractButton>(s, f, nome);
                         return {[b] { b->click(); }, {}};
                     }});
    }

    // Clickable labels and pictures; the mouse passing over a picture.
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (interno(l) || !cliccabile(f.nome, l))
            continue;
        const QString nome = l->objectName();
        g.push_back({n + nome, Famiglia::Pulsanti, [&s, f, nome]() -> Azione {
                         auto* l = trova<QLabel>(s, f, nome);
                         l->show();   // a highlighted picture shows once the mouse is over its idle form
                         l->raise();
                         return {[l] { QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(4, 4)); }, {}};
                     }});
        if (qobject_cast<Immagine*>(l) || f.nome == u"sommario")
            g.push_back({n + nome + QStringLiteral(" passaggio"), Famiglia::Pulsanti, [&s, f, nome]() -> Azione {
                             auto* l = trova<QLabel>(s, f, nome);
                             return {[l] { muovi(l); }, {}};
                         }});
    }

    // Scroll steps, each way, by one and by a page, from the middle when at an end.
    for (QScrollBar* b : w->findChildren<QScrollBar*>()) {
        if (interno(b) || !b->isVisibleTo(w) || !b->isEnabled() || b->maximum() == b->minimum())
            continue;
        const QString nome = b->objectName();
        const std::pair<const char*, QAbstractSlider::SliderAction> passi[] = {
            {"+1", QAbstractSlider::SliderSingleStepAdd},
            {"-1", QAbstractSlider::SliderSingleStepSub},
            {"+pagina", QAbstractSlider::SliderPageStepAdd},
            {"-pagina", QAbstractSlider::SliderPageStepSub}};
        for (const auto& [passo, azione] : passi)
            g.push_back({n + nome + u' ' + QLatin1String(passo), Famiglia::Scorrimento, [&s, f, nome, azione]() -> Azione {
                             auto* b = trova<QScrollBar>(s, f, nome);
                             if (b->value() <= b->minimum() + b->pageStep() || b->value() >= b->maximum() - b->pageStep())
                                 b->setValue((b->minimum() + b->maximum()) / 2);
                             elaboraeventi();
                             return {[b, azione] { b->triggerAction(azione); }, {}};
                         }});
    }

    // A keystroke into each box, then taken back (untimed); a choice from each list.
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
        if (interno(e) || e->isReadOnly() || !e->isEnabled() || !e->isVisibleTo(w))
            continue;
        const QString nome = e->objectName();
        g.push_back({n + nome, Famiglia::Battitura, [&s, f, nome]() -> Azione {
                         auto* e = trova<QLineEdit>(s, f, nome);
                         e->setCursorPosition(int(e->text().size()));
                         return {[e] { QTest::keyClick(e, Qt::Key_5); }, [e] { QTest::keyClick(e, Qt::Key_Backspace); }};
                     }});
    }
    for (QPlainTextEdit* e : w->findChildren<QPlainTextEdit*>()) {
        if (interno(e) || e->isReadOnly() || !e->isVisibleTo(w))
            continue;
        const QString nome = e->objectName();
        g.push_back({n + nome, Famiglia::Battitura, [&s, f, nome]() -> Azione {
                         auto* e = trova<QPlainTextEdit>(s, f, nome);
                         e->moveCursor(QTextCursor::End);
                         return {[e] { QTest::keyClick(e, Qt::Key_A); }, [e] { QTest::keyClick(e, Qt::Key_Backspace); }};
                     }});
    }
    for (QComboBox* c : w->findChildren<QComboBox*>()) {
        if (interno(c) || !c->isEnabled() || !c->isVisibleTo(w))
            continue;
        const QString nome = c->objectName();
        if (c->isEditable())
            g.push_back({n + nome, Famiglia::Battitura, [&s, f, nome]() -> Azione {
                             auto* e = trova<QComboBox>(s, f, nome)->lineEdit();
                             e->setCursorPosition(int(e->text().size()));
                             return {[e] { QTest::keyClick(e, Qt::Key_A); }, [e] { QTest::keyClick(e, Qt::Key_Backspace); }};
                         }});
        // The arrow key chooses the next item, as a click in the open list does.
        g.push_back({n + nome + QStringLiteral(" scelta"), Famiglia::Scelta, [&s, f, nome]() -> Azione {
                         auto* c = trova<QComboBox>(s, f, nome);
                         if (c->currentIndex() >= c->count() - 1)
                             c->setCurrentIndex(0);
                         return {[c] { QTest::keyClick(c, Qt::Key_Down); }, {}};
                     }});
    }

    // Keys the window itself answers.
    if (f.nome == u"frmSplash") {
        g.push_back({n + QStringLiteral("clic"), Famiglia::Pulsanti, [&s, f]() -> Azione {
                         QWidget* w = f.mostra(s);
                         return {[w] { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(12, 12)); }, {}};
                     }});
        g.push_back({n + QStringLiteral("tasto"), Famiglia::Battitura, [&s, f]() -> Azione {
                         QWidget* w = f.mostra(s);
                         return {[w] { QTest::keyClick(w, Qt::Key_X); }, {}};
                     }});
    }
}

// The three deletions of the delete-data dialog, each chosen before "Avanti".
void cancellazioni(Scena& s, std::vector<Gestore>& g)
{
    const FinestraScena f = finestra<cancella>();
    for (int k = 1; k <= 3; ++k)
        g.push_back({QStringLiteral("cancella avanti, opzione %1").arg(k), Famiglia::Pulsanti, [&s, f, k]() -> Azione {
                         auto& c = static_cast<cancella&>(*f.mostra(s));
                         trova<QRadioButton>(c, "Option1", k)->click();
                         for (const char* elenco : {"Combo1", "Combo2"}) {
                             QComboBox* b = trova<QComboBox>(c, elenco);
                             b->setCurrentIndex(b->count() / 2);
                         }
                         return {[&c] { trova<QPushButton>(c, "avanti")->click(); }, {}};
                     }});
}

// Each print's document saved as PDF and as .docx, and handed to the word processor.
void filestampa(Scena& s, std::vector<Gestore>& g)
{
    const std::vector<std::pair<QString, std::function<void(Scena&)>>> stampe = {
        {QStringLiteral("frmAzioni"), [](Scena& s) { s.finestre.mostra<frmAzioni>().solodati_Click(); }},
        {QStringLiteral("singola"), [](Scena& s) { s.finestre.mostra<singola>().hardcopy_Click(); }},
        {QStringLiteral("grafici"), [](Scena& s) { s.finestre.mostra<grafici>().stampa_Click(); }},
        {QStringLiteral("classifica"), [](Scena& s) { s.finestre.mostra<classifica>().stampa_Click(); }},
        {QStringLiteral("bilancio"), [](Scena& s) { s.finestre.mostra<bilancio>().solodati_Click(); }},
        {QStringLiteral("mensile"),
         [](Scena& s) {
             s.finestre.mostra<bilancio>().mens_Click();
             s.finestre.mostra<mensile>().stampa_Click();
         }},
        {QStringLiteral("piano"), [](Scena& s) { s.finestre.mostra<piano>().stampa_Click(); }},
        {QStringLiteral("sommario"), [](Scena& s) { s.finestre.mostra<sommario>().cmdstampa_Click(); }},
        {QStringLiteral("manuale"), [](Scena& s) { static_cast<FinestraGuida&>(s.finestre.mostra(Finestra::Manuale)).cmdstampa_Click(); }},
    };
    for (const auto& [finestra, stampa] : stampe)
        for (const char* voce : {"salvapdf", "salvadocx", "elaboratore"})
            g.push_back({finestra + QStringLiteral(" stampa, documento ") + QLatin1String(voce), Famiglia::FileStampa,
                         [&s, stampa, voce]() -> Azione {
                             stampa(s);
                             frmDocumento* d = s.finestre.documenti().last();
                             d->apriesterno = [](const QUrl&) { return true; };
                             QAction* a = d->findChild<QAction*>(QLatin1String(voce));
                             return {[a] { a->trigger(); }, {}};
                         }});
}

} // namespace

std::vector<Gestore> catalogo(Scena& s)
{
    std::vector<Gestore> g;
    for (const FinestraScena& f : finestre())
        controlli(s, f, g);
    cancellazioni(s, g);
    filestampa(s, g);
    s.ripristina();
    return g;
}

namespace {
double processore()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
} // namespace

Tempo misura(Scena& s, Gestore& g)
{
    Azione a = g.prepara();
    elaboraeventi();
    const qsizetype documenti = s.finestre.documenti().size();
    QElapsedTimer t;
    const double cpu = processore();
    t.start();
    a.fai();
    elaboraeventi();
    const Tempo ms{double(t.nsecsElapsed()) / 1e6, processore() - cpu};
    if (g.famiglia != Famiglia::FileStampa && s.finestre.documenti().size() > documenti)
        g.famiglia = Famiglia::Stampa;
    if (a.dopo)
        a.dopo();
    s.ripristina();
    return ms;
}

void mostratutte(Scena& s, bool tutte, const std::function<void(const char*)>& dopo)
{
    constexpr std::size_t principali = 8;   // the splash and the seven working windows, first in the list
    const std::vector<FinestraScena> f = finestre();
    for (std::size_t i = 0; i < (tutte ? f.size() : principali); ++i) {
        f[i].mostra(s);
        elaboraeventi();
        if (dopo)
            dopo(qPrintable(f[i].nome));
    }
    if (!tutte)
        return;
    s.finestre.mostra<frmAzioni>().solodati_Click();
    elaboraeventi();
    if (dopo)
        dopo("documento della stampa");
}
