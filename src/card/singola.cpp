#include "card/singola.h"
#include "card/scheda.h"
#include "card/stampascheda.h"
#include "portfolio/portfolio.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shell/comandi.h"
#include "shell/casellatesto.h"
#include "shell/finestre.h"
#include "shell/immagini.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

// Design of the inner area in twips (15 twips = 1 pixel); the window is 9600 x 6825.
constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 5895;

// Rows of the figures, in design pixels.
constexpr int xvoce = 8, lvoce = 128, xvalore = 140, lvalore = 96, altriga = 18;

QLabel* etichetta(QWidget* area, const QString& nomeoggetto, const QString& testo, int x, int y, int l, int a,
                  Qt::Alignment allinea = Qt::AlignLeft | Qt::AlignVCenter)
{
    return ::etichetta(area, nomeoggetto, testo, QRect(x, y, l, a), allinea);
}

// A figure of the card, that the user reads (and may copy) but cannot edit.
QLabel* figura(QWidget* area, const char* nomeoggetto, int x, int y, int l)
{
    QLabel* e = riquadro(area, QString::fromLatin1(nomeoggetto), QRect(x, y, l, altriga));
    e->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return e;
}

// A message box opened while an arrow of a scroll bar is held takes the button's release:
// the bar would go on stepping, and asking again, behind the box. Released first, it stops.
void rilascia(QScrollBar* barra)
{
    QMouseEvent rilascio(QEvent::MouseButtonRelease, QPointF(), barra->mapToGlobal(QPointF()), Qt::LeftButton,
                         Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(barra, &rilascio);
}

} // namespace

singola::singola(Finestre& finestre)
    : FinestraVelno(finestre, "singola", QStringLiteral("Velno: scheda del singolo titolo"))
{
    costruiscicontrolli();
    costruiscimenu();
    vocistoria(this, "modifica", m_modulo.azioni);
    adatta(QSize(larghezzaprogetto / clsResize::twip, 6825 / clsResize::twip));
    svuota();
    // The card follows the Portfolio: another archive shows its first holding, a clear
    // empties the card, and a sort or a deletion finds the card's holding where it went.
    DocumentoAzioni& d = m_modulo.azioni;
    connect(&d, &DocumentoAzioni::sostituito, this, &singola::ridisegna);
    connect(&d, &DocumentoAzioni::svuotato, this, &singola::svuota);
    connect(&d, &DocumentoAzioni::titolispostati, this, &singola::segui);
    connect(&d, &DocumentoAzioni::ripristinato, this, [this] {
        if (m_titolo)
            segui();
        else
            ridisegna();
    });
}

singola::~singola() = default;

const Portfolio& singola::p() const { return m_modulo.azioni.tabelle(); }

void singola::costruiscicontrolli()
{
    QWidget* a = area(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));

    // The holding: number and name, on green (red for a loss), with the bar that moves
    // between holdings beside them.
    Label1 = etichetta(a, QStringLiteral("Label1"), QString(), xvoce, 6, 44, 24, Qt::AlignCenter);
    lbl[1] = etichetta(a, QStringLiteral("lbl_1"), QString(), 56, 6, 250, 24, Qt::AlignCenter);
    lbl[1]->setToolTip(QStringLiteral("nome del titolo (come è stato archiviato)"));
    for (QLabel* l : {Label1, lbl[1]}) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(10);
        l->setFont(f);
        l->setAutoFillBackground(true);
    }
    VScroll1 = barra(a, QStringLiteral("VScroll1"), Qt::Vertical, 1, 100, 10, QRect(312, 4, 16, 92),
                     [this] { VScroll1_Change(); });
    // A value is taken when the thumb is let go, not at every step of a drag.
    VScroll1->setTracking(false);
    VScroll1->setToolTip(QStringLiteral("titolo precedente o successivo"));

    moneta = etichetta(a, QStringLiteral("moneta"), QStringLiteral("moneta di riferimento: EURO"), xvoce, 100, 300, altriga);
    moneta->setToolTip(QStringLiteral("tipo di moneta usato nei valori visualizzati (in automatico in base alla data)"));

    // The quotation column and the bar that moves between columns.
    etichetta(a, QStringLiteral("Label2"), QStringLiteral("data della quotazione"), xvoce, 124, lvoce, altriga);
    lbl2 = figura(a, "lbl2", xvalore, 124, lvalore);
    lbl2->setAlignment(Qt::AlignCenter);
    lbl2->setToolTip(QStringLiteral("data di riferimento dei dati sottostanti"));
    HScroll1 = barra(a, QStringLiteral("HScroll1"), Qt::Horizontal, 1, 300, 10, QRect(xvalore + lvalore + 6, 125, 84, 16),
                     [this] { HScroll1_Change(); });
    HScroll1->setTracking(false);
    HScroll1->setToolTip(QStringLiteral("quotazione precedente o successiva"));

    // The purchase, then the figures at the column: caption lbl[indice] and its figure.
    const struct {
        int indice;
        const char* testo;
        QLabel** valore;
        const char* nome;
        int y;
        const char* suggerimento;
    } cifre[] = {
        {8, "data d'acquisto", &datacq, "datacq", 36, nullptr},
        {7, "quantità", &quant, "quant", 56, nullptr},
        {6, "prezzo d'acquisto", &prez, "prez", 76, nullptr},
        {5, "quotazione aggiornata", &agg, "agg", 146, "quotazione registrata alla data visualizzata"},
        {2, "totale valore investito", &valin, "valin", 168, nullptr},
        {3, "totale valore attuale", &tot, "tot", 188, nullptr},
        {4, "saldo corrente", &corr, "corr", 208, nullptr},
        {9, "guadagno in %", &guad, "guad", 228, nullptr},
    };
    for (const auto& r : cifre) {
        lbl[std::size_t(r.indice)] = etichetta(a, QStringLiteral("lbl_%1").arg(r.indice), QString::fromUtf8(r.testo),
                                                xvoce, r.y, lvoce, altriga);
        *r.valore = figura(a, r.nome, xvalore, r.y, lvalore);
        if (r.suggerimento)
            (*r.valore)->setToolTip(QString::fromUtf8(r.suggerimento));
    }

    // Best and worst quotation, each with its date.
    etichetta(a, QStringLiteral("Label4"), QStringLiteral("quotazione migliore"), xvoce, 254, lvoce, altriga);
    migliore = figura(a, "migliore", xvalore, 254, lvalore);
    mdata = figura(a, "mdata", xvalore + lvalore + 6, 254, 84);
    mdata->setAlignment(Qt::AlignCenter);
    etichetta(a, QStringLiteral("Label5"), QStringLiteral("quotazione peggiore"), xvoce, 274, lvoce, altriga);
    peggiore = figura(a, "peggiore", xvalore, 274, lvalore);
    pdata = figura(a, "pdata", xvalore + lvalore + 6, 274, 84);
    pdata->setAlignment(Qt::AlignCenter);

    attenz = etichetta(a, QStringLiteral("attenz"),
                       QStringLiteral("ATTENZIONE: alla data della presente quotazione il titolo non era ancora posseduto!"),
                       xvoce, 300, 500, altriga);
    {
        QFont f = attenz->font();
        f.setBold(true);
        attenz->setFont(f);
        QPalette pal = attenz->palette();
        pal.setColor(QPalette::WindowText, QColor(192, 0, 0));
        attenz->setPalette(pal);
    }
    attenz->hide();

    // What the user keeps per holding.
    const int xdx = 344, ldx = 288;
    etichetta(a, QStringLiteral("Label14"), QStringLiteral(" APPUNTI SUL TITOLO:"), xdx, 6, 200, altriga);
    text1 = new CasellaTesto(a);
    text1->setObjectName(QStringLiteral("text1"));
    text1->setGeometry(xdx, 26, ldx, 148);
    connect(text1, &QPlainTextEdit::textChanged, this, &singola::Text1_Change);
    connect(text1, &CasellaTesto::troppolungo, this,
            [this] { mostra(avviso(CasellaTesto::testotroppolungo(), Icona::Esclamativa)); });

    etichetta(a, QStringLiteral("Label6"), QStringLiteral("Data stacco dividendo:"), xdx, 184, 140, 20);
    stac = casella(a, QStringLiteral("stac"), QRect(xdx + 150, 184, 90, 20), [this] { stac_Change(); });
    etichetta(a, QStringLiteral("Label7"), QStringLiteral("Ultimo dividendo pagato:"), xdx, 208, 140, 20);
    divid = casella(a, QStringLiteral("divid"), QRect(xdx + 150, 208, 90, 20), [this] { divid_Change(); });
    etichetta(a, QStringLiteral("Label3"), QStringLiteral("% su quotaz."), xdx, 232, 140, altriga);
    perquot = figura(a, "perquot", xdx + 150, 232, 90);

    Image1 = new Immagine(Immagine::Tipo::Graduatoria, true, a);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("cliccare per visualizzare la finestra 'Graduatoria' degli incrementi periodici"));
    Image1->setGeometry(xdx + ldx - 36, 254, 36, 36);
    connect(Image1, &Immagine::clic, this, &singola::image1_click);

    const auto f = gestoridi(this);
    auto riga = [](int x, int l) { return QRect(x, 352, l, 26); };
    bottone(a, QStringLiteral("Command5"), QStringLiteral("finestra A&zioni"), riga(xvoce, 110), {},
            f(&singola::Command5_Click));
    bottone(a, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), riga(124, 64), {}, f(&singola::aiuto_Click));
    bottone(a, QStringLiteral("Command1"), QStringLiteral("&Guida in linea"), riga(194, 100), {},
            f(&singola::Command1_Click));
    esci = bottone(a, QStringLiteral("esci"), QStringLiteral("US&CITA"), riga(xdx + ldx - 72, 72), {}, f(&singola::usci_Click));
}

void singola::costruiscimenu()
{
    const auto f = gestoridi(this);
    using C = singola;
    const std::vector<MenuComandi> menu = {
        menufile({.apri = f(&C::apri_Click), .salva = f(&C::salva_Click), .salvanome = f(&C::salvanome_Click),
                   .elimina = f(&C::eliminare_click),
                   .stampa = {"hardcopy", QStringLiteral("&Stampa"), 0, {}, f(&C::hardcopy_Click)},
                   .esci = {"usci", QStringLiteral("&Esci"), 0, {}, f(&C::usci_Click)},}),
        {"modifica", QStringLiteral("&Modifica"), {
            {"colorare", QStringLiteral("&Colore di sfondo"), 16, QStringLiteral("colore di sfondo"), f(&C::colorare_Click)},
            separatore(),
            {"controllodati", QStringLiteral("Controllo &dati immessi"), 20, QStringLiteral("controllo dati immessi"),
             f(&C::controllodati_Click)},
            {"cancelladati", QStringLiteral("C&ancella dati finestra"), 21, QStringLiteral("cancella dati finestra"),
             f(&C::cancelladati_Click)},
        }},
        {"visualizza", QStringLiteral("&Visualizza"), {
            {"fin1", QStringLiteral("Finestra Azioni"), 6, QStringLiteral("visualizza finestra Azioni"), f(&C::fin1_Click)},
            {"fin2", QStringLiteral("Finestra Schede"), 7, QStringLiteral("visualizza finestra Schede"), f(&C::fin2_Click)},
            {"fin4", QStringLiteral("Finestra Bilancio"), 8, QStringLiteral("visualizza finestra Bilancio"), f(&C::fin4_Click)},
            {"fin5", QStringLiteral("Finestra Grafici"), 9, QStringLiteral("visualizza finestra Grafici"), f(&C::fin5_Click)},
        }},
        {"help", QStringLiteral("&?"), {
            {"guida", QStringLiteral("&Guida in linea"), 17, QStringLiteral("guida in linea"), f(&C::guida_Click)},
            {"sugg", QStringLiteral("&Suggerimenti..."), 0, {}, f(&C::sugg_Click)},
            separatore(),
            {"inform", QStringLiteral("&Informazioni su Velno"), 19, QStringLiteral("informazioni su Velno"), f(&C::inform_Click)},
        }},
    };
    // 10 and 15 are separators that keep their indices; 18, product support, has no window.
    auto passo = [](QScrollBar* b, int d) { return [b, d] { b->setValue(b->value() + d); }; };
    const std::vector<Comando> barra = {
        {"", {}, 11, QStringLiteral("visualizza titolo precedente"), passo(VScroll1, -1)},
        {"", {}, 12, QStringLiteral("visualizza titolo successivo"), passo(VScroll1, 1)},
        {"", {}, 13, QStringLiteral("visualizza quotazione precedente"), passo(HScroll1, -1)},
        {"", {}, 14, QStringLiteral("visualizza quotazione successiva"), passo(HScroll1, 1)},
        {"", {}, 18, QStringLiteral("supporto prodotto")},
    };
    Toolbar1 = costruiscicomandi(this, menu, barra, pulsante);
    voceangolo(this, "fin", QStringLiteral("Fi&nestra n.2 di 7"), [this] { fin_Click(); });
    scorciatoiedimenu(this);
}


// ---- Filling ---------------------------------------------------------------------------

void singola::controllovuoto()
{
    attenz->hide();
    if (titolischeda(p()) == 0) {
        svuota();
        mostra(avviso(QStringLiteral("Non ci sono titoli da visualizzare: tornare alla finestra Azioni o aprire un file con i dati."),
                      Icona::Critica));
        saltascroll = 1;
    }
}

void singola::primaquotazione()
{
    bool mancante = false;
    colonnascheda = ::primaquotazione(p(), titoloscheda, colonnascheda, &mancante);
    if (mancante)
        quotazionemancante = 1;
}

void singola::colori(bool perdita)
{
    for (QLabel* l : {Label1, lbl[1]}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, perdita ? QColor(255, 0, 0) : QColor(0, 128, 0));
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
    }
}

void singola::riempischeda()
{
    const int h = titoloscheda;
    m_titolo = Portfolio::titolovalido(h) ? h : 0;
    m_identita = m_titolo ? p().identita[std::size_t(m_titolo)] : 0;
    const FigureScheda f = ::riempischeda(p(), h, colonnascheda);
    if (f.mancante)
        quotazionemancante = 1;
    if (f.colonna >= 1)
        colonnascheda = f.colonna;
    {
        // The bar shows the column on screen; moving it is for the user.
        const QSignalBlocker blocco(HScroll1);
        HScroll1->setValue(colonnascheda);
    }

    moneta->setText(f.moneta);
    attenz->setVisible(f.attenzione);
    Label1->setText(f.numero);
    lbl[1]->setText(f.nome);
    lbl2->setText(f.data);
    datacq->setText(f.datacq);
    quant->setText(f.quant);
    prez->setText(f.prez);
    agg->setText(f.agg);
    valin->setText(f.valin);
    tot->setText(f.tot);
    corr->setText(f.corr);
    guad->setText(f.guad);
    migliore->setText(f.estremi.migliore);
    mdata->setText(f.estremi.mdata);
    peggiore->setText(f.estremi.peggiore);
    pdata->setText(f.estremi.pdata);
    colori(f.negativa);

    {
        // The boxes show what the tables hold: nothing is written back while they fill.
        const QScopedValueRollback riempimento(m_riempimento, true);
        for (QWidget* w : {static_cast<QWidget*>(text1), static_cast<QWidget*>(stac), static_cast<QWidget*>(divid)})
            w->setEnabled(true);
        text1->aggiornatesto(f.note);
        if (stac->text() != f.stacco)
            stac->setText(f.stacco);
        if (divid->text() != f.dividendo)
            divid->setText(f.dividendo);
    }
    perquot->setText(testopercentualedividendo(p(), h, divid->text(), lbl2->text()));
}

void singola::svuota()
{
    m_titolo = 0;
    for (QLabel* l : {Label1, lbl[1], datacq, quant, prez, lbl2, agg, valin, tot, corr, guad, migliore, mdata,
                      peggiore, pdata, perquot})
        l->clear();
    attenz->hide();
    for (QLabel* l : {Label1, lbl[1]}) {
        l->setPalette(QPalette());
        l->setAutoFillBackground(true);
    }
    const QScopedValueRollback riempimento(m_riempimento, true);
    text1->clear();
    stac->clear();
    divid->clear();
    // With no holding on the card, what is typed here would belong to none.
    for (QWidget* w : {static_cast<QWidget*>(text1), static_cast<QWidget*>(stac), static_cast<QWidget*>(divid)})
        w->setEnabled(false);
}

void singola::portatitolo(int n)
{
    {
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setValue(n);
    }
    VScroll1_Change();
}

void singola::rileggi()
{
    if (m_titolo == 0)
        return;   // an empty card stays empty until a holding is asked for
    const int ultimo = titolischeda(p());
    if (ultimo == 0) {
        svuota();
        return;
    }
    if (m_titolo > ultimo) {
        portatitolo(ultimo);
        return;
    }
    titoloscheda = m_titolo;
    colonnascheda = HScroll1->value();
    riempischeda();
}

void singola::segui()
{
    // Deleted, its row holds the next holding now: rileggi() shows what is there.
    if (const int n = m_identita ? p().titolocon(m_identita) : 0; n && n != m_titolo) {
        m_titolo = n;
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setValue(n);
    }
    rileggi();
}

void singola::apridainizio()
{
    if (titolischeda(p()) >= 1) {
        titoloscheda = 1;
        colonnascheda = 1;
        {
            // The holding's fill picks its first column on or after the purchase.
            const QSignalBlocker blocco(HScroll1);
            HScroll1->setValue(1);
        }
        portatitolo(1);
    } else {
        svuota();
    }
}

void singola::ridisegna()
{
    if (titolischeda(p()) >= 1)
        portatitolo(1);
    else
        svuota();
}

// ---- Scroll bars -----------------------------------------------------------------------

void singola::VScroll1_Change()
{
    controllovuoto();
    if (saltascroll == 1) {
        saltascroll = 0;
        return;
    }
    colonnascheda = 1;
    const int ultimo = titolischeda(p());
    if (VScroll1->value() > ultimo) {
        VScroll1->setValue(ultimo);   // shows that holding through this handler
        mostra(avviso(QStringLiteral("E' l'ultimo titolo disponibile o di cui esistono dati da visualizzare."),
                      Icona::Informativa));
        return;
    }
    titoloscheda = VScroll1->value();
    primaquotazione();
    riempischeda();
}

void singola::HScroll1_Change()
{
    if (titolischeda(p()) == 0) {
        {
            const QSignalBlocker blocco(HScroll1);
            HScroll1->setValue(1);
        }
        controllovuoto();
        saltascroll = 0;
        return;
    }
    controllovuoto();
    if (saltascroll == 1) {
        saltascroll = 0;
        return;
    }
    if (m_titolo >= 1)
        titoloscheda = m_titolo;
    const int v = HScroll1->value();
    colonnascheda = v;
    if (!p().datequotazioni[v].isEmpty()) {
        riempischeda();
        return;
    }
    const int c = ultimacolonnadatata(p(), v);
    if (c == 0) {
        // No column is dated yet: the card shows the holding without a quotation.
        colonnascheda = 1;
        riempischeda();
        return;
    }
    HScroll1->setValue(c);   // fills the card through this handler
    divid_Change();
    mostra(avviso(QStringLiteral("E' l'ultima quotazione disponibile."), Icona::Informativa));
}

// ---- The three fields ----------------------------------------------------------------

// What is typed on the card belongs to its holding, through the Portfolio's document: the
// change is unsaved and the recovery copy follows it.
void singola::campo_Change(DocumentoAzioni::Campo campo, const QString& testo)
{
    if (!m_riempimento && m_titolo != 0)
        m_modulo.azioni.imposta(campo, m_titolo, testo);
}

void singola::Text1_Change() { campo_Change(DocumentoAzioni::Campo::Note, text1->toPlainText()); }
void singola::stac_Change() { campo_Change(DocumentoAzioni::Campo::DataStacco, stac->text()); }

void singola::divid_Change()
{
    if (m_riempimento)
        return;
    if (m_titolo == 0) {
        perquot->clear();
        return;
    }
    campo_Change(DocumentoAzioni::Campo::Dividendo, divid->text());
    perquot->setText(testopercentualedividendo(p(), m_titolo, divid->text(), lbl2->text()));
}

void singola::cancelladati_Click()
{
    if (m_titolo == 0)
        return;   // no holding on the card
    m_modulo.azioni.svuotascheda(m_titolo);
    rileggi();
}

void singola::controllodati_Click()
{
    mostra(avviso(QStringLiteral("Gli unici dati da controllare riguardano il testo degli appunti, la data dello stacco "
                                 "dei dividendi e l'ultimo importo pagato per ogni azione: tutto ciò che viene scritto "
                                 "sarà archiviato insieme a tutte le azioni."),
                  Icona::Informativa));
}

// ---- Print and other commands --------------------------------------------------------

void singola::hardcopy_Click()
{
    StampaScheda s;
    s.nomeprogramma = m_modulo.nomeprogramma;
    s.descrizione = m_modulo.descrizione;
    s.nome = lbl[1]->text();
    s.moneta = moneta->text();
    const QString valori[] = {datacq->text(), quant->text(), prez->text(),  lbl2->text(),
                              agg->text(),    valin->text(), tot->text(),   corr->text(),
                              guad->text(),   stac->text(),  divid->text(), perquot->text()};
    for (int r = 2; r <= 13; ++r)
        s.valori[std::size_t(r)] = valori[r - 2];
    s.note = text1->toPlainText();
    const auto documento = m_finestre.elaboratore();
    stampascheda(*documento, s);
}




void singola::usci_Click() { m_finestre.confermauscita(); }

void singola::fin2_Click()
{
    mostra(avviso(QStringLiteral("E' questa la finestra Schede."), Icona::Esclamativa));
}

void singola::fin4_Click() { m_finestre.mostra(Finestra::Bilancio); }
void singola::sugg_Click() { m_finestre.mostra(Finestra::Suggerimenti); }
void singola::fin_Click() { m_finestre.mostra(Finestra::GuidaScheda); }

// ---- Furniture -----------------------------------------------------------------------

void singola::mostra(const Messaggio& m)
{
    rilascia(VScroll1);
    rilascia(HScroll1);
    FinestraVelno::mostra(m);
}

void singola::changeEvent(QEvent* e)
{
    // The user comes back to the card: what it shows, and where its three boxes write, is
    // the holding now under its number, whatever the Azioni window did to the rows meanwhile.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        rileggi();
    QMainWindow::changeEvent(e);
}

