#include "balance/frmbilancio.h"
#include "balance/stampabilancio.h"
#include "balance/vendite.h"
#include "shared/documento.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"
#include "shell/archiviazione.h"
#include "shell/comandi.h"
#include "shell/finestre.h"
#include "shell/immagini.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 5895;

const QString filtroapri = QStringLiteral("Tutti i file (*.*)|*.*|File Velno-bilancio- | Velno-bilancio-*");
const QString filtrosalva = QStringLiteral("File Velno-bilancio- | Velno-bilancio-*");
const QString inlire = QStringLiteral("valori in lire");
const QString ineuro_ = QStringLiteral("valori in euro");

// Columns of the ten lines, in design pixels: left and width.
struct Colonna {
    int x, l;
};
constexpr Colonna cnumero{2, 22}, cnomea{26, 100}, cacquisto{128, 50}, cvendita{180, 50}, cnacq{232, 54},
    cna{288, 50}, cprezzo0{340, 52}, cprezzo{394, 52}, cpagato{448, 64}, crealizzato{514, 64}, cpercento{580, 40};
constexpr int yriga = 34, altriga = 20, passoriga = 21;

} // namespace

void EtichettaClic::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clic();
    QLabel::mousePressEvent(e);
}

bilancio::bilancio(Finestre& finestre)
    : FinestraVelno(finestre, "bilancio", QStringLiteral("Velno: bilancio annuale delle vendite"))
{
    costruiscicontrolli();
    costruiscimenu();
    vocistoria(this, "modif", m_modulo.vendite);
    adatta(QSize(larghezzaprogetto / clsResize::twip, 6825 / clsResize::twip));

    b().primariga = 1;
    b().fattore = 1.0f;
    // The balance outlives its window: show what it holds. Another balance, or none, shows
    // whoever asked for it.
    VScroll1_Change();
    connect(&d(), &DocumentoBilancio::svuotato, this, &bilancio::mostravuoto);
    connect(&d(), &DocumentoBilancio::sostituito, this, [this] {
        mostravuoto();
        // The file is in lire.
        mostravaluta(false);
        primapagina();
    });
    // An undo or a redo: the lines where they are, the currency the rows are in.
    connect(&d(), &DocumentoBilancio::ripristinato, this, [this] {
        mostravaluta(ineuro());
        VScroll1_Change();
    });
}

bilancio::~bilancio()
{
    // A box that loses the focus as the window goes would be checked by a window half gone.
    for (int i = 1; i <= 10; ++i)
        for (QLineEdit* e : {datavendita[i], na[i], prezzo[i]})
            disconnect(e, &QLineEdit::editingFinished, this, nullptr);
    // Only this window knows the rows are in euro: the balance outlives it in lire, so that a
    // window built again (after the exit confirmation's closing screen) shows and writes lire.
    d().inLire();
}

DocumentoBilancio& bilancio::d() { return m_modulo.vendite; }
SalesBalance& bilancio::b() { return m_modulo.vendite.dati(); }
const SalesBalance& bilancio::b() const { return m_modulo.vendite.tabelle(); }
int bilancio::riga(int i) const { return b().primariga + i - 1; }
bool bilancio::ineuro() const { return m_modulo.vendite.ineuro(); }

void bilancio::costruiscicontrolli()
{
    QWidget* a = area(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));

    const struct {
        const char* nome;
        const char* testo;
        Colonna c;
    } intestazioni[] = {
        {"Label1", "n.", cnumero},
        {"Label2", "titolo venduto", cnomea},
        {"Label3", "data acquisto", cacquisto},
        {"Label4", "data vendita", cvendita},
        {"Label5", "azioni possedute", cnacq},
        {"Label6", "azioni vendute", cna},
        {"Label7", "prezzo acquisto", cprezzo0},
        {"Label8", "prezzo vendita", cprezzo},
        {"Label9", "pagato", cpagato},
        {"Label10", "guadagno", crealizzato},
        {"Label11", "%", cpercento},
    };
    for (const auto& t : intestazioni) {
        QLabel* e = etichetta(a, QString::fromLatin1(t.nome), QString::fromUtf8(t.testo), QRect(t.c.x, 2, t.c.l, 30),
                              Qt::AlignHCenter | Qt::AlignBottom);
        e->setWordWrap(true);
    }

    for (int i = 1; i <= 10; ++i) {
        const int y = yriga + (i - 1) * passoriga;
        auto r = [y](Colonna c) { return QRect(c.x, y, c.l, altriga); };
        auto* n = new EtichettaClic(QString::number(i), a);
        n->setObjectName(QStringLiteral("numero_%1").arg(i));
        n->setAlignment(Qt::AlignCenter);
        n->setGeometry(r(cnumero));
        n->setCursor(Qt::PointingHandCursor);
        n->setToolTip(QStringLiteral("cliccare sul numero per visualizzare gli appunti archiviati sulle azioni relative"));
        numero[i] = n;
        connect(n, &EtichettaClic::clic, this, [this, i] { numero_Click(i); });

        // Editable as it always was; a typed name is caught when the sale is entered.
        QComboBox* c = elenco(a, QStringLiteral("nomea_%1").arg(i), r(cnomea));
        // Leaving the box (or Enter) would make Qt pick the item whose name the box shows and
        // report it as chosen: the row would be copied again from the holding as it is now,
        // and a balance in euro turned back to lire. Only a pick from the list chooses.
        QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
        c->setToolTip(QStringLiteral("cliccare sulla freccia e scegliere un titolo (cliccando su di esso) tra quelli "
                                     "acquistati e riportati nella lista"));
        nomea[i] = c;
        connect(c, &QComboBox::activated, this, [this, i] { nomea_Click(i); });
        connect(c, &QComboBox::editTextChanged, this, [this, i] { nomea_Change(i); });

        auto nome = [i](const char* base) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i); };
        dataacquisto[i] = riquadro(a, nome("dataacquisto"), r(cacquisto), Qt::AlignCenter);
        datavendita[i] = casella(a, nome("datavendita"), r(cvendita), [this, i] { datavendita_Change(i); });
        datavendita[i]->setToolTip(QStringLiteral("data della vendita nella forma gg/mm/aa"));
        nacq[i] = riquadro(a, nome("nacq"), r(cnacq));
        na[i] = casella(a, nome("na"), r(cna), [this, i] { na_Change(i); });
        prezzo0[i] = riquadro(a, nome("prezzo0"), r(cprezzo0));
        prezzo[i] = casella(a, nome("prezzo"), r(cprezzo), [this, i] { prezzo_Change(i); });
        pagato[i] = riquadro(a, nome("pagato"), r(cpagato));
        realizzato[i] = riquadro(a, nome("realizzato"), r(crealizzato));
        percento[i] = riquadro(a, nome("percento"), r(cpercento));
        na[i]->setAlignment(Qt::AlignRight);
        prezzo[i]->setAlignment(Qt::AlignRight);
        // What was typed is checked when the box is left (a message at every key would stop
        // the typing of a date half way).
        connect(datavendita[i], &QLineEdit::editingFinished, this, [this, i] { datavendita_LostFocus(i); });
        connect(na[i], &QLineEdit::editingFinished, this, [this, i] { na_LostFocus(i); });
        connect(prezzo[i], &QLineEdit::editingFinished, this, [this, i] { prezzo_LostFocus(i); });
    }

    VScroll1 = barra(a, QStringLiteral("VScroll1"), Qt::Vertical, 1, 491, 10, QRect(622, yriga, 16, 10 * passoriga - 1),
                     [this] { VScroll1_Change(); });

    const int ytotali = yriga + 10 * passoriga + 4;   // 248
    anno = etichetta(a, QStringLiteral("anno"), QString(), QRect(cnomea.x, ytotali, 90, 18));
    anno->setToolTip(QStringLiteral("l'anno delle vendite"));
    valori = etichetta(a, QStringLiteral("valori"), inlire, QRect(cnomea.x + 96, ytotali, 110, 18));
    etichetta(a, QStringLiteral("Label12"), QStringLiteral("totali"), QRect(cprezzo.x, ytotali, cprezzo.l, 18),
              Qt::AlignRight | Qt::AlignVCenter);
    totpagato = riquadro(a, QStringLiteral("totpagato"), QRect(cpagato.x, ytotali, cpagato.l, 20));
    totguadagno = riquadro(a, QStringLiteral("totguadagno"), QRect(crealizzato.x, ytotali, crealizzato.l, 20));
    mediapercento = riquadro(a, QStringLiteral("mediapercento"), QRect(cpercento.x, ytotali, cpercento.l, 20));
    totpagato->setToolTip(QStringLiteral("il costo totale delle azioni vendute nell'anno"));
    totguadagno->setToolTip(QStringLiteral("il guadagno o la perdita totale dell'anno"));
    mediapercento->setToolTip(QStringLiteral("il guadagno in percento del costo"));

    const int y1 = ytotali + 34, y2 = y1 + 32;
    const auto f = gestoridi(this);
    using C = bilancio;
    cmdeuro = bottone(a, QStringLiteral("cmdeuro"), QStringLiteral("modifica i valori in &euro"), QRect(cnumero.x, y1, 150, 26),
                      QStringLiteral("cliccare per avere il bilancio in euro"), f(&C::cmdeuro_Click));
    cmdlira = bottone(a, QStringLiteral("cmdlira"), QStringLiteral("modifica i valori in &lire"),
                      QRect(cnumero.x + 156, y1, 150, 26), QStringLiteral("cliccare per avere il bilancio in lire"),
                      f(&C::cmdlira_Click));
    cmdlira->setEnabled(false);   // the balance starts in lire
    bottone(a, QStringLiteral("mens"), QStringLiteral("&Bilancio mensile"), QRect(cnumero.x + 312, y1, 120, 26),
            QStringLiteral("cliccare per visualizzare il bilancio mensile e pluriennale"), f(&C::mens_Click));
    bottone(a, QStringLiteral("cmdazioni"), QStringLiteral("finestra A&zioni"), QRect(cnumero.x, y2, 110, 26),
            QStringLiteral("cliccare per visualizzare la finestra Azioni"), f(&C::cmdazioni_Click));
    bottone(a, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), QRect(cnumero.x + 116, y2, 70, 26),
            QStringLiteral("cliccare per avere indicazioni sulla immissione dei dati"), f(&C::aiuto_Click));
    bottone(a, QStringLiteral("Command1"), QStringLiteral("&Guida in linea"), QRect(cnumero.x + 192, y2, 110, 26),
            QStringLiteral("cliccare per visualizzare il Sommario della guida"), f(&C::Command1_Click));
    bottone(a, QStringLiteral("uscita"), QStringLiteral(" US&CITA"), QRect(cnumero.x + 308, y2, 80, 26),
            QStringLiteral("cliccare per uscire da Velno"), f(&C::uscita_Click));

    image1 = new Immagine(Immagine::Tipo::Graduatoria, true, a);
    image1->setObjectName(QStringLiteral("image1"));
    image1->setGeometry(580, y1 + 4, 36, 36);
    image1->setToolTip(QStringLiteral("cliccare per visualizzare la finestra 'Graduatoria' degli incrementi periodici"));
    connect(image1, &Immagine::clic, this, &bilancio::image1_click);

    stato = etichetta(a, QStringLiteral("stato"), QString(), QRect(cnumero.x, y2 + 34, 300, 18));
}

void bilancio::costruiscimenu()
{
    const auto f = gestoridi(this);
    using C = bilancio;
    const std::vector<MenuComandi> menu = {
        menufile({.apri = f(&C::apri_Click), .salva = f(&C::salva_Click), .salvanome = f(&C::salvanome_Click),
                   .elimina = f(&C::eliminare_click),
                   .stampa = {"solodati", QStringLiteral("S&tampa"), 0, {}, f(&C::solodati_Click)},
                   .esci = {"esci", QStringLiteral("&Esci"), 0, {}, f(&C::uscita_Click)},}),
        {"modif", QStringLiteral("&Modifica"), {
            // Listed as they always were, with no operation behind them.
            {"ordinamentoazioni", QStringLiteral("&Ordina azioni alfabeticamente"), 0, {}, {}, false},
            {"ordinamentovendite", QStringLiteral("Ordina vendite &temporalmente"), 0, {}, {}, false},
            separatore(),
            {"colorare", QStringLiteral("&Colore di sfondo"), 16, QStringLiteral("colore di sfondo"), f(&C::colorare_Click)},
            separatore(),
            {"controllodati", QStringLiteral("Controllo &dati immessi"), 20, QStringLiteral("controllo dati immessi"), {}, false},
            {"cancelladati", QStringLiteral("C&ancella dati finestra"), 21, QStringLiteral("cancella dati finestra"),
             f(&C::cancelladati_Click)},
        }},
        {"visu", QStringLiteral("&Visualizza"), {
            {"fin1", QStringLiteral("Finestra Azioni"), 6, QStringLiteral("visualizza finestra Azioni"), f(&C::fin1_Click)},
            {"fin2", QStringLiteral("Finestra Schede"), 7, QStringLiteral("visualizza finestra Schede"), f(&C::fin2_Click)},
            {"fin3", QStringLiteral("Finestra Bilancio"), 0, {}, f(&C::fin3_Click)},
            {"fin4", QStringLiteral("Finestra Grafici"), 9, QStringLiteral("visualizza finestra Grafici"), f(&C::fin4_Click)},
        }},
        {"help", QStringLiteral("&?"), {
            {"guida", QStringLiteral("&Guida in linea"), 17, QStringLiteral("guida in linea"), f(&C::Command1_Click)},
            separatore(),
            {"supporto", QStringLiteral("Supporto &prodotto"), 18, QStringLiteral("supporto prodotto")},
            separatore(),
            {"inform", QStringLiteral("&Informazioni su Velno"), 19, QStringLiteral("informazioni su Velno"), f(&C::inform_Click)},
        }},
    };
    auto scorre = [this](int passo) { return [this, passo] { scorri(passo); }; };
    const std::vector<Comando> barra = {
        {"", {}, 8, QStringLiteral("visualizza finestra Bilancio"), f(&C::fin3_Click)},
        {"", {}, 10, QStringLiteral("visualizza finestra Bilancio mensile"), f(&C::mens_Click)},
        {"", {}, 11, QStringLiteral("visualizza precedente riga di vendite"), scorre(-1)},
        {"", {}, 12, QStringLiteral("visualizza successiva riga di vendite"), scorre(1)},
        {"", {}, 13, QStringLiteral("visualizza precedente pagina di vendite"), scorre(-10)},
        {"", {}, 14, QStringLiteral("visualizza successiva pagina di vendite"), scorre(10)},
    };
    Toolbar1 = costruiscicomandi(this, menu, barra, pulsante);
    // The monthly balance: a calendar, or the balance's own picture where no theme has one.
    pulsante[10]->setIcon(QIcon::fromTheme(QStringLiteral("x-office-calendar"), iconabarra(8)));
    spunta(this, "fin3");

    voceangolo(this, "fin", QStringLiteral("Fi&nestra n.4 di 7"), [this] { fin_Click(); });
    scorciatoiedimenu(this);
}


// ---- Lines ---------------------------------------------------------------------------

void bilancio::caricanomi(const QStringList& nomi)
{
    for (int i = 1; i <= 10; ++i) {
        const QSignalBlocker blocco(nomea[i]);
        const QString testo = nomea[i]->currentText();
        nomea[i]->clear();
        nomea[i]->addItems(nomi);
        nomea[i]->setCurrentIndex(-1);
        nomea[i]->setEditText(testo);
    }
}

void bilancio::riempilinea(int i)
{
    const int R = riga(i);
    const auto r = std::size_t(R);
    const SalesBalance& s = b();
    numero[i]->setText(QString::number(R));
    const QSignalBlocker b1(nomea[i]), b2(datavendita[i]), b3(na[i]), b4(prezzo[i]);
    nomea[i]->setEditText(s.nomea[r]);
    // A name longer than the box shows its beginning, not its end.
    if (QLineEdit* e = nomea[i]->lineEdit())
        e->setCursorPosition(0);
    dataacquisto[i]->setText(s.dataacquisto[r]);
    datavendita[i]->setText(s.datavendita[r]);
    nacq[i]->setText(s.nacq[r]);
    na[i]->setText(s.na[r]);
    prezzo[i]->setText(s.prezzo[r]);
    mostrafigure(i);
}

void bilancio::mostrafigure(int i)
{
    const auto r = std::size_t(riga(i));
    const SalesBalance& s = b();
    const bool euro = ineuro();
    prezzo0[i]->setText(s.prezzo0[r]);
    pagato[i]->setText(mostraimporto(s.pagato[r], euro));
    realizzato[i]->setText(mostraimporto(s.realizzato[r], euro));
    percento[i]->setText(mostrapercento(s.percento[r]));
}

void bilancio::VScroll1_Change()
{
    const QScopedValueRollback riempimento(m_riempimento, true);
    d().impostaprimariga(VScroll1->value());
    for (int i = 1; i <= 10; ++i)
        riempilinea(i);
    // The year follows the last line with a sale date, as entering it would.
    for (int i = 10; i >= 1; --i)
        if (const auto a = annovendita(b().datavendita[std::size_t(riga(i))])) {
            mostraanno(*a);
            break;
        }
    ricalcolatotali();
}

void bilancio::primapagina()
{
    if (VScroll1->value() != 1)
        VScroll1->setValue(1);   // the scroll handler refills the lines
    else
        VScroll1_Change();
}

void bilancio::scorri(int passo)
{
    VScroll1->setValue(VScroll1->value() + passo);
}

// ---- Entering the sales --------------------------------------------------------------

void bilancio::nomea_Click(int i)
{
    const int k = nomea[i]->currentIndex();
    if (k < 0)
        return;
    const QString nome = nomea[i]->itemText(k);
    // Rows are always filled in lire. Going back to lire shows the first page: the line the
    // user chose on is shown again before its row is filled.
    if (ineuro()) {
        const int prima = VScroll1->value();
        cmdlira_Click();
        VScroll1->setValue(prima);
    }
    std::optional<Messaggio> m;
    d().modifica([&](SalesBalance& s) { m = sceglititolo(s, m_modulo.azioni.tabelle(), riga(i), k + 1, nome, m_modulo.titolocontrollo); },
                 QStringLiteral("scelta del titolo n.%1").arg(riga(i)));
    riempilinea(i);
    ricalcolatotali();
    if (m)
        mostra(*m);
}

void bilancio::nomea_Change(int i)
{
    if (m_riempimento)
        return;
    // A name typed over the list leaves the sale date as the row holds it.
    const QSignalBlocker blocco(datavendita[i]);
    datavendita[i]->setText(b().datavendita[std::size_t(riga(i))]);
}

void bilancio::datavendita_Change(int i)
{
    if (m_riempimento)
        return;
    d().digita(SalesBalance::DataVendita, riga(i), [&](SalesBalance& s) {
        s.datavendita[std::size_t(riga(i))] = datavendita[i]->text();
        s.imposta(riga(i), SalesBalance::DataVendita);
    });
}

void bilancio::datavendita_LostFocus(int i)
{
    if (!datavendita[i]->isModified())
        return;   // checked already, or not typed
    datavendita[i]->setModified(false);
    if (auto m = controllodatavendita(datavendita[i]->text(), i, m_modulo.titolocontrollo)) {
        mostra(*m);
        return;
    }
    // The year follows the line whose date was typed last, as entering the shares sold does.
    if (const auto a = annovendita(datavendita[i]->text()))
        mostraanno(*a);
}

void bilancio::na_LostFocus(int i) { controllacifra(na[i], true, i); }
void bilancio::prezzo_LostFocus(int i) { controllacifra(prezzo[i], false, i); }

void bilancio::controllacifra(QLineEdit* casella, bool quantita, int i)
{
    if (!casella->isModified())
        return;   // checked already, or not typed
    casella->setModified(false);
    if (auto m = controllocifra(casella->text(), quantita, i, m_modulo.titolocontrollo))
        mostra(*m);
}

void bilancio::na_Change(int i)
{
    if (m_riempimento)
        return;
    EsitoVendita e;
    d().digita(SalesBalance::Vendute, riga(i), [&](SalesBalance& s) {
        e = immettivendute(s, riga(i), i, na[i]->text(), nomea[i]->currentText(),
                           i > 1 ? datavendita[i - 1]->text() : QString(), m_modulo.titolocontrollo);
    });
    if (e.anno)
        mostraanno(*e.anno);
    if (e.svuotata) {
        const QSignalBlocker blocco(na[i]);
        na[i]->clear();
    }
    if (e.calcolata) {
        mostrafigure(i);
        ricalcolatotali();
    }
    if (e.messaggio)
        mostra(*e.messaggio);
}

void bilancio::prezzo_Change(int i)
{
    if (m_riempimento)
        return;
    const int R = riga(i);
    d().digita(SalesBalance::PrezzoVendita, R, [&](SalesBalance& s) {
        s.prezzo[std::size_t(R)] = prezzo[i]->text();
        s.prezzonumero[std::size_t(R)] = false;
        s.imposta(R, SalesBalance::PrezzoVendita);
        calcolariga(s, R);
    });
    mostrafigure(i);
    ricalcolatotali();
}

void bilancio::numero_Click(int i)
{
    const QString nome = nomea[i]->currentText();
    if (nome.isEmpty()) {
        mostra(avviso(QStringLiteral("Cliccare sulla freccia e scegliere un titolo dalla lista delle azioni possedute."),
                      Icona::Informativa));
        return;
    }
    const int R = riga(i);
    const QString appunti = R <= SalesBalance::maxvendite ? b().appunti[std::size_t(R)] : QString();
    mostra(Messaggio{appunti, QStringLiteral("Velno: ultimi appunti sul titolo ") + nome, Icona::Informativa});
}

// ---- Totals --------------------------------------------------------------------------

void bilancio::ricalcolatotali()
{
    if (b().numerorighe == 0) {
        // No sale yet: no totals to show, and none to write.
        totpagato->clear();
        totguadagno->clear();
        mediapercento->clear();
        return;
    }
    // The year's totals file is written by a save: what is typed and not saved never
    // replaces it.
    const TotaliBilancio t = calcolatotali(b());
    const bool euro = ineuro();
    totpagato->setText(mostraimporto(t.testopagato, euro));
    totguadagno->setText(mostraimporto(t.testoguadagno, euro));
    mediapercento->setText(t.media);
}

// ---- Currency ------------------------------------------------------------------------

void bilancio::cmdeuro_Click() { valuta(true); }
void bilancio::cmdlira_Click() { valuta(false); }

void bilancio::valuta(bool euro)
{
    // Never twice in the same direction: the prices would be divided again.
    if (ineuro() == euro)
        return;
    mostravaluta(euro);
    if (euro)
        d().inEuro();
    else
        d().inLire();
    primapagina();
}

void bilancio::mostravaluta(bool euro)
{
    (euro ? cmdeuro : cmdlira)->setEnabled(false);
    (euro ? cmdlira : cmdeuro)->setEnabled(true);
    valori->setText(euro ? ineuro_ : inlire);
}

// ---- Monthly balance -----------------------------------------------------------------

void bilancio::mens_Click()
{
    if (ineuro())
        cmdlira_Click();
    if (b().numerorighe == 0) {
        mostra(avviso(QStringLiteral("Non esistono dati da visualizzare: immetterne o aprire un file archiviato."),
                      Icona::Informativa));
        return;
    }
    m_finestre.mostramensile();
}

// ---- Archive -------------------------------------------------------------------------

Archiviazione<DocumentoBilancio> bilancio::archivio()
{
    return Archiviazione<DocumentoBilancio>(m_finestre, this, d(), filtroapri, filtrosalva);
}

void bilancio::apri_Click()
{
    // The balance in memory is replaced only by a whole archive: cancelling, or a file that
    // cannot be read, leaves everything as it was.
    archivio().apri();
}

bool bilancio::scrivibilancio(const QString& titolo)
{
    if (ineuro())
        cmdlira_Click();
    if (!d().prontoperarchiviare(m_finestre.messaggi(), m_modulo.titolocontrollo, [this] { VScroll1_Change(); })
        || !archivio().scrivi(titolo))
        return false;
    // The totals files and the yearly totals are in lire (a save is): the monthly window
    // divides them by the rate for euro.
    if (const auto m = m_modulo.registratotali())
        mostra(*m);
    return true;
}

void bilancio::salva_Click() { scrivibilancio(QStringLiteral("Salva file")); }

void bilancio::salvanome_Click()
{
    archivio().salvaconnome([this] { return scrivibilancio(QStringLiteral("Salva file con nome")); });
}

void bilancio::eliminare_click() { archivio().elimina(); }

void bilancio::cancelladati_Click() { d().svuota(); }

void bilancio::mostraanno(int a)
{
    anno->setText(QStringLiteral("anno") + str(a));
    d().impostaanno(a);
}

void bilancio::mostravuoto()
{
    const QScopedValueRollback riempimento(m_riempimento, true);
    anno->clear();
    d().impostaanno(0);
    for (int i = 1; i <= 10; ++i)
        riempilinea(i);
    totpagato->clear();
    totguadagno->clear();
    mediapercento->clear();
    for (auto* a : {&m_modulo.totalepagato, &m_modulo.totaleguadagno, &m_modulo.mediepercento})
        a->fill(QString());
}

// ---- Report --------------------------------------------------------------------------

void bilancio::solodati_Click()
{
    if (b().numerorighe == 0) {
        mostra(Messaggio{QStringLiteral("Immettere prima i dati."),
                         m_modulo.nomeprogramma + QStringLiteral(": stampa dati finestra"), Icona::Esclamativa});
        return;
    }
    stato->setText(QStringLiteral("sto caricando WORD"));
    StampaBilancio s;
    s.nomeprogramma = m_modulo.nomeprogramma;
    s.descrizione = m_modulo.descrizione;
    s.anno = anno->text();
    s.valori = valori->text();
    {
        const auto documento = m_finestre.elaboratore();
        stampabilancio(*documento, b(), s);
    }
    stato->clear();
}

// ---- Other windows and commands ------------------------------------------------------


void bilancio::fin_Click() { m_finestre.mostra(Finestra::GuidaBilancio); }

void bilancio::fin3_Click()
{
    mostra(avviso(QStringLiteral("E' questa la finestra Bilancio."), Icona::Esclamativa));
}

void bilancio::fin4_Click() { m_finestre.mostra(Finestra::Grafici); }


void bilancio::showEvent(QShowEvent* e)
{
    // Opened from a menu as well as from the Azioni window's picture: the lists always offer
    // the holdings as they are now.
    caricanomi(titolidascegliere(m_modulo.azioni.tabelle()));
    QMainWindow::showEvent(e);
}
