#include "charts/grafici.h"
#include "charts/grafico.h"
#include "charts/iconegrafici.h"
#include "charts/stampagrafici.h"
#include "portfolio/portfolio.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/comandi.h"
#include "shell/finestre.h"

#include <QMouseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

// Design of the inner area in twips (15 twips = 1 pixel), as the other main windows.
constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 5895;

// The size of the chart's picture in the print.
const QSize dimensionestampa(720, 440);

} // namespace

grafici::grafici(Finestre& finestre)
    : FinestraVelno(finestre, "grafici", QStringLiteral("Velno: grafici dell'andamento delle azioni"))
{
    costruiscicontrolli();
    m_regole = std::make_unique<RegoleGrafici>(m_modulo, MSChart1->griglia());
    costruiscimenu();
    vocistoria(this, "modifica", m_modulo.azioni);

    // Until a kind is chosen the chart draws lines.
    MSChart1->griglia().impostatipo(TipoGrafico::Linee);
    MSChart1->griglia().impostatitolo(titolografico(TipoGrafico::Linee));

    adatta(QSize(larghezzaprogetto / clsResize::twip, 6825 / clsResize::twip));
    // Another archive: its line chart from its first holding and column.
    connect(&m_modulo.azioni, &DocumentoAzioni::sostituito, this, [this] {
        m_regole->primacolonna = 1;
        dopoapertura();
    });
    // An undo or a redo: the same chart from the tables (hidden, the window draws when shown).
    connect(&m_modulo.azioni, &DocumentoAzioni::ripristinato, this, [this] {
        if (isVisible()) {
            m_regole->ridisegna();
            MSChart1->aggiorna();
        }
    });
}

grafici::~grafici() = default;

void grafici::costruiscicontrolli()
{
    area(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));

    MSChart1 = new Grafico(m_area);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setGeometry(4, 4, 632, 326);

    HScroll1 = barra(m_area, QStringLiteral("HScroll1"), Qt::Horizontal, 1, 291, 10, QRect(4, 334, 632, 16),
                     [this] { HScroll1_Change(); });
    // Dragging the slider moves the chart once, where it is let go.
    HScroll1->setTracking(false);

    const struct {
        QPushButton** pulsante;
        const char* nome;
        TipoGrafico tipo;
        const char* suggerimento;
        void (grafici::*gestore)();
    } tipi[] = {
        {&cmdbarre, "cmdbarre", TipoGrafico::Barre, "cliccare per visualizzare un grafico a barre", &grafici::cmdbarre_Click},
        {&cmdtorta, "cmdtorta", TipoGrafico::Torta, "cliccare per visualizzare un grafico a torta", &grafici::cmdtorta_Click},
        {&cmdlinee, "cmdlinee", TipoGrafico::Linee, "cliccare per visualizzare un grafico a linee", &grafici::cmdlinee_Click},
        {&cmd3darea, "cmd3darea", TipoGrafico::Area3D,
         "cliccare per visualizzare un grafico ad area a tre dimensioni", &grafici::cmd3darea_Click},
        {&cmdlinee3d, "cmdlinee3d", TipoGrafico::Linee3D,
         "cliccare per visualizzare un grafico a linee a tre dimensioni", &grafici::cmdlinee3d_Click},
        {&cmdbarre3d, "cmdbarre3d", TipoGrafico::Barre3D,
         "cliccare per visualizzare un grafico a barre a tre dimensioni", &grafici::cmdbarre3d_Click},
        {&cmd3dstep, "cmd3dstep", TipoGrafico::Passo3D,
         "cliccare per visualizzare un grafico a passo a tre dimensioni", &grafici::cmd3dstep_Click},
    };
    int x = 4;
    const auto f = gestoridi(this);
    for (const auto& t : tipi) {
        *t.pulsante = bottone(m_area, QString::fromLatin1(t.nome), QString(), QRect(x, 355, 32, 32),
                              QString::fromUtf8(t.suggerimento), f(t.gestore));
        (*t.pulsante)->setIcon(iconatipo(t.tipo));
        (*t.pulsante)->setIconSize(QSize(24, 24));
        x += 34;
    }
    auto riga = [](int x, int l) { return QRect(x, 357, l, 28); };
    bottone(m_area, QStringLiteral("Command1"), QStringLiteral("&AIUTO"), riga(254, 76), {}, f(&grafici::Command1_Click));
    bottone(m_area, QStringLiteral("Command2"), QStringLiteral("&Guida in linea"), riga(334, 108), {},
            f(&grafici::Command2_Click));
    bottone(m_area, QStringLiteral("Command3"), QStringLiteral("finestra A&zioni"), riga(446, 112), {},
            f(&grafici::Command3_Click));
    bottone(m_area, QStringLiteral("Command4"), QStringLiteral("&USCITA"), riga(562, 74), {}, f(&grafici::Command4_Click));
}

void grafici::costruiscimenu()
{
    const auto f = gestoridi(this);
    using C = grafici;
    const std::vector<MenuComandi> menu = {
        menufile({.apri = f(&C::apri_Click), .salva = f(&C::salva_Click), .salvanome = f(&C::salvanome_Click),
                   .elimina = f(&C::eliminare_click),
                   .stampa = {"stampa", QStringLiteral("S&tampa grafico"), 0, {}, f(&C::stampa_Click)},
                   .esci = {"esci", QStringLiteral("&Esci"), 0, {}, f(&C::esci_Click)},
                   .voceelimina = QStringLiteral("&Elimina..."),}),
        {"modifica", QStringLiteral("&Modifica"), {
            {"colorare", QStringLiteral("&Colore di sfondo"), 16, QStringLiteral("colore di sfondo"), f(&C::colorare_Click)},
        }},
        {"visualizza", QStringLiteral("&Visualizza"), {
            {"fin1", QStringLiteral("Finestra Azioni"), 6, QStringLiteral("visualizza finestra Azioni"), f(&C::fin1_Click)},
            {"fin2", QStringLiteral("Finestra Schede"), 7, QStringLiteral("visualizza finestra Schede"), f(&C::fin2_Click)},
            {"fin3", QStringLiteral("Finestra Bilancio"), 8, QStringLiteral("visualizza finestra Bilancio"), f(&C::fin3_Click)},
            {"fin4", QStringLiteral("Finestra Grafici"), 9, QStringLiteral("visualizza finestra Grafici"), f(&C::fin4_Click)},
            separatore(),
            {"azioneprima", QStringLiteral("Riga precedente di azioni"), 11, QStringLiteral("titolo precedente"),
             f(&C::azioneprima_click)},
            {"azionedopo", QStringLiteral("Riga successiva di azioni"), 12, QStringLiteral("titolo successivo"),
             f(&C::azionedopo_click)},
            separatore(),
            {"quotazsinistra", QStringLiteral("Colonna precedente di quotazioni"), 13, QStringLiteral("quotazione precedente"),
             f(&C::quotazsinistra_click)},
            {"quotazdestra", QStringLiteral("Colonna successiva di quotazioni"), 14, QStringLiteral("quotazione successiva"),
             f(&C::quotazdestra_click)},
        }},
        {"help", QStringLiteral("&?"), {
            {"guida", QStringLiteral("&Guida in linea"), 17, QStringLiteral("guida in linea"), f(&C::guida_Click)},
            {"sugger", QStringLiteral("&Suggerimenti..."), 0, {}, f(&C::sugger_Click)},
            separatore(),
            {"supporto", QStringLiteral("Supporto &prodotto"), 18, QStringLiteral("supporto prodotto"), f(&C::supporto_Click)},
            separatore(),
            {"informazioni", QStringLiteral("&Informazioni su Velno"), 19, QStringLiteral("informazioni su Velno"),
             f(&C::informazioni_Click)},
        }},
    };
    const std::vector<Comando> barra = {
        {"", {}, 10, QStringLiteral("singolo titolo"), [this] { graficotitolo(); }, true, {}, QStringLiteral(":grafico1")},
        {"", {}, 15, QStringLiteral("quotazioni periodiche della serie di titoli"), [this] { graficoserie(); }, true, {},
         QStringLiteral(":grafico10")},
        {"", {}, 20, QStringLiteral("controllo dati immessi"), [this] {
            mostra(avviso(QStringLiteral("La funzione non è attiva nella finestra visualizzata: non è prevista alcuna "
                                         "immissione di dati."),
                          Icona::Informativa));
        }},
        {"", {}, 21, QStringLiteral("cancella dati finestra"), [this] {
            // What the delete dialog does for "all the data", then the chart goes.
            m_modulo.azioni.svuota();
            MSChart1->griglia().impostavisibile(false);
            MSChart1->aggiorna();
        }},
    };
    Toolbar1 = costruiscicomandi(this, menu, barra, pulsante);
    voceangolo(this, "finestra5", QStringLiteral("Fi&nestra  n.6 di 7"), [this] { finestra5_Click(); });
}


// ---- Messages and drawing --------------------------------------------------------------

void grafici::mostra(const Messaggio& m)
{
    if (!m_silenzio)
        FinestraVelno::mostra(m);
}

void grafici::esito(const std::optional<Messaggio>& m)
{
    if (m)
        mostra(*m);
    // The bar stands at the first column charted, however the chart got there.
    if (HScroll1->value() != m_regole->primacolonna && !m_incorrezione) {
        const QSignalBlocker fermo(HScroll1);
        HScroll1->setValue(std::clamp(m_regole->primacolonna, HScroll1->minimum(), HScroll1->maximum()));
    }
    if (!m_rinvio)
        MSChart1->aggiorna();
}

void grafici::graficoserie() { esito(m_regole->graficoserie()); }
void grafici::graficotitolo() { esito(m_regole->graficotitolo()); }

void grafici::tipografico(TipoGrafico tipo)
{
    GrigliaGrafico& g = MSChart1->griglia();
    g.impostatipo(tipo);
    g.impostatitolo(titolografico(tipo));
    if (m_regole->modografico == 1)
        graficotitolo();
    else
        graficoserie();
}

void grafici::cmdbarre_Click() { tipografico(TipoGrafico::Barre); }
void grafici::cmdtorta_Click() { tipografico(TipoGrafico::Torta); }
void grafici::cmdlinee_Click() { tipografico(TipoGrafico::Linee); }
void grafici::cmd3darea_Click() { tipografico(TipoGrafico::Area3D); }
void grafici::cmdlinee3d_Click() { tipografico(TipoGrafico::Linee3D); }
void grafici::cmdbarre3d_Click() { tipografico(TipoGrafico::Barre3D); }
void grafici::cmd3dstep_Click() { tipografico(TipoGrafico::Passo3D); }

// ---- Paging ----------------------------------------------------------------------------

void grafici::azioneprima_click() { esito(m_regole->azioneprima_click()); }
void grafici::azionedopo_click() { esito(m_regole->azionedopo_click()); }
void grafici::quotazsinistra_click() { esito(m_regole->quotazsinistra_click()); }
void grafici::quotazdestra_click() { esito(m_regole->quotazdestra_click()); }

void grafici::HScroll1_Change()
{
    const RegoleGrafici::Scorrimento s = m_regole->HScroll1_Change(HScroll1->value(), m_incorrezione);
    // A message box takes the mouse: the bar would never see the button go up and would
    // keep stepping (and asking) on its own. It is told the button is up.
    if (!s.messaggi.empty()) {
        QMouseEvent su(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(HScroll1, &su);
    }
    for (const Messaggio& m : s.messaggi)
        mostra(m);
    if (s.correzione) {
        // The bar goes back; its change draws the chart from there.
        const QScopedValueRollback correzione(m_incorrezione, true);
        HScroll1->setValue(*s.correzione);
    }
    MSChart1->aggiorna();
}

void grafici::dopoapertura()
{
    // Another archive: its charts start again at its first holding.
    m_regole->primotitolo = 1;
    m_regole->titolocorrente = 0;
    const QScopedValueRollback silenzio(m_silenzio, true);
    {
        // Both moves are drawn once, at their end: building a chart is most of an open's time.
        const QScopedValueRollback rinvio(m_rinvio, true);
        cmdlinee_Click();
        quotazdestra_click();
    }
    // Hidden, the window draws when it is shown.
    if (isVisible())
        MSChart1->aggiorna();
}

void grafici::showEvent(QShowEvent* e)
{
    // What the Azioni window changed since the last draw shows at once, in the same chart.
    m_regole->ridisegna();
    MSChart1->aggiorna();
    QMainWindow::showEvent(e);
}

// ---- Print, colour, help ---------------------------------------------------------------

QString grafici::percorsoimmagine() const { return m_modulo.percorsoutente(QStringLiteral("graficoAzioni.png")); }

void grafici::stampa_Click()
{
    if (m_modulo.azioni.tabelle().numerotitoli <= 0) {
        mostra(Messaggio{QStringLiteral("Non ci sono azioni da visualizzare."), m_modulo.titoloaiuto, Icona::Critica});
        return;
    }
    const QString file = percorsoimmagine();
    QString errore;
    if (!salvaimmaginegrafico(MSChart1->immagine(dimensionestampa), file, &errore)) {
        mostra(Messaggio{QStringLiteral("Impossibile salvare l'immagine del grafico nel file \"%1\": %2. Il grafico non è stato stampato.")
                             .arg(file, errore),
                         m_modulo.titoloaiuto, Icona::Critica});
        return;
    }
    const auto documento = m_finestre.elaboratore();
    stampagrafico(*documento, file);
}

void grafici::Command1_Click() { mostraaiuto(QStringLiteral("Velno: aiuto (grafici).")); }

// ---- Other windows and files -----------------------------------------------------------

void grafici::Command2_Click() { guida_Click(); }
void grafici::Command3_Click() { fin1_Click(); }
void grafici::Command4_Click() { m_finestre.confermauscita(); }


void grafici::fin3_Click() { m_finestre.mostra(Finestra::Bilancio); }

void grafici::fin4_Click()
{
    mostra(avviso(QStringLiteral("E' questa la finestra Grafici."), Icona::Esclamativa));
}

void grafici::sugger_Click() { m_finestre.mostra(Finestra::Suggerimenti); }
void grafici::supporto_Click() {}
void grafici::finestra5_Click() { m_finestre.mostra(Finestra::GuidaGrafici); }

