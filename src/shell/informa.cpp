#include "shell/informa.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/finestre.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int larghezzaprogetto = 5760;   // twips
constexpr int altezzaprogetto = 3600;
} // namespace

informa::informa(Finestre& finestre)
{
    setObjectName(QStringLiteral("informa"));
    const ModuloVelno& modulo = finestre.modulo();
    setWindowTitle(QStringLiteral("Informazioni su ") + modulo.nomeprogramma);
    setFont(caratterefinestra());

    Image1 = etichetta(this, QStringLiteral("Image1"), QString(), QRect(16, 18, 64, 64));
    Image1->setPixmap(immagineprogramma());   // the pixels as they are: no image decoder
    Image1->setScaledContents(true);

    Label1 = etichetta(this, QStringLiteral("Label1"), modulo.nomeprogramma, QRect(96, 10, 272, 44));
    Label1->setFont(caratterepesante(22));
    Label2 = etichetta(this, QStringLiteral("Label2"), modulo.descrizione, QRect(96, 56, 272, 34));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(QFont(QStringLiteral("Nimbus Sans"), 10));
    Label3 = etichetta(this, QStringLiteral("Label3"), QStringLiteral("versione"), QRect(96, 100, 50, 18));
    Label6 = etichetta(this, QStringLiteral("Label6"), modulo.versione, QRect(146, 100, 60, 18));
    Label4 = etichetta(this, QStringLiteral("Label4"), QStringLiteral("del ") + modulo.datarilascio, QRect(206, 100, 100, 18));
    Label5 = etichetta(this, QStringLiteral("Label5"), ModuloVelno::piattaforma(), QRect(96, 120, 272, 18));

    auto* linea = new QFrame(this);
    linea->setObjectName(QStringLiteral("Line1"));
    linea->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    linea->setGeometry(12, 150, 360, 4);

    cmdOK = bottone(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(288, 196, 84, 28), {}, [this] { cmdOK_Click(); });
    cmdOK->setDefault(true);

    const QSize progetto(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip);
    resize(progetto);   // recorded at its design size
    m_resize.adatta(this, progetto, false);
}

void informa::cmdOK_Click() { hide(); }

