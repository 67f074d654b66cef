#include "monthly/frmmensile.h"
#include "balance/vendite.h"
#include "monthly/stampamensile.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"
#include "shell/comandi.h"
#include "shell/finestre.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 6825;

const char* const nomimesi[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

constexpr int yriga = 66, altriga = 20, passoriga = 21;
// Columns: months on the left, years on the right.
constexpr int xmese = 8, lmese = 70, xpag = 80, lpag = 86, xgua = 168, lgua = 86, xper = 256, lper = 52;
constexpr int xann = 330, lann = 44, xpagann = 376, xguaann = 464, xperann = 552, xscroll = 606;

} // namespace

mensile::mensile(Finestre& finestre)
    : FinestraVelno(finestre, "mensile", QStringLiteral("Velno: bilancio mensile e bilancio pluriennale (finestra n.5 di 7)"))
{
    costruiscicontrolli();
    // On screen, the window follows the balance as it is typed (its sums are of rows in lire:
    // while the balance shows euro, what is shown stays until it is back in lire); a save or
    // an open reads the years' files again.
    auto segui = [this](bool file) {
        if (isVisible() && !m_modulo.vendite.ineuro()) {
            aggiorna(file);
            cambiavaluta();
        }
    };
    DocumentoBilancio& d = m_modulo.vendite;
    connect(&d, &DocumentoBilancio::cambiato, this, [segui] { segui(false); });
    connect(&d, &DocumentoBilancio::salvato, this, [segui] { segui(true); });
    connect(&d, &DocumentoBilancio::sostituito, this, [segui] { segui(true); });
    adatta(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));
}

mensile::~mensile() = default;

void mensile::costruiscicontrolli()
{
    QWidget* a = area(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));

    anno = etichetta(a, QStringLiteral("anno"), QString(), QRect(xmese, 6, 100, 18));
    valori = etichetta(a, QStringLiteral("valori"), QString(), QRect(xmese + 106, 6, 120, 18));
    QFont grassetto = a->font();
    grassetto.setBold(true);
    etichetta(a, QStringLiteral("Label1"), QStringLiteral("Bilancio mensile"), QRect(xmese, 26, 200, 18))
        ->setFont(grassetto);
    etichetta(a, QStringLiteral("Label2"), QStringLiteral("Bilancio pluriennale"), QRect(xann, 26, 200, 18))
        ->setFont(grassetto);

    const struct {
        const char* nome;
        const char* testo;
        int x, l;
    } intestazioni[] = {
        {"Label3", "mese", xmese, lmese},      {"Label4", "pagato", xpag, lpag},
        {"Label5", "guadagno", xgua, lgua},    {"Label6", "%", xper, lper},
        {"Label7", "anno", xann, lann},        {"Label8", "pagato", xpagann, lpag},
        {"Label9", "guadagno", xguaann, lgua}, {"Label10", "%", xperann, lper},
    };
    for (const auto& t : intestazioni)
        etichetta(a, QString::fromLatin1(t.nome), QString::fromLatin1(t.testo), QRect(t.x, 46, t.l, 18),
                  Qt::AlignHCenter | Qt::AlignVCenter);

    for (int k = 1; k <= 12; ++k) {
        const int y = yriga + (k - 1) * passoriga;
        lbl[k] = etichetta(a, QStringLiteral("lbl_%1").arg(k), QString::fromLatin1(nomimesi[k - 1]),
                           QRect(xmese, y, lmese, altriga));
        pagato[k] = riquadro(a, QStringLiteral("pagato_%1").arg(k), QRect(xpag, y, lpag, altriga));
        realizzato[k] = riquadro(a, QStringLiteral("realizzato_%1").arg(k), QRect(xgua, y, lgua, altriga));
        percento[k] = riquadro(a, QStringLiteral("percento_%1").arg(k), QRect(xper, y, lper, altriga));
        ann[k] = etichetta(a, QStringLiteral("ann_%1").arg(k), QString(), QRect(xann, y, lann, altriga),
                           Qt::AlignCenter);
        pagatanno[k] = riquadro(a, QStringLiteral("pagatanno_%1").arg(k), QRect(xpagann, y, lpag, altriga));
        guadagnanno[k] = riquadro(a, QStringLiteral("guadagnanno_%1").arg(k), QRect(xguaann, y, lgua, altriga));
        percentanno[k] = riquadro(a, QStringLiteral("percentanno_%1").arg(k), QRect(xperann, y, lper, altriga));
    }

    const int ytotali = yriga + 12 * passoriga + 4;   // 322
    etichetta(a, QStringLiteral("Label11"), QStringLiteral("totali"), QRect(xmese, ytotali, lmese, altriga));
    totpagato = riquadro(a, QStringLiteral("totpagato"), QRect(xpag, ytotali, lpag, altriga));
    totguadagno = riquadro(a, QStringLiteral("totguadagno"), QRect(xgua, ytotali, lgua, altriga));
    mediapercento = riquadro(a, QStringLiteral("mediapercento"), QRect(xper, ytotali, lper, altriga));
    etichetta(a, QStringLiteral("Label12"), QStringLiteral("totali"), QRect(xann, ytotali, lann, altriga),
              Qt::AlignCenter);
    totpagatanno = riquadro(a, QStringLiteral("totpagatanno"), QRect(xpagann, ytotali, lpag, altriga));
    totguadagnanno = riquadro(a, QStringLiteral("totguadagnanno"), QRect(xguaann, ytotali, lgua, altriga));
    annipercento = riquadro(a, QStringLiteral("annipercento"), QRect(xperann, ytotali, lper, altriga));
    for (QLabel* t : {totpagatanno, totguadagnanno, annipercento})
        t->setToolTip(QStringLiteral("i totali dal 1995 all'anno visualizzato nell'ultima casella"));

    VScroll1 = barra(a, QStringLiteral("VScroll1"), Qt::Vertical, 1, ultimoindiceanni - 11, 12,
                     QRect(xscroll, yriga, 16, 12 * passoriga - 1), [this] { VScroll1_Change(); });
    VScroll1->setToolTip(QStringLiteral("cliccare sulla freccia per visualizzare anni diversi"));

    const int y1 = ytotali + 34, y2 = y1 + 32;
    const auto f = gestoridi(this);
    using C = mensile;
    lira = bottone(a, QStringLiteral("lira"), QStringLiteral("modifica i valori in &lire"), QRect(xmese, y1, 150, 26),
                   QStringLiteral("cliccare per avere i valori in lire"), f(&C::lira_Click));
    cmdeuro = bottone(a, QStringLiteral("cmdeuro"), QStringLiteral("modifica i valori in &euro"),
                      QRect(xmese + 156, y1, 150, 26), QStringLiteral("cliccare per avere i valori in euro"),
                      f(&C::cmdeuro_Click));
    bottone(a, QStringLiteral("stampa"), QStringLiteral("S&tampa"), QRect(xann, y1, 80, 26),
            QStringLiteral("cliccare per avere la stampa dei dati visualizzati"), f(&C::stampa_Click));
    bottone(a, QStringLiteral("annuale"), QStringLiteral(" &Bilancio annuale"), QRect(xann + 86, y1, 120, 26),
            QStringLiteral("cliccare per visualizzare la finestra Bilancio"), f(&C::annuale_Click));
    bottone(a, QStringLiteral("cmdazioni"), QStringLiteral("finestra A&zioni"), QRect(xmese, y2, 110, 26),
            QStringLiteral("cliccare per visualizzare la finestra Azioni"), f(&C::cmdazioni_Click));
    bottone(a, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), QRect(xmese + 116, y2, 70, 26),
            QStringLiteral("cliccare per avere indicazioni sulla finestra"), f(&C::aiuto_Click));
    bottone(a, QStringLiteral("Command1"), QStringLiteral("&Guida in linea"), QRect(xmese + 192, y2, 110, 26),
            QStringLiteral("cliccare per visualizzare il Sommario della guida"), f(&C::Command1_Click));
    bottone(a, QStringLiteral("uscita"), QStringLiteral(" US&CITA"), QRect(xann, y2, 80, 26),
            QStringLiteral("cliccare per uscire da Velno"), f(&C::uscita_Click));
    stato = etichetta(a, QStringLiteral("stato"), QString(), QRect(xmese, y2 + 32, 300, 18));
}

double mensile::fattore() const { return m_fattore; }

bool mensile::ineuro() const { return m_fattore != 1.0; }

void mensile::carica()
{
    aggiorna(true);
    lira_Click();
}

void mensile::aggiorna(bool file)
{
    const DocumentoBilancio& d = m_modulo.vendite;
    m_somme = sommemensili(d.tabelle());
    anno->setText(d.anno() ? QStringLiteral("anno") + str(d.anno()) : QString());
    if (file)
        leggianni(m_modulo, d.tabelle().annobilancio);
    annodelbilancio(m_modulo, d.anno());
}

void mensile::VScroll1_Change()
{
    const PannelloAnni p = pannelloanni(m_modulo, VScroll1->value(), fattore(), ineuro());
    for (int k = 1; k <= 12; ++k) {
        const RigaAnno& r = p.righe[std::size_t(k)];
        ann[k]->setText(r.ann);
        pagatanno[k]->setText(r.pagatanno);
        guadagnanno[k]->setText(r.guadagnanno);
        percentanno[k]->setText(r.percentanno);
    }
    totpagatanno->setText(p.totpagatanno);
    totguadagnanno->setText(p.totguadagnanno);
    annipercento->setText(p.annipercento);
}

void mensile::lira_Click() { valuta(false); }
void mensile::cmdeuro_Click() { valuta(true); }

void mensile::valuta(bool euro)
{
    valori->setText(euro ? QStringLiteral("valori in euro") : QStringLiteral("valori in lire"));
    m_fattore = euro ? cambiosingolo : 1.0;
    (euro ? cmdeuro : lira)->setEnabled(false);
    (euro ? lira : cmdeuro)->setEnabled(true);
    cambiavaluta();
}

void mensile::cambiavaluta()
{
    if (VScroll1->value() != 1)
        VScroll1->setValue(1);
    else
        VScroll1_Change();
    const TabellaMensile t = tabellamensile(m_somme, fattore(), ineuro());
    for (int k = 1; k <= 12; ++k) {
        const RigaMensile& r = t.mesi[std::size_t(k)];
        pagato[k]->setText(r.pagato);
        realizzato[k]->setText(r.realizzato);
        percento[k]->setText(r.percento);
    }
    totpagato->setText(t.totpagato);
    totguadagno->setText(t.totguadagno);
    mediapercento->setText(t.mediapercento);
}

void mensile::stampa_Click()
{
    StampaMensile s;
    s.nomeprogramma = m_modulo.nomeprogramma;
    s.descrizione = m_modulo.descrizione;
    s.anno = anno->text();
    s.valori = valori->text();
    for (int k = 1; k <= 12; ++k)
        s.nomimesi[std::size_t(k)] = lbl[k]->text();
    stato->setText(QStringLiteral("sto caricando WORD"));
    {
        const auto documento = m_finestre.elaboratore();
        stampamensile(*documento, m_somme, m_modulo, s, fattore());
    }
    stato->clear();
}

void mensile::annuale_Click() { m_finestre.mostra(Finestra::Bilancio); }


