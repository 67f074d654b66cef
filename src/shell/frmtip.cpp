#include "shell/frmtip.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/disegni.h"
#include "shell/filedistribuiti.h"
#include "shell/finestre.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int larghezzaprogetto = 6300;   // twips
constexpr int altezzaprogetto = 3900;

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

