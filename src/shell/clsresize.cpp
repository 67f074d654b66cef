#include "shell/clsresize.h"
#include "shell/linea.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QEvent>
#include <QScreen>

QWidget* clsResize::area() const
{
    if (auto* mw = qobject_cast<QMainWindow*>(m_form.data()); mw && mw->centralWidget())
        return mw->centralWidget();
    return m_form;
}

QSize clsResize::schermo() const
{
    if (m_schermo.isValid())
        return m_schermo;
    const QScreen* s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->geometry().size() : QSize(1024, 768);
    return px * twip;
}

namespace {
// Frames and group boxes hold controls of their own; a control's inner parts (a combo's
// box, a text box's scroll bars) are its own business and are not recorded.
bool contenitore(const QWidget* c)
{
    const QMetaObject* m = c->metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || qobject_cast<const QGroupBox*>(c)
        || c->property("contenitore").toBool();
}

void controlli(QWidget* genitore, QList<QWidget*>& tutti)
{
    for (QWidget* c : genitore->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isWindow())
            continue;
        tutti.append(c);
        if (contenitore(c))
            controlli(c, tutti);
    }
}
} // namespace

void clsResize::ReInitialise()
{
    QWidget* a = area();
    if (!a)
        return;
    m_larghezza = a->width() * twip;
    m_altezza = a->height() * twip;
    m_record.clear();
    // Every control, those inside frames too, each at its position in its own parent.
    QList<QWidget*> figli;
    controlli(a, figli);
    m_record.reserve(std::size_t(figli.size()));
    for (QWidget* c : figli) {
        Record r;
        r.controllo = c;
        if (auto* l = qobject_cast<Linea*>(c)) {
            r.l = l->X1(); r.t = l->Y1(); r.w = l->X2(); r.h = l->Y2();
        } else {
            r.l = c->x() * twip; r.t = c->y() * twip;
            r.w = c->width() * twip; r.h = c->height() * twip;
        }
        m_record.push_back(r);
    }
    m_nonregistrato = false;
}

namespace {
// Scales a window's controls whenever its inner area is resized.
class SeguiDimensioni : public QObject {
public:
    SeguiDimensioni(clsResize* r, QObject* area) : QObject(area), m_r(r) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            m_r->ResizeControls();
        return false;
    }

private:
    clsResize* m_r;
};
} // namespace

clsResize::~clsResize()
{
    delete m_segui;
}

void clsResize::adatta(QWidget* form, QSize progetto, bool minima)
{
    setSourceForm(form);
    if (!m_segui && area()) {
        m_segui = new SeguiDimensioni(this, area());
        area()->installEventFilter(m_segui);
    }
    SizeFormToScreen(75);
    form->resize(progetto);
    if (minima)
        form->setMinimumSize(progetto);
    ResizeControls();
}

void clsResize::SizeFormToScreen(quint8 percento)
{
    if (!m_form)
        return;
    if (m_nonregistrato)
        ReInitialise();
    const QSize s = schermo();
    const int altezza = int(percento / 100.0 * s.height());
    const int larghezza = int(percento / 100.0 * s.width());
    const int alto = int((s.height() - altezza) * 0.5);
    const int sinistra = int((s.width() - larghezza) * 0.5);
    m_form->move(qRound(sinistra / double(twip)), qRound(alto / double(twip)));
    m_form->resize(qRound(larghezza / double(twip)), qRound(altezza / double(twip)));
    ResizeControls();
}

void clsResize::ResizeControls()
{
    QWidget* a = area();
    if (!m_form || !a)
        return;
    if (a->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()
        || (m_form->windowState() & Qt::WindowMinimized))
        return;
    if (m_nonregistrato) {
        ReInitialise();
        return;
    }
    // A window recorded with no inner area has nothing to scale from.
    if (m_larghezza <= 0 || m_altezza <= 0)
        return;

    const bool aggiornava = m_form->updatesEnabled();
    m_form->setUpdatesEnabled(false);
    const double ry = a->height() * twip / double(m_altezza);
    const double rx = a->width() * twip / double(m_larghezza);
    auto px = [](double twips) { return qRound(twips / twip); };
    for (const Record& r : m_record) {
        QWidget* c = r.controllo;
        if (!c)
            continue;
        QString opzione = c->property("Tag").toString().toUpper();
        if (opzione.isEmpty() || !opzione.startsWith(u'@'))
            opzione = QStringLiteral("@L,T,W,H");
        const bool L = opzione.contains(u'L'), T = opzione.contains(u'T'),
                   W = opzione.contains(u'W'), H = opzione.contains(u'H');
        if (auto* l = qobject_cast<Linea*>(c)) {
            l->imposta(L ? qRound(r.l * rx) : l->X1(), T ? qRound(r.t * ry) : l->Y1(),
                       W ? qRound(r.w * rx) : l->X2(), H ? qRound(r.h * ry) : l->Y2());
            continue;
        }
        QRect g = c->geometry();
        if (L) g.moveLeft(px(r.l * rx));
        if (T) g.moveTop(px(r.t * ry));
        if (W) g.setWidth(px(r.w * rx));
        if (H) g.setHeight(px(r.h * ry));
        c->setGeometry(g);
    }
    m_form->setUpdatesEnabled(aggiornava);
}
