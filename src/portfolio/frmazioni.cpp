#include "portfolio/frmazioni.h"
#include "card/scheda.h"
#include "portfolio/controllo.h"
#include "documenti/importazione.h"
#include "portfolio/portfolio.h"
#include "portfolio/stampaazioni.h"
#include "shared/documento.h"
#include "portfolio/totali.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"
#include "shared/date.h"
#include "shell/finestre.h"
#include "shell/archiviazione.h"
#include "shell/comandi.h"
#include "shell/casellagriglia.h"
#include "shell/casellatesto.h"
#include "shell/immagini.h"
#include "documenti/ripristino.h"

#include <QAction>
#include <QCloseEvent>
#include <QSignalBlocker>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

namespace {

// Design of the inner area in twips (15 twips = 1 pixel).
constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 5895;

QLabel* etichetta(QWidget* area, const char* nomeoggetto, const QString& testo, int x, int y, int l, int a,
                  Qt::Alignment allinea = Qt::AlignLeft | Qt::AlignVCenter)
{
    return ::etichetta(area, QString::fromLatin1(nomeoggetto), testo, QRect(x, y, l, a), allinea);
}

// Column positions of the grid, in design pixels.
constexpr int xcmd = 4, lcmd = 26;
constexpr int xnome = 32, lnome = 122;
constexpr int xna = 156, lna = 48;
constexpr int xprezzo = 206, lprezzo = 52;
constexpr int xdata = 260, ldata = 54;
constexpr int xvalore = 320, lvalore = 54, passovalore = 56;
constexpr int yriga = 42, altriga = 20, passoriga = 21;

} // namespace

frmAzioni::frmAzioni(Finestre& finestre) : FinestraVelno(finestre, "frmAzioni", QStringLiteral("Velno: dati sui titoli"))
{
    costruiscicontrolli();
    costruiscimenu();
    vocistoria(this, "modif", m_modulo.azioni);
    adatta(QSize(larghezzaprogetto / clsResize::twip, 6825 / clsResize::twip));

    primotitolo = primacolonna = 1;
    m_modulo.impostatitoli();
    connect(this, &frmAzioni::aprigrafici, this, &frmAzioni::fin5_Click);
    // The grid follows the Portfolio, whoever changes it; what this window's own handlers
    // change they redraw themselves, as each one needs.
    DocumentoAzioni& d = m_modulo.azioni;
    connect(&d, &DocumentoAzioni::sostituito, this, &frmAzioni::mostratabelle);
    connect(&d, &DocumentoAzioni::svuotato, this, &frmAzioni::azzeravisualizzazione);
    connect(&d, &DocumentoAzioni::titolispostati, this, &frmAzioni::aggiornatitoli);
    connect(&d, &DocumentoAzioni::colonnecambiate, this, [this] {
        if (!m_propria)
            aggiornaquotazioni();
    });
    // An undo or a redo: the grid where it is, the notes, the totals, all from the tables.
    connect(&d, &DocumentoAzioni::ripristinato, this, [this] {
        strategia->aggiornatesto(p().strategia);
        aggiornatitoli();
    });
    // The Portfolio outlives the window (loaded again after the exit's closing screen): the
    // grid shows what it holds.
    if (!p().vuoto())
        mostratabelle();
}

frmAzioni::~frmAzioni() = default;

Portfolio& frmAzioni::p() { return m_modulo.azioni.dati(); }

void frmAzioni::costruiscicontrolli()
{
    QWidget* a = area(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));
    // The mouse over the area, off the pictures, brings back their idle forms.
    a->setMouseTracking(true);
    a->installEventFilter(this);

    // Headings
    etichetta(a, "nomeazioni", QStringLiteral("nomi delle azioni"), xnome, 20, lnome, 18);
    etichetta(a, "numeroambiente", QStringLiteral(" n."), xcmd, 20, lcmd, 18);
    etichetta(a, "prezz", QStringLiteral("quantità"), xna, 20, lna, 18);
    etichetta(a, "Label4", QStringLiteral("prezzo"), xprezzo, 20, lprezzo, 18);
    etichetta(a, "Label1", QStringLiteral("data"), xdata, 4, ldata, 16)
        ->setToolTip(QStringLiteral("data dell'acquisto nella forma gg/mm/aa"));
    etichetta(a, "Label6", QStringLiteral("acquisto"), xdata, 20, ldata, 18);
    etichetta(a, "Label3", QStringLiteral("Quotazioni titoli"), xvalore, 2, 120, 16);
    Label2 = etichetta(a, "Label2", QString(), xvalore + 124, 2, 160, 16);

    for (int j = 1; j <= 5; ++j) {
        auto* g = new CasellaGriglia(a);
        // A row of dates copied from a spreadsheet fills the columns along the row.
        g->multiplo = [](const QString& t) { return campiincollati(t).size() > 1; };
        g->incollamultiplo = [this, j](const QString& t) { return incolladate_Grid(j, t); };
        g->setObjectName(QStringLiteral("giorno_%1").arg(j));
        g->setToolTip(QStringLiteral("data delle quotazioni sottoriportate"));
        g->setGeometry(xvalore + (j - 1) * passovalore, 20, lvalore, altriga);
        giorno[j] = g;
        connect(g, &QLineEdit::textChanged, this, [this, j] { giorno_Change(j); });
    }

    for (int i = 1; i <= 10; ++i) {
        const int y = yriga + (i - 1) * passoriga;
        auto* c = new QPushButton(QString::number(i), a);
        c->setObjectName(QStringLiteral("cmdazione_%1").arg(i));
        c->setToolTip(QStringLiteral("cliccare per visualizzare i guadagni del singolo titolo"));
        c->setGeometry(xcmd, y, lcmd, altriga);
        cmdazione[i] = c;
        connect(c, &QPushButton::clicked, this, [this, i] { cmdazione_Click(i); });

        QComboBox* n = elenco(a, QStringLiteral("nome_%1").arg(i), QRect(xnome, y, lnome, altriga));
        n->addItems(nomimib30());
        n->setCurrentIndex(-1);
        n->setEditText(QString());
        n->setToolTip(QStringLiteral("cliccare sulla freccia per visualizzare la lista delle azioni del MIB30"));
        nome[i] = n;
        connect(n, &QComboBox::editTextChanged, this, [this, i] { nome_Change(i); });

        auto nome = [i](const char* base) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i); };
        na[i] = casella(a, nome("na"), QRect(xna, y, lna, altriga), [this, i] { na_Change(i); });
        prezzo[i] = casella(a, nome("prezzo"), QRect(xprezzo, y, lprezzo, altriga), [this, i] { prezzo_Change(i); });
        dataacquisto[i] = casella(a, nome("dataacquisto"), QRect(xdata, y, ldata, altriga),
                                  [this, i] { dataacquisto_Change(i); });
        for (int K = 1; K <= 5; ++K) {
            auto* v = new CasellaGriglia(a);
            v->setObjectName(QStringLiteral("valore%1_%2").arg(K).arg(i));
            v->setGeometry(xvalore + (K - 1) * passovalore, y, lvalore, altriga);
            // A column copied from a spreadsheet or a web page fills the holdings downwards.
            v->multiplo = [](const QString& t) { return righeincollate(t).size() > 1; };
            v->incollamultiplo = [this, K, i](const QString& t) { return incollaquotazioni_Grid(K, i, t); };
            valore[K][i] = v;
            connect(valore[K][i], &QLineEdit::textChanged, this, [this, K, i] { valore_Change(K, i); });
        }
    }

    VScroll1 = barra(a, QStringLiteral("VScroll1"), Qt::Vertical, 1, 91, 10,
                     QRect(xvalore + 5 * passovalore - 2, yriga, 16, 10 * passoriga - 1), [this] { VScroll1_Change(); });
    const int ybasso = yriga + 10 * passoriga + 2;   // 254
    HScroll1 = barra(a, QStringLiteral("HScroll1"), Qt::Horizontal, 1, 296, 5,
                     QRect(xvalore, ybasso, 5 * passovalore - 2, 14), [this] { HScroll1_Change(); });

    ProgressBar1 = new QProgressBar(a);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(xcmd, ybasso, xdata + ldata - xcmd, 14);
    ProgressBar1->hide();

    const int ysaldo = ybasso + 18;   // 272
    for (int K = 1; K <= 5; ++K) {
        saldo[K] = bottone(a, QStringLiteral("saldo_%1").arg(K), QStringLiteral("saldo n.%1").arg(K),
                           QRect(xvalore + (K - 1) * passovalore, ysaldo, lvalore, altriga),
                           QStringLiteral("cliccare per avere il resoconto virtuale alla data soprariportata"),
                           [this, K] { saldo_Click(K); });

        auto* g = new QLabel(a);
        g->setObjectName(QStringLiteral("guadagno_%1").arg(K));
        g->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->setAutoFillBackground(true);
        g->setGeometry(xvalore + (K - 1) * passovalore, ysaldo + 24, lvalore, 18);
        g->hide();
        guadagno[K] = g;
    }

    const int lsx = 226, xval = 232, lval = 82;
    totale = etichetta(a, "totale", QStringLiteral("totale costo iniziale azioni.............euro"), xcmd, ysaldo, lsx, 18);
    totaleiniziale = etichetta(a, "totaleiniziale", QString(), xval, ysaldo, lval, 18, Qt::AlignRight | Qt::AlignVCenter);
    totaleiniziale->setToolTip(QStringLiteral("totale in automatico durante l'immissione dati"));
    Label5 = etichetta(a, "Label5", QStringLiteral("guadagni o perdite virtuali totali....euro"), xcmd + 60, ysaldo + 24, 250, 18,
                       Qt::AlignRight | Qt::AlignVCenter);
    Label5->setToolTip(QStringLiteral("considerate computando i soli titoli posseduti alla data del saldo richiesto"));
    totaleal = etichetta(a, "totaleal", QStringLiteral("quotazioni al"), xcmd, ysaldo + 46, lsx, 18);
    totaledatato = etichetta(a, "totaledatato", QString(), xval, ysaldo + 46, lval, 18, Qt::AlignRight | Qt::AlignVCenter);
    totinvestito = etichetta(a, "totinvestito", QStringLiteral("investimento al"), xcmd, ysaldo + 66, lsx, 18);
    totalecorrente = etichetta(a, "totalecorrente", QString(), xval, ysaldo + 66, lval, 18, Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* t : {totaleiniziale, totaledatato, totalecorrente}) {
        t->setFrameShape(QFrame::Panel);
        t->setFrameShadow(QFrame::Sunken);
    }

    const int ybottoni = ysaldo + 92;   // 364
    const auto f = gestoridi(this);
    auto riga = [ybottoni](int x, int l) { return QRect(x, ybottoni, l, 24); };
    bottone(a, QStringLiteral("avanti"), QStringLiteral("finestra Graf&ici"), riga(xcmd, 96), {},
            f(&frmAzioni::avanti_Click));
    bottone(a, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), riga(104, 56), {}, f(&frmAzioni::aiuto_Click));
    bottone(a, QStringLiteral("Command1"), QStringLiteral("&Guida in linea"), riga(164, 90), {},
            f(&frmAzioni::Command1_Click));
    bottone(a, QStringLiteral("cmdesci"), QStringLiteral("US&CITA"), riga(258, 60), {}, f(&frmAzioni::cmdesci_Click));

    strategia = new CasellaTesto(a);
    strategia->setObjectName(QStringLiteral("strategia"));
    strategia->setToolTip(QStringLiteral("appunti generici"));
    strategia->mostratesto(p().strategia);
    strategia->setGeometry(xvalore, ysaldo + 46, 180, 70);
    connect(strategia, &QPlainTextEdit::textChanged, this,
            [this] { m_modulo.azioni.impostastrategia(strategia->toPlainText()); });
    connect(strategia, &CasellaTesto::troppolungo, this,
            [this] { mostra(avviso(CasellaTesto::testotroppolungo(), Icona::Esclamativa)); });

    // Pictures: the idle form is shown; the mouse over it brings up the highlighted one.
    const int ximg = xvalore + 188, yimg = ysaldo + 50;
    auto immagine = [&](const char* nomeoggetto, Immagine::Tipo t, bool evid, int x, const QString& suggerimento) {
        auto* im = new Immagine(t, evid, a);
        im->setObjectName(QString::fromLatin1(nomeoggetto));
        im->setGeometry(x, yimg, 36, 36);
        if (!suggerimento.isEmpty())
            im->setToolTip(suggerimento);
        return im;
    };
    bil = immagine("bil", Immagine::Tipo::Bilancio, false, ximg, QString());
    Image3 = immagine("Image3", Immagine::Tipo::Graduatoria, false, ximg + 40, QString());
    Image5 = immagine("Image5", Immagine::Tipo::Piano, false, ximg + 80, QString());
    Image1 = immagine("Image1", Immagine::Tipo::Bilancio, true, ximg,
                      QStringLiteral("cliccare per visualizzare la finestra 'Bilancio'"));
    Image2 = immagine("Image2", Immagine::Tipo::Graduatoria, true, ximg + 40,
                      QStringLiteral("cliccare per visualizzare la finestra 'Graduatoria' degli incrementi periodici"));
    Image4 = immagine("Image4", Immagine::Tipo::Piano, true, ximg + 80,
                      QStringLiteral("cliccare per visualizzare la finestra 'Piano strategico'"));
    Image1->hide();
    Image2->hide();
    Image4->hide();
    connect(bil, &Immagine::passaggio, this, [this] { pictureover(bil); });
    connect(Image3, &Immagine::passaggio, this, [this] { pictureover(Image3); });
    connect(Image5, &Immagine::passaggio, this, [this] { pictureover(Image5); });
    connect(Image1, &Immagine::clic, this, &frmAzioni::Image1_Click);
    connect(Image2, &Immagine::clic, this, &frmAzioni::Image2_Click);
    connect(Image4, &Immagine::clic, this, &frmAzioni::Image4_Click);
}

void frmAzioni::costruiscimenu()
{
    const auto f = gestoridi(this);
    auto ctrl = [](char c) { return QKeySequence(QStringLiteral("Ctrl+") + QChar::fromLatin1(c)); };
    using C = frmAzioni;
    // Ctrl+A .. Ctrl+I move between windows and over the grid, even from a text box of it.
    const std::vector<MenuComandi> menu = {
        menufile({.apri = f(&C::apri_Click), .salva = f(&C::salva_Click), .salvanome = f(&C::salvanome_Click),
                   .elimina = f(&C::eliminare_click),
                   .stampa = {"solodati", QStringLiteral("S&tampa"), 0, {}, f(&C::solodati_Click)},
                   .esci = {"esci", QStringLiteral("&Esci"), 0, {}, f(&C::esci_Click)},
                   .altri = {{"importa", QStringLiteral("&Importa quotazioni..."), 0, {}, f(&C::importa_Click)}},}),
        {"modif", QStringLiteral("&Modifica"), {
            {"ordinamentoazioni", QStringLiteral("&Ordina azioni alfabeticamente "), 10,
             QStringLiteral("ordina azioni alfabeticamente"), f(&C::ordinamentoazioni_click)},
            {"ordinamentoquotazioni", QStringLiteral("Ordina quotazioni &temporalmente"), 15,
             QStringLiteral("ordina quotazioni cronologicamente"), f(&C::ordinamentoquotazioni_click)},
            separatore(),
            {"colorare", QStringLiteral("&Colore di sfondo"), 16, QStringLiteral("colore di sfondo"), f(&C::colorare_Click)},
            separatore(),
            {"contr", QStringLiteral("Controllo &dati immessi"), 0, {}, f(&C::contr_Click)},
            {"canc", QStringLiteral("C&ancella dati immessi"), 21, QStringLiteral("cancella dati finestra"), f(&C::canc_Click)},
        }},
        {"visu", QStringLiteral("&Visualizza"), {
            {"fin1", QStringLiteral("Finestra Azioni"), 0, {}, f(&C::fin1_Click), true, ctrl('A')},
            {"fin2", QStringLiteral("Finestra Schede"), 7, QStringLiteral("visualizza finestra Schede"), f(&C::fin2_Click), true, ctrl('B')},
            {"fin3", QStringLiteral("Finestra Graduatoria"), 0, {}, f(&C::fin3_Click), true, ctrl('C')},
            {"fin4", QStringLiteral("Finestra Bilancio"), 8, QStringLiteral("visualizza finestra Bilancio"), f(&C::fin4_Click), true, ctrl('D')},
            {"fin5", QStringLiteral("Finestra Grafici"), 9, QStringLiteral("visualizza finestra Grafici"), f(&C::fin5_Click), true, ctrl('E')},
            separatore(),
            {"prima", QStringLiteral("Riga precedente di azioni"), 11, QStringLiteral("visualizza precedente riga di azioni"),
             f(&C::prima_Click), true, ctrl('F')},
            {"dopo", QStringLiteral("Riga successiva di azioni"), 12, QStringLiteral("visualizza successiva riga di azioni"),
             f(&C::dopo_click), true, ctrl('G')},
            separatore(),
            {"sinistra", QStringLiteral("Colonna precedente di quotazioni"), 13,
             QStringLiteral("visualizza precedente colonna di quotazioni"), f(&C::sinistra_click), true, ctrl('H')},
            {"destra", QStringLiteral("Colonna successiva di quotazioni"), 14,
             QStringLiteral("visualizza successiva colonna di quotazioni"), f(&C::destra_click), true, ctrl('I')},
        }},
        {"help", QStringLiteral("&?"), {
            {"guida", QStringLiteral("&Guida in linea"), 17, QStringLiteral("guida in linea"), f(&C::Command1_Click)},
            {"suggerimenti", QStringLiteral("&Suggerimenti..."), 0, {}, f(&C::suggerimenti_Click)},
            separatore(),
            {"supporto", QStringLiteral("Supporto &prodotto"), 18, QStringLiteral("supporto prodotto")},
            separatore(),
            {"informazioni", QStringLiteral("&Informazioni su Velno"), 19, QStringLiteral("informazioni su Velno"),
             f(&C::informazioni_Click)},
        }},
    };
    const std::vector<Comando> barra = {
        {"", {}, 6, QStringLiteral("visualizza finestra Azioni"), f(&C::fin1_Click)},
        {"", {}, 20, QStringLiteral("controllo dati immessi"), f(&C::contr_Click)},
    };
    Toolbar1 = costruiscicomandi(this, menu, barra, pulsante);
    spunta(this, "fin1");

    voceangolo(this, "finestra", QStringLiteral("Fi&nestra n.1 di 7"), [this] { finestra_Click(); });
    scorciatoiedimenu(this);
    mostrainizio(this);
}

// ---- Redraws -------------------------------------------------------------------------

void frmAzioni::ridisegna(const std::function<void()>& righe)
{
    // The first visible row and column never let the grid leave the tables.
    primotitolo = std::clamp(primotitolo, 1, Portfolio::maxtitoli - 9);
    primacolonna = std::clamp(primacolonna, 1, Portfolio::maxcolonne - 4);
    // The arrows and the data check move the grid too: the scroll bars and the columns'
    // heading follow, so that neither tells of rows or columns no longer shown.
    {
        const QSignalBlocker v(VScroll1);
        const QSignalBlocker h(HScroll1);
        VScroll1->setValue(primotitolo);
        HScroll1->setValue(primacolonna);
    }
    if (!Label2->text().isEmpty())
        Label2->setText(QStringLiteral("Quotazioni dal n.") + str(primacolonna) + QStringLiteral(" al n.") + str(primacolonna + 4));
    const QScopedValueRollback ridisegno(m_ridisegno, true);
    m_saldoinsospeso = 0;
    // The bar would repaint itself at every step, and the redraw is far quicker than one frame.
    ProgressBar1->setUpdatesEnabled(false);
    ProgressBar1->show();
    righe();
    for (int i = 1; i <= 10; ++i) {
        const int n = primotitolo + i - 1;
        for (int K = 1; K <= 5; ++K)
            valore[K][i]->setText(p().quotazioni(primacolonna + K - 1, n));
        ProgressBar1->setValue(9 * i);
    }
    for (int j = 1; j <= 5; ++j)
        giorno[j]->setText(p().datequotazioni[primacolonna + j - 1]);
    ProgressBar1->hide();
    ProgressBar1->setUpdatesEnabled(true);
}

void frmAzioni::aggiornatitoli()
{
    ridisegna([this] {
        for (int i = 1; i <= 10; ++i) {
            const int n = primotitolo + i - 1;
            cmdazione[i]->setText(QString::number(n));
            nome[i]->setEditText(p().nomititoli[n]);
            na[i]->setText(p().quantitatitoli[n]);
            dataacquisto[i]->setText(p().dateacquisto[n]);
            prezzo[i]->setText(p().prezzititoli[n]);
        }
    });
    // The totals cover holdings 1 .. last one on screen: they follow every redraw, even when
    // no box on screen changed its text. A quotation box that changed asks for its own
    // column's saldo, as typing in it would.
    calcolacosto();
    saldo_Click(m_saldoinsospeso ? m_saldoinsospeso : ultimosaldo);
}

void frmAzioni::aggiornaquotazioni()
{
    ridisegna([] {});
    if (m_saldoinsospeso)
        saldo_Click(m_saldoinsospeso);
}

void frmAzioni::nascondimarcatori()
{
    for (int K = 1; K <= 5; ++K)
        guadagno[K]->setVisible(false);
}

void frmAzioni::azzeravisualizzazione()
{
    VScroll1->setValue(1);
    HScroll1->setValue(1);
    // The scroll bars may have been at 1 already: the grid must not keep the old texts.
    primotitolo = primacolonna = 1;
    aggiornatitoli();
    nascondimarcatori();
    totaleiniziale->clear();
    totaledatato->clear();
    totalecorrente->clear();
    for (int K = 1; K <= 5; ++K)
        guadagno[K]->clear();
    totaleal->setText(QStringLiteral("quotazioni al"));
    totinvestito->setText(QStringLiteral("investimento al"));
}

// ---- Editing -------------------------------------------------------------------------

void frmAzioni::nome_Change(int i)
{
    const int n = primotitolo + i - 1;
    const QString testo = nome[i]->currentText();
    bool memorizza = false;
    const auto m = controllonome(n, testo, m_modulo.titolocontrollo, &memorizza);
    // A redraw stores back what the table holds: a long name is not told again at every scroll.
    if (m && (!memorizza || !m_ridisegno))
        mostra(*m);
    if (!memorizza || !Portfolio::titolovalido(n))
        return;
    m_modulo.azioni.imposta(DocumentoAzioni::Campo::Nome, n, testo);
}

void frmAzioni::na_Change(int i) { acquisto_Change(DocumentoAzioni::Campo::Quantita, i, na[i]); }
void frmAzioni::prezzo_Change(int i) { acquisto_Change(DocumentoAzioni::Campo::Prezzo, i, prezzo[i]); }
// The date decides whether the holding counts and in which currency its price is: typed
// after the quantity and the price, as the grid's order has it, it must update the totals.
void frmAzioni::dataacquisto_Change(int i) { acquisto_Change(DocumentoAzioni::Campo::DataAcquisto, i, dataacquisto[i]); }

void frmAzioni::acquisto_Change(DocumentoAzioni::Campo campo, int i, const QLineEdit* casella)
{
    const int n = primotitolo + i - 1;
    if (!Portfolio::titolovalido(n))
        return;
    m_modulo.azioni.imposta(campo, n, casella->text());
    if (m_ridisegno)
        return;   // the redraw computes once at its end
    calcolacosto();
    saldo_Click(ultimosaldo);
}

void frmAzioni::valore_Change(int K, int i)
{
    const int n = primotitolo + i - 1;
    const int c = primacolonna + K - 1;
    if (const auto m = controlloquotazione(c, m_modulo.titolocontrollo)) {
        mostra(*m);
        return;
    }
    if (!Portfolio::titolovalido(n))
        return;
    m_modulo.azioni.impostaquotazione(c, n, valore[K][i]->text());
    if (m_ridisegno) {
        // As if each changed box ran its saldo in turn: one under a column without a date
        // changes nothing, so the last changed column with a date holds the marker.
        if (convertidata(p().datequotazioni[c]))
            m_saldoinsospeso = K;
        return;
    }
    saldo_Click(K);
}

void frmAzioni::giorno_Change(int j)
{
    const int c = primacolonna + j - 1;
    if (const auto m = controllodataquotazione(c, m_modulo.titolocontrollo)) {
        mostra(*m);
        return;
    }
    m_modulo.azioni.impostadata(c, giorno[j]->text());
}

// ---- Totals --------------------------------------------------------------------------

void frmAzioni::calcolacosto()
{
    totaleiniziale->setText(formatta(::calcolacosto(p(), primotitolo + 9), u"##,##0.00"));
}

void frmAzioni::saldo_Click(int K)
{
    if (K <= 0)
        return;
    const int richiesto = ultimosaldo = std::min(K, 5);
    const int c = richiesto + primacolonna - 1;
    const auto s = calcolasaldo(p(), c, primotitolo + 9);
    if (!s)
        return;
    totaledatato->setText(formatta(s->valoredatato, u"##,##0.00"));
    nascondimarcatori();
    totalecorrente->setText(formatta(s->investitodatato, u"##,##0.00"));
    totaleal->setText(QStringLiteral("quotazioni al...") + s->data + QStringLiteral("..............euro"));
    totinvestito->setText(QStringLiteral("investimento al ") + s->data + QStringLiteral("............euro"));
    QLabel* g = guadagno[richiesto];
    g->setText(formatta(s->guadagno, u"##,##0.00"));
    QPalette pal = g->palette();
    pal.setColor(QPalette::Window, s->guadagno < 0 ? QColor(255, 0, 0) : QColor(0, 128, 0));
    // The figure in a colour readable on its background.
    pal.setColor(QPalette::WindowText, s->guadagno < 0 ? Qt::black : Qt::white);
    g->setPalette(pal);
    g->setVisible(true);
}

// ---- Checks and sorts ----------------------------------------------------------------

bool frmAzioni::controlloinput()
{
    const EsitoControllo e = ::controlloinput(p(), primacolonna, m_modulo.titolocontrollo);
    if (e.primacolonna != primacolonna) {
        primacolonna = e.primacolonna;
        aggiornaquotazioni();
    }
    if (!e.superato && e.messaggio)
        mostra(*e.messaggio);
    return e.superato;
}

void frmAzioni::contr_Click()
{
    if (controlloinput())
        mostra(avviso(QStringLiteral("I dati sono stati immessi correttamente."), Icona::Informativa));
}

void frmAzioni::ordinamentoazioni_click()
{
    controlloinput();   // its messages are shown, the sort goes on
    m_modulo.azioni.ordinaperazioni();
}

void frmAzioni::ordinamentoquotazioni_click()
{
    m_modulo.azioni.ordinaperdata();
}

// ---- Scrolling -----------------------------------------------------------------------

void frmAzioni::VScroll1_Change()
{
    primotitolo = VScroll1->value();
    aggiornatitoli();
}

void frmAzioni::HScroll1_Change()
{
    const int v = HScroll1->value();
    primacolonna = v;
    aggiornaquotazioni();
    Label2->setText(QStringLiteral("Quotazioni dal n.") + str(v) + QStringLiteral(" al n.") + str(v + 4));
}

void frmAzioni::prima_Click()
{
    if (cmdazione[1]->text() == u"1" || primotitolo <= 1) {
        mostra(avviso(QStringLiteral("Impossibile procedere a ritroso: sono visualizzate le prime azioni disponibili."),
                      Icona::Critica));
        return;
    }
    --primotitolo;
    aggiornatitoli();
}

void frmAzioni::dopo_click()
{
    if (nome[10]->currentText().isEmpty() || primotitolo + 9 >= Portfolio::maxtitoli) {
        mostra(avviso(QStringLiteral("Non vi sono altre azioni da visualizzare."), Icona::Informativa));
        return;
    }
    ++primotitolo;
    aggiornatitoli();
}

void frmAzioni::sinistra_click()
{
    if (primacolonna <= 1 || p().datequotazioni[primacolonna - 1].isEmpty()) {
        mostra(avviso(QStringLiteral("Non sono state registrate altre quotazioni precedenti."), Icona::Informativa));
        return;
    }
    --primacolonna;
    aggiornaquotazioni();
}

void frmAzioni::destra_click()
{
    if (primacolonna + 4 >= Portfolio::maxcolonne || p().datequotazioni[primacolonna + 4].isEmpty()) {
        mostra(avviso(QStringLiteral("Non sono state registrate altre quotazioni successive."), Icona::Informativa));
        return;
    }
    ++primacolonna;
    aggiornaquotazioni();
}

// ---- Archive -------------------------------------------------------------------------

namespace {
const QString filtroapri = QStringLiteral("Tutti i file (*.*)|*.*|File Velno-azioni- | Velno-azioni-*");
const QString filtrosalva = QStringLiteral("File Velno-azioni- | Velno-azioni-*");
} // namespace

Archiviazione<DocumentoAzioni> frmAzioni::archivio()
{
    return Archiviazione<DocumentoAzioni>(m_finestre, this, m_modulo.azioni, filtroapri, filtrosalva);
}

void frmAzioni::apri_Click()
{
    // The Portfolio in memory is replaced only by a whole archive: cancelling, or a file
    // that cannot be read, leaves everything as it was.
    archivio().apri();
}

void frmAzioni::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (m_mostrata)
        return;
    m_mostrata = true;
    // Data typed and never saved before the program ended: offered back once the window is up.
    if (m_finestre.ripristino())
        QTimer::singleShot(0, this, [this] {
            if (Ripristino* r = m_finestre.ripristino())
                r->offri();
        });
}

void frmAzioni::mostratabelle()
{
    // The notes stay as they are in the tables: showing them writes nothing.
    strategia->aggiornatesto(p().strategia);
    primotitolo = 1;
    {
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setValue(1);
    }
    saldo_Click(1);
    const int colonna = std::clamp(p().numerocolonne, 1, Portfolio::maxcolonne - 4);
    if (HScroll1->value() != colonna)
        HScroll1->setValue(colonna);
    else
        HScroll1_Change();
    aggiornatitoli();
}

bool frmAzioni::scriviarchivio(const QString& titolo)
{
    if (!controlloinput() || !archivio().scrivi(titolo))
        return false;
    HScroll1_Change();
    return true;
}

void frmAzioni::salva_Click() { scriviarchivio(QStringLiteral("Salva file")); }

void frmAzioni::salvanome_Click()
{
    archivio().salvaconnome([this] { return scriviarchivio(QStringLiteral("Salva file con nome")); });
}

void frmAzioni::eliminare_click()
{
    // The file deleted becomes the one "Salva" writes to, as it always was.
    archivio().elimina([this](const QString& file) { m_modulo.azioni.impostanomefile(file); });
}

// ---- Quotations brought in at once ---------------------------------------------------

bool frmAzioni::incollaquotazioni_Grid(int K, int i, const QString& testo)
{
    const QScopedValueRollback propria(m_propria, true);
    const EsitoIncolla e = m_modulo.azioni.incollaquotazioni(primacolonna + K - 1, primotitolo + i - 1, testo,
                                                             m_modulo.titolocontrollo);
    if (!e.rifiuto && e.collocati > 0)
        aggiornatitoli();
    mostra(e.riepilogo(m_modulo.titolocontrollo, QStringLiteral("quotazioni")));
    return true;
}

bool frmAzioni::incolladate_Grid(int j, const QString& testo)
{
    const QScopedValueRollback propria(m_propria, true);
    const EsitoIncolla e = m_modulo.azioni.incolladate(primacolonna + j - 1, testo, m_modulo.titolocontrollo);
    if (!e.rifiuto && e.collocati > 0)
        aggiornatitoli();
    mostra(e.riepilogo(m_modulo.titolocontrollo, QStringLiteral("date")));
    return true;
}

void frmAzioni::importa_Click()
{
    // A long list takes a moment: the bar shows how far it is.
    auto avanzamento = [this](int percento) {
        ProgressBar1->setVisible(percento >= 0);
        if (percento >= 0) {
            ProgressBar1->setValue(percento);
            ProgressBar1->repaint();
        }
    };
    const QScopedValueRollback propria(m_propria, true);
    const Importazione i = importaquotazioni(m_modulo.azioni, m_finestre.dialoghi(), this, m_modulo.titolocontrollo,
                                             avanzamento, QDate::currentDate());
    if (const auto& e = i.esito; e && !e->rifiuto) {
        // The new column comes into view.
        const int colonna = std::clamp(e->colonna - 4, 1, HScroll1->maximum());
        if (e->colonna < primacolonna || e->colonna > primacolonna + 4) {
            if (HScroll1->value() != colonna)
                HScroll1->setValue(colonna);
            else
                HScroll1_Change();
        } else {
            aggiornaquotazioni();
        }
        calcolacosto();
        saldo_Click(e->colonna - primacolonna + 1);
    }
    if (i.messaggio)
        mostra(*i.messaggio);
}

// ---- Report --------------------------------------------------------------------------

void frmAzioni::solodati_Click()
{
    if (p().numerotitoli == 0) {
        mostra(Messaggio{QStringLiteral("Immettere prima i dati."),
                         m_modulo.nomeprogramma + QStringLiteral(": stampa dati finestra"), Icona::Esclamativa});
        return;
    }
    // From the last holding on, the totals the redraw computes cover every holding.
    const int v = std::min(p().numerotitoli, VScroll1->maximum());
    if (VScroll1->value() != v)
        VScroll1->setValue(v);
    else
        VScroll1_Change();

    StampaAzioni s;
    s.nomeprogramma = m_modulo.nomeprogramma;
    s.descrizione = m_modulo.descrizione;
    s.primacolonna = primacolonna;
    // A hidden marker keeps the figure of a column no longer under it: only the one on
    // screen, under a dated column, belongs to the column the report prints above it.
    for (int K = 1; K <= 5; ++K)
        if (!guadagno[K]->isHidden() && !p().datequotazioni[primacolonna + K - 1].isEmpty())
            s.guadagni[std::size_t(K)] = guadagno[K]->text();
    s.totale = totale->text();
    s.totaleiniziale = totaleiniziale->text();
    s.totaleal = totaleal->text();
    s.totaledatato = totaledatato->text();
    s.totinvestito = totinvestito->text();
    s.totalecorrente = totalecorrente->text();
    const auto documento = m_finestre.elaboratore();
    stampaazioni(*documento, p(), s);
}

// ---- Other windows and commands ------------------------------------------------------

void frmAzioni::cmdazione_Click(int i)
{
    const int n = primotitolo + i - 1;
    if (!Portfolio::titolovalido(n))
        return;
    if (p().nomititoli[n].isEmpty() || p().dateacquisto[n].isEmpty() || ::valore(p().quantitatitoli[n]) == 0) {
        mostra(avviso(QStringLiteral("Non esistono dati da visualizzare."), Icona::Critica));
        return;
    }
    // A holding with no quotation in any dated column has nothing to show on its card.
    if (!schedacompleta(p(), n)) {
        mostra(avviso(QStringLiteral("Impossibile visualizzare la scheda: i dati relativi al titolo sono incompleti."),
                      Icona::Critica));
        return;
    }
    m_finestre.mostrascheda(n);
}

void frmAzioni::avanti_Click()
{
    if (controlloinput())
        emit aprigrafici();
}

void frmAzioni::canc_Click()
{
    m_finestre.mostra(Finestra::Cancella);
}


void frmAzioni::suggerimenti_Click() { m_finestre.mostra(Finestra::Suggerimenti); }
void frmAzioni::finestra_Click() { m_finestre.mostra(Finestra::GuidaAzioni); }

void frmAzioni::fin1_Click()
{
    mostra(avviso(QStringLiteral("E' questa la finestra Azioni."), Icona::Esclamativa));
}

void frmAzioni::fin3_Click() { m_finestre.mostra(Finestra::Graduatoria); }
void frmAzioni::fin4_Click() { m_finestre.mostra(Finestra::Bilancio); }

void frmAzioni::Image1_Click()
{
    // The balance offers the holdings as they are when it is shown.
    m_finestre.mostrabilancio();
    Image1->hide();
}

void frmAzioni::Image2_Click()
{
    if (!m_finestre.mostragraduatoria())
        return;
    Image2->hide();
    Image3->show();
}

void frmAzioni::Image4_Click()
{
    Image4->hide();
    Image5->show();
    m_finestre.mostra(Finestra::Piano);
}

void frmAzioni::pictureover(QWidget* sopra)
{
    if (sopra == bil) {
        Image1->show();
        Image1->raise();
    } else if (sopra == Image3) {
        Image2->show();
        Image2->raise();
        Image3->hide();
    } else if (sopra == Image5) {
        Image4->show();
        Image4->raise();
        Image5->hide();
    } else {
        Image1->hide();
        Image2->hide();
        Image4->hide();
        Image3->show();
        Image5->show();
    }
}

void frmAzioni::closeEvent(QCloseEvent* e)
{
    // Closing the window is leaving the program: ask, as the exit button does.
    e->ignore();
    m_finestre.confermauscita();
}

bool frmAzioni::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_area && e->type() == QEvent::MouseMove)
        pictureover(nullptr);
    return QMainWindow::eventFilter(o, e);
}
