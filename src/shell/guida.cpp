#include "shell/guida.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/finestre.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <cstring>

namespace {
constexpr int altezzaprogetto = 6825;   // twips

const PaginaGuida& pagina(const char* nome)
{
    for (const PaginaGuida& p : pagineguida())
        if (std::strcmp(p.nome, nome) == 0)
            return p;
    return pagineguida().front();
}

} // namespace

FinestraGuida::FinestraGuida(Finestre& finestre, const char* nome) : m_finestre(finestre)
{
    const PaginaGuida& p = pagina(nome);
    setObjectName(QString::fromLatin1(nome));
    setWindowTitle(QStringLiteral("Guida in linea"));
    setFont(caratterefinestra());
    const int larghezza = p.larghezza / clsResize::twip;
    const int altezza = altezzaprogetto / clsResize::twip;

    Label1 = etichetta(this, QStringLiteral("Label1"), QString::fromUtf8(p.titolo), QRect(10, 8, larghezza - 20, 24));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titolo(QStringLiteral("Nimbus Sans"), 11);
    titolo.setBold(true);
    Label1->setFont(titolo);

    m_testo = testoguida(QString::fromLatin1(nome));
    QString paragrafi;
    for (const QString& p : m_testo.split(QStringLiteral("\n\n")))
        paragrafi += QStringLiteral("<p align=\"justify\" style=\"margin-top:0; margin-bottom:5px\">")
                     + p.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) + QStringLiteral("</p>");
    // The text scrolls in the window when the window is smaller than it, and can be
    // selected and copied.
    auto* scorrevole = new QScrollArea(this);
    scorrevole->setObjectName(QStringLiteral("scorrevole"));
    scorrevole->setGeometry(10, 38, larghezza - 20, altezza - 38 - 42);
    scorrevole->setFrameShape(QFrame::NoFrame);
    scorrevole->setWidgetResizable(true);
    scorrevole->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrevole->viewport()->setAutoFillBackground(false);
    Label2 = etichetta(this, QStringLiteral("Label2"), paragrafi, QRect(0, 0, larghezza - 20, altezza - 38 - 42));
    Label2->setTextFormat(Qt::RichText);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Label2->setAutoFillBackground(false);
    scorrevole->setWidget(Label2);

    const int y = altezza - 36;
    const int lb = 84, passo = 92;
    const int x = (larghezza - (2 * passo + lb)) / 2;
    cmdSommario = bottone(this, QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"), QRect(x, y, lb, 28),
                          QStringLiteral("cliccare per tornare al sommario"), [this] { cmdSommario_Click(); });
    cmdStampa = bottone(this, QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"), QRect(x + passo, y, lb, 28), {},
                        [this] { cmdstampa_Click(); });
    cmdChiudi = bottone(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"), QRect(x + 2 * passo, y, lb, 28),
                        QStringLiteral("cliccare per chiudere la finestra"), [this] { cmdchiudi_Click(); });

    const QSize progetto(larghezza, altezza);
    resize(progetto);   // recorded at its design size
    m_resize.adatta(this, progetto, false);
}

void FinestraGuida::cmdchiudi_Click() { m_finestre.scarica(*this); }

void FinestraGuida::cmdSommario_Click() { m_finestre.mostra(Finestra::Sommario); }

void FinestraGuida::cmdstampa_Click()
{
    const ModuloVelno& m = m_finestre.modulo();
    const auto documento = m_finestre.elaboratore();
    stampaguida(*documento, m.nomeprogramma, m.descrizione, Label1->text(), m_testo);
}

void FinestraGuida::closeEvent(QCloseEvent* e)
{
    // Closed from the title bar: unloaded, as "&Chiudi" does.
    e->ignore();
    cmdchiudi_Click();
}
