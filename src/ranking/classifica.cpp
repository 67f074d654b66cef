#include "ranking/classifica.h"
#include "ranking/stampaclassifica.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/finestre.h"

#include <QGroupBox>
#include <algorithm>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 6825;

const QColor giallo(255, 255, 0);
const QColor verde(0, 128, 0);
const QColor rosso(255, 0, 0);

void colora(QLabel* l, const QColor& fondo, const QColor& testo)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, fondo);
    pal.setColor(QPalette::WindowText, testo);
    l->setPalette(pal);
}

// Design positions, in pixels of the 640 x 455 design.
constexpr int yrighe = 30, passoriga = 22, altriga = 20;
constexpr int xnumero = 8, lnumero = 30;
constexpr int xnome = 40, lnome = 200;
constexpr int xpercento = 242, lpercento = 78;
constexpr int xdestra = 356, ldestra = 276;

} // namespace

classifica::classifica(Finestre& finestre)
    : FinestraVelno(finestre, "classifica",
                    QStringLiteral("Velno: graduatoria degli incrementi periodici dei titoli archiviati (finestra n.3 di 7)"))
{
    costruiscicontrolli();
    adatta(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));
    // A ranking on screen is of the Portfolio in memory: another archive, a clear, a sort or a
    // deletion ranks again.
    DocumentoAzioni& d = m_modulo.azioni;
    using Segnale = void (DocumentoAzioni::*)();
    for (Segnale segnale : std::initializer_list<Segnale>{&DocumentoAzioni::sostituito, &DocumentoAzioni::svuotato,
                                                          &DocumentoAzioni::titolispostati, &DocumentoAzioni::colonnecambiate,
                                                          &DocumentoAzioni::ripristinato})
        connect(&d, segnale, this, &classifica::segui);
}

classifica::~classifica() = default;

void classifica::segui()
{
    if (stato.quotazionefinale == 0)
        return;   // nothing ranked yet
    const QScopedValueRollback silenzio(m_silenzio, true);
    if (p().numerotitoli == 0 || p().numerocolonne < 2) {
        stato = {};
        Label4->clear();
        Label6->clear();
        VScroll1_Change();
        return;
    }
    posizionaultimacolonna();
}

const Portfolio& classifica::p() const { return m_modulo.azioni.tabelle(); }

void classifica::costruiscicontrolli()
{
    setFont(QFont(QStringLiteral("Nimbus Sans"), 8));
    // Controls are laid out on the design size; clsResize records them there.
    resize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip);
    QWidget* a = this;

    Label4 = etichetta(a, QStringLiteral("Label4"), QString(), QRect(xnumero, 6, xpercento + lpercento - xnumero, 18));
    Label4->setToolTip(QStringLiteral("visualizza i giorni delle quotazioni per il calcolo degli incrementi"));

    QFont grassetto = font();
    grassetto.setBold(true);
    for (int i = 1; i <= righe; ++i) {
        const int y = yrighe + (i - 1) * passoriga;
        auto* n = etichetta(a, QStringLiteral("numero_%1").arg(i), QString(), QRect(xnumero, y, lnumero, altriga),
                            Qt::AlignRight | Qt::AlignVCenter);
        n->setToolTip(QStringLiteral("il numero di graduatoria del titolo negli incrementi relativi"));
        n->setFrameShape(QFrame::Panel);
        n->setFrameShadow(QFrame::Sunken);
        numero[i] = n;
        auto* t = etichetta(a, QStringLiteral("Label1_%1").arg(i), QString(), QRect(xnome, y, lnome, altriga));
        t->setToolTip(QStringLiteral("il titolo secondo la graduatoria di rendimento"));
        t->setFrameShape(QFrame::Panel);
        t->setFrameShadow(QFrame::Sunken);
        Label1[i] = t;
        auto* v = etichetta(a, QStringLiteral("Label2_%1").arg(i), QString(), QRect(xpercento, y, lpercento, altriga),
                            Qt::AlignRight | Qt::AlignVCenter);
        v->setToolTip(QStringLiteral("il rendimento in percento del titolo nel periodo scelto"));
        v->setAutoFillBackground(true);
        // Yellow figures on green or red: bold keeps them readable.
        v->setFont(grassetto);
        v->setMargin(2);
        colora(v, giallo, Qt::black);
        Label2[i] = v;
    }

    VScroll1 = barra(a, QStringLiteral("VScroll1"), Qt::Vertical, 1, Portfolio::maxtitoli - righe + 1, righe,
                     QRect(xpercento + lpercento + 4, yrighe, 16, righe * passoriga - 2), [this] { VScroll1_Change(); });

    etichetta(a, QStringLiteral("Label3"),
              QStringLiteral("gli incrementi in percentuale sono calcolati tra i periodi scelti"),
              QRect(xnumero, yrighe + righe * passoriga + 2, 336, 18));

    // Right: the consecutive-pair bar, the final-quotation caption, the two choosers.
    HScroll1 = barra(a, QStringLiteral("HScroll1"), Qt::Horizontal, 1, Portfolio::maxcolonne, 5,
                     QRect(xdestra, yrighe, ldestra, 16), [this] { HScroll1_Change(); });

    Label6 = etichetta(a, QStringLiteral("Label6"), QString(), QRect(xdestra, yrighe + 22, ldestra, 18));
    Label6->setToolTip(QStringLiteral("visualizza il numero della quotazione finale per il calcolo degli incrementi"));

    // The frame is drawn behind the choosers, which stay children of the window so that they
    // follow its resizing like every other control.
    const QRect cornice(xdestra, 100, ldestra, 150);
    Frame1 = new QGroupBox(QStringLiteral("graduatoria tra due date a scelta"), a);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(cornice);

    VScroll2 = barra(a, QStringLiteral("VScroll2"), Qt::Vertical, 1, Portfolio::maxcolonne - 1, 1,
                     QRect(cornice.left() + 14, cornice.top() + 28, 18, 48), [this] { VScroll2_Change(); });
    VScroll3 = barra(a, QStringLiteral("VScroll3"), Qt::Vertical, 2, Portfolio::maxcolonne, 1,
                     QRect(cornice.left() + 14, cornice.top() + 88, 18, 48), [this] { VScroll3_Change(); });

    Label5 = etichetta(a, QStringLiteral("Label5"), suggerimentoiniziale(),
                       QRect(cornice.left() + 40, cornice.top() + 28, ldestra - 52, 48));
    Label5->setWordWrap(true);
    Label5->setToolTip(QStringLiteral("visualizza i suggerimenti per la freccia di sinistra"));
    Label7 = etichetta(a, QStringLiteral("Label7"), suggerimentofinale(),
                       QRect(cornice.left() + 40, cornice.top() + 88, ldestra - 52, 48));
    Label7->setWordWrap(true);
    Label7->setToolTip(QStringLiteral("visualizza i suggerimenti per la freccia di destra"));
    for (QWidget* w : {static_cast<QWidget*>(VScroll2), static_cast<QWidget*>(VScroll3),
                       static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label7)})
        w->raise();

    Image1 = new QToolButton(a);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAutoRaise(true);
    // The style's icon only where the theme has none: it is decoded as soon as made.
    Image1->setIcon(QIcon::hasThemeIcon(QStringLiteral("help-browser")) ? QIcon::fromTheme(QStringLiteral("help-browser"))
                                                                         : style()->standardIcon(QStyle::SP_DialogHelpButton));
    Image1->setIconSize(QSize(32, 32));
    Image1->setGeometry(xdestra + ldestra - 40, cornice.bottom() + 14, 40, 40);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("cliccare per visualizzare la guida della finestra"));
    connect(Image1, &QToolButton::clicked, this, &classifica::image1_click);

    passo = etichetta(a, QStringLiteral("passo"),
                      QStringLiteral("cliccare sulle singole barre di scorrimento per visualizzare i dati successivi"),
                      QRect(xnumero, 388, 624, 18));

    const struct {
        QPushButton** dove;
        const char* nome;
        const char* testo;
        const char* suggerimento;
        int larghezza;
        void (classifica::*gestore)();
    } bottoni[] = {
        {&stampa, "stampa", "S&tampa", "cliccare per avere la stampa dei dati visualizzati", 64, &classifica::stampa_Click},
        {&Command5, "Command5", "finestra A&zioni", "cliccare per visualizzare la finestra Azioni", 96,
         &classifica::Command5_Click},
        {&Command2, "Command2", "finestra &Schede", "cliccare per visualizzare la finestra Schede", 96,
         &classifica::Command2_Click},
        {&Command3, "Command3", "finestra &Bilancio", "cliccare per visualizzare la finestra Bilancio", 100,
         &classifica::Command3_Click},
        {&Command1, "Command1", "&Guida in linea", "cliccare per visualizzare il Sommario della guida", 96,
         &classifica::Command1_Click},
        {&aiuto, "aiuto", "&AIUTO", "cliccare per avere indicazioni sulla immissione dei dati", 64,
         &classifica::aiuto_Click},
        {&cmdesci, "cmdesci", "US&CITA", "cliccare per uscire da Velno", 68, &classifica::cmdesci_Click},
    };
    int x = xnumero;
    for (const auto& b : bottoni) {
        *b.dove = bottone(a, QString::fromLatin1(b.nome), QString::fromUtf8(b.testo), QRect(x, 416, b.larghezza, 26),
                          QString::fromUtf8(b.suggerimento), [this, g = b.gestore] { (this->*g)(); });
        x += b.larghezza + 6;
    }
}

void classifica::mostra(const Messaggio& m)
{
    if (!m_silenzio)
        FinestraVelno::mostra(m);
}

void classifica::imposta(QScrollBar* barra, int valore, void (classifica::*gestore)(), classifica* w)
{
    const int prima = barra->value();
    barra->setValue(valore);
    if (barra->value() == prima)
        (w->*gestore)();
}

// ---- Choosers ------------------------------------------------------------------------

void classifica::VScroll2_Change() { scegli(sceltainiziale(stato, p(), VScroll2->value()), VScroll2, Label5); }
void classifica::VScroll3_Change() { scegli(sceltafinale(stato, p(), VScroll3->value()), VScroll3, Label7); }

void classifica::scegli(const SceltaColonna& s, QScrollBar* barra, QLabel* suggerimento)
{
    mostrafinale = 0;
    if (!s.suggerimento.isEmpty())
        suggerimento->setText(s.suggerimento);
    if (s.passo)
        barra->setValue(barra->value() + s.passo);
    else if (s.ordina)
        ordina();
}

void classifica::HScroll1_Change()
{
    stato.quotazionefinale = HScroll1->value();
    stato.fattorecambio = cambioconsecutivo(p(), stato.quotazionefinale);
    stato.quotazioneiniziale = stato.quotazionefinale - 1;
    mostrafinale = 1;
    ordina();
}

void classifica::posizionaultimacolonna()
{
    imposta(HScroll1, std::clamp(p().numerocolonne, 1, Portfolio::maxcolonne), &classifica::HScroll1_Change, this);
    while (HScroll1->value() > HScroll1->minimum() && p().datequotazioni[HScroll1->value()].isEmpty())
        imposta(HScroll1, HScroll1->value() - 1, &classifica::HScroll1_Change, this);
}

// ---- Ranking and display -------------------------------------------------------------

void classifica::ordina()
{
    const EsitoOrdina esito = ::ordina(stato, p());
    if (esito == EsitoOrdina::NessunaQuotazione) {
        mostra(Messaggio{QStringLiteral("Non esistono ulteriori quotazioni da esaminare."), m_modulo.titolocontrollo,
                         Icona::Esclamativa});
        return;
    }
    if (mostrafinale == 1) {
        Label6->setText(didascaliafinale(p(), stato.quotazionefinale));
        mostrafinale = 0;
    }
    if (esito == EsitoOrdina::NonDisponibile) {
        Label6->setText(didascalianondisponibile(stato.quotazionefinale));
        return;
    }
    Label4->setText(didascaliaperiodo(p(), stato.quotazioneiniziale, stato.quotazionefinale));
    imposta(VScroll1, 1, &classifica::VScroll1_Change, this);
}

void classifica::VScroll1_Change()
{
    for (int i = 1; i <= righe; ++i) {
        const int k = VScroll1->value() + i - 1;
        numero[i]->setText(QString::number(k));
        Label1[i]->setText(stato.titoliordinati[k]);
        const auto& v = stato.incrementi[k];
        Label2[i]->setText(testoincremento(v));
        switch (coloreincremento(v)) {
        case ColoreIncremento::Verde: colora(Label2[i], verde, giallo); break;
        case ColoreIncremento::Rosso: colora(Label2[i], rosso, giallo); break;
        case ColoreIncremento::Giallo: colora(Label2[i], giallo, Qt::black); break;
        }
    }
}

// ---- Commands ------------------------------------------------------------------------

void classifica::stampa_Click()
{
    passo->setText(QStringLiteral("sto caricando WORD"));
    StampaClassifica s;
    s.nomeprogramma = m_modulo.nomeprogramma;
    s.descrizione = m_modulo.descrizione;
    s.periodo = Label4->text();
    s.numerotitoli = p().numerotitoli;
    const auto documento = m_finestre.elaboratore();
    stampaclassifica(*documento, stato, s);
    passo->setText(QStringLiteral("ho visualizzato i dati su WORD"));
}


void classifica::Command2_Click() { m_finestre.aprischeda(); }
void classifica::Command3_Click() { m_finestre.mostra(Finestra::Bilancio); }
void classifica::image1_click() { m_finestre.mostra(Finestra::GuidaGraduatoria); }
