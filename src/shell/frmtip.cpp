#include "shell/frmtip.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/filedistribuiti.h"
#include "shell/finestre.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int larghezzaprogetto = 6300;   // twips
constexpr int altezzaprogetto = 3900;

// A lit bulb, the tip window's picture.
QPixmap lampadina(int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 32.0;
    QRadialGradient luce(QPointF(14 * u, 10 * u), 12 * u);
    luce.setColorAt(0, QColor(255, 255, 220));
    luce.setColorAt(1, QColor(252, 210, 40));
    p.setPen(QPen(QColor(160, 120, 0), 1.2 * u));
    p.setBrush(luce);
    QPainterPath bulbo;
    bulbo.addEllipse(QPointF(16 * u, 12 * u), 9 * u, 9 * u);
    QPainterPath collo;
    collo.moveTo(11 * u, 18 * u);
    collo.lineTo(21 * u, 18 * u);
    collo.lineTo(19.5 * u, 23 * u);
    collo.lineTo(12.5 * u, 23 * u);
    collo.closeSubpath();
    p.drawPath(bulbo.united(collo));
    p.setBrush(QColor(136, 138, 133));
    p.setPen(QPen(QColor(85, 87, 83), 0.8 * u));
    for (int k = 0; k < 3; ++k)
        p.drawRoundedRect(QRectF(12.5 * u, (23.5 + 2.2 * k) * u, 7 * u, 1.8 * u), 0.6 * u, 0.6 * u);
    p.setPen(QPen(QColor(252, 175, 62), 1.4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3 * u, 12 * u), QPointF(5.5 * u, 12 * u));
    p.drawLine(QPointF(26.5 * u, 12 * u), QPointF(29 * u, 12 * u));
    p.drawLine(QPointF(6 * u, 3 * u), QPointF(8 * u, 5 * u));
    p.drawLine(QPointF(26 * u, 3 * u), QPointF(24 * u, 5 * u));
    return pm;
}
} // namespace

frmTip::frmTip(Finestre&)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setFont(caratterefinestra());

    auto* fondo = new QFrame(this);
    fondo->setObjectName(QStringLiteral("Shape1"));
    fondo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fondo->setAutoFillBackground(true);
    QPalette bianco = fondo->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    fondo->setPalette(bianco);
    fondo->setGeometry(12, 12, 396, 182);

    Picture1 = etichetta(this, QStringLiteral("Picture1"), QString(), QRect(22, 22, 40, 40));
    Picture1->setPixmap(lampadina(40));
    Label1 = etichetta(this, QStringLiteral("Label1"), QStringLiteral("Lo sapevi che..."), QRect(72, 26, 300, 24));
    QFont grande(QStringLiteral("Nimbus Sans"), 12);
    grande.setBold(true);
    Label1->setFont(grande);
    lblTipText = etichetta(this, QStringLiteral("lblTipText"), QString(), QRect(72, 56, 326, 130));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setFont(QFont(QStringLiteral("Nimbus Sans"), 10));

    cmdprecedente = bottone(this, QStringLiteral("cmdprecedente"), QStringLiteral("&Precedente"), QRect(124, 214, 90, 28),
                            {}, [this] { cmdprecedente_Click(); });
    cmdNextTip = bottone(this, QStringLiteral("cmdNextTip"), QStringLiteral("&Successivo"), QRect(220, 214, 90, 28), {},
                         [this] { cmdNextTip_Click(); });
    cmdOK = bottone(this, QStringLiteral("cmdOK"), QStringLiteral("&Chiudi"), QRect(318, 214, 90, 28), {},
                    [this] { cmdOK_Click(); });
    cmdOK->setDefault(true);

    const QSize progetto(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip);
    resize(progetto);   // recorded at its design size
    m_resize.adatta(this, progetto, false);

    if (!LoadTips(filedistribuito(Suggerimenti::nomefile)))
        lblTipText->setText(Suggerimenti::testomancante());
}

bool frmTip::LoadTips(const QString& file)
{
    if (!m_suggerimenti.LoadTips(file))
        return false;
    DisplayCurrentTip();
    return true;
}

void frmTip::DisplayCurrentTip()
{
    if (m_suggerimenti.quanti() > 0)
        lblTipText->setText(m_suggerimenti.testo());
}

void frmTip::cmdNextTip_Click()
{
    m_suggerimenti.successivo();
    DisplayCurrentTip();
}

void frmTip::cmdprecedente_Click()
{
    if (m_suggerimenti.corrente() <= 1)
        return;
    m_suggerimenti.precedente();
    DisplayCurrentTip();
}

void frmTip::cmdOK_Click() { hide(); }

