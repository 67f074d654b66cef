#include "shell/guide.h"
#include "shell/sommario.h"
#include "shared/documento.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/finestre.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr int larghezzaprogetto = 3975;   // twips
constexpr int altezzaprogetto = 6825;

void grassetto(QLabel* l, bool si)
{
    QFont f = l->font();
    if (f.bold() == si)
        return;
    f.setBold(si);
    l->setFont(f);
}
} // namespace

sommario::sommario(Finestre& finestre) : m_finestre(finestre)
{
    setObjectName(QStringLiteral("sommario"));
    setWindowTitle(QStringLiteral("Guida in linea: sommario"));
    setFont(caratterefinestra());
    setMouseTracking(true);

    for (int i = 1; i <= righe; ++i) {
        const int y = 14 + (i - 1) * 27;
        QPushButton* p = bottone(this, QStringLiteral("puls_%1").arg(i), QStringLiteral("--->"), QRect(10, y, 40, 22));
        puls[std::size_t(i)] = p;
        connect(p, &QPushButton::clicked, this, [this, i] { puls_Click(i); });
        // The help pages, then the tip of the day.
        const char* voce = i <= 13 ? pagineguida()[std::size_t(i - 1)].voce : "  Suggerimento del giorno";
        QLabel* l = etichetta(this, QStringLiteral("lbl_%1").arg(i), QString::fromUtf8(voce), QRect(56, y, 197, 22));
        l->setFrameStyle(QFrame::Panel | QFrame::Raised);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        lbl[std::size_t(i)] = l;
    }

    cmdchiudi = bottone(this, QStringLiteral("cmdchiudi"), QStringLiteral("&Chiudi"), QRect(10, 408, 78, 28),
                        QStringLiteral("cliccare per chiudere la finestra"), [this] { cmdchiudi_Click(); });
    cmdstampa = bottone(this, QStringLiteral("cmdstampa"), QStringLiteral("&Stampa"), QRect(93, 408, 78, 28),
                        QStringLiteral("cliccare per avere la copia su carta del sommario"), [this] { cmdstampa_Click(); });
    uscita = bottone(this, QStringLiteral("uscita"), QStringLiteral(" US&CITA"), QRect(176, 408, 78, 28),
                     QStringLiteral("cliccare per uscire da Velno"), [this] { uscita_Click(); });

    const QSize progetto(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip);
    resize(progetto);   // recorded at its design size
    m_resize.adatta(this, progetto, false);
}

void sommario::apririga(int indice)
{
    if (indice >= 1 && indice <= 13)
        m_finestre.mostra(paginaguida(indice));
    else if (indice == 14)
        m_finestre.mostra(Finestra::Suggerimenti);
}

void sommario::puls_Click(int indice) { apririga(indice); }

void sommario::lbl_Mousedown(int indice)
{
    lbl[std::size_t(indice)]->setFrameStyle(QFrame::NoFrame);
    apririga(indice);
}

void sommario::lbl_MouseUp(int indice) { lbl[std::size_t(indice)]->setFrameStyle(QFrame::Panel | QFrame::Raised); }

void sommario::lbl_MouseMove(int indice)
{
    for (int i = 1; i <= righe; ++i)
        grassetto(lbl[std::size_t(i)], i == indice);
}

void sommario::form_MouseMove()
{
    for (int i = 1; i <= righe; ++i)
        grassetto(lbl[std::size_t(i)], false);
}

void sommario::cmdchiudi_Click() { hide(); }

void sommario::uscita_Click() { m_finestre.confermauscita(); }

void sommario::cmdstampa_Click()
{
    const auto documento = m_finestre.elaboratore();
    if (const auto m = stampaesalvaguida(*documento, m_finestre.modulo()))
        mostra(*m);
}

void sommario::mostra(const Messaggio& m) { m_finestre.messaggi().mostra(m); }

void sommario::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    form_MouseMove();
}

bool sommario::eventFilter(QObject* o, QEvent* e)
{
    for (int i = 1; i <= righe; ++i) {
        if (o != lbl[std::size_t(i)])
            continue;
        switch (e->type()) {
        case QEvent::MouseMove:
            lbl_MouseMove(i);
            return true;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                lbl_Mousedown(i);
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                lbl_MouseUp(i);
            return true;
        default:
            return false;
        }
    }
    return QWidget::eventFilter(o, e);
}
