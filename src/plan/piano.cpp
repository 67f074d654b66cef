#include "plan/piano.h"
#include "shell/comandi.h"
#include "plan/stampapiano.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shell/casellatesto.h"
#include "shell/finestre.h"

#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

constexpr int larghezzaprogetto = 9600;
constexpr int altezzaprogetto = 6825;

// Verdana and Comic Sans MS are not free: DejaVu Sans and Comic Neue (fonts-comic-neue) stand
// in for them where they are missing.
QFont carattere(const QStringList& famiglie, int punti)
{
    QFont f;
    f.setFamilies(famiglie);
    f.setPointSize(punti);
    return f;
}
QFont verdana() { return carattere({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, 8); }
QFont comic() { return carattere({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 9); }

} // namespace

piano::piano(Finestre& finestre)
    : FinestraVelno(finestre, "piano", QStringLiteral("Velno: piano strategico (finestra n.7 di 7)"))
{
    costruiscicontrolli();
    adatta(QSize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip));
    // The notes outlive the window: loaded again, it shows them; another archive, its own.
    riempi();
    connect(&m_modulo.azioni, &DocumentoAzioni::sostituito, this, &piano::riempi);
    connect(&m_modulo.azioni, &DocumentoAzioni::ripristinato, this, &piano::riempi);
    // No menu: the history's commands are the window's keys.
    const auto [annulla, ripeti] = azionistoria(this, m_modulo.azioni);
    addActions({annulla, ripeti});
    scorciatoiedimenu(this);
    connect(&m_modulo.azioni, &DocumentoAzioni::notecambiate, this, [this] {
        if (!m_scrivendo)
            riempi();
    });
}

piano::~piano() = default;

void piano::costruiscicontrolli()
{
    setFont(QFont(QStringLiteral("Nimbus Sans"), 8));
    resize(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip);

    // The year across the top, then the months in two columns of six.
    auto posto = [](int i, QRect* etichetta, QRect* casella) {
        if (i == 0) {
            *etichetta = QRect(8, 8, 80, 20);
            *casella = QRect(90, 8, 542, 56);
            return;
        }
        const int colonna = (i - 1) / 6, riga = (i - 1) % 6;
        const int y = 72 + riga * 50;
        *etichetta = colonna == 0 ? QRect(8, y, 80, 20) : QRect(324, y, 70, 20);
        *casella = colonna == 0 ? QRect(90, y, 226, 46) : QRect(396, y, 236, 46);
    };
    for (int i = 0; i <= 12; ++i) {
        QRect r1, r2;
        posto(i, &r1, &r2);
        auto* l = new QLabel(periodipiano[std::size_t(i)], this);
        l->setObjectName(QStringLiteral("label2_%1").arg(i));
        l->setFont(comic());
        l->setGeometry(r1);
        label2[std::size_t(i)] = l;

        auto* t = new CasellaTesto(this);
        t->setObjectName(QStringLiteral("Text1_%1").arg(i));
        t->setFont(verdana());
        t->setTabChangesFocus(true);   // TAB moves from note to note
        connect(t, &CasellaTesto::troppolungo, this,
                [this] { mostra(avviso(CasellaTesto::testotroppolungo(), Icona::Esclamativa)); });
        t->setGeometry(r2);
        t->setToolTip(i == 0 ? QStringLiteral("piano strategico per l'intero anno")
                             : QStringLiteral("appunti per il mese di ") + l->text());
        Text1[std::size_t(i)] = t;
        connect(t, &QPlainTextEdit::textChanged, this, [this, i] { Text1_Change(i); });
    }

    passo = new QLabel(QStringLiteral("gli appunti vengono archiviati insieme ai dati delle azioni"), this);
    passo->setObjectName(QStringLiteral("passo"));
    passo->setFont(comic());
    passo->setGeometry(8, 376, 624, 22);

    auto riga = [](int x, int l) { return QRect(x, 414, l, 28); };
    bottone(this, QStringLiteral("stampa"), QStringLiteral("&Stampa"), riga(8, 80), {}, [this] { stampa_Click(); });
    bottone(this, QStringLiteral("indietro"), QStringLiteral("finestra A&zioni"), riga(100, 110),
            QStringLiteral("cliccare per visualizzare la finestra Azioni"), [this] { indietro_Click(); });
    bottone(this, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"), riga(346, 80),
            QStringLiteral("cliccare per avere indicazioni sulla immissione dei dati"), [this] { aiuto_Click(); });
    bottone(this, QStringLiteral("Command1"), QStringLiteral("&Guida in linea"), riga(438, 110),
            QStringLiteral("cliccare per visualizzare il Sommario della guida"), [this] { Command1_Click(); });
    bottone(this, QStringLiteral("cmdesci"), QStringLiteral("US&CITA"), riga(560, 72),
            QStringLiteral("cliccare per uscire da Velno"), [this] { cmdesci_Click(); });
}

void piano::riempi()
{
    // The notes stay as they were read (the box would turn CR LF into LF).
    for (int i = 0; i <= 12; ++i)
        Text1[std::size_t(i)]->aggiornatesto(m_modulo.azioni.tabelle().notepiano[std::size_t(i)]);
}

void piano::Text1_Change(int indice)
{
    const QScopedValueRollback scrivendo(m_scrivendo, true);   // the box typed in shows it already
    m_modulo.azioni.impostanotapiano(indice, Text1[std::size_t(indice)]->toPlainText());
}

void piano::stampa_Click()
{
    if (pianovuoto(m_modulo.azioni.tabelle().notepiano)) {
        mostra(Messaggio{QStringLiteral("Immettere prima i dati."),
                         m_modulo.nomeprogramma + QStringLiteral(": stampa dati finestra"), Icona::Esclamativa});
        return;
    }
    passo->setText(QStringLiteral("sto caricando WORD"));
    std::array<QString, 13> note;
    for (std::size_t i = 0; i < note.size(); ++i)
        note[i] = Text1[i]->toPlainText();
    const auto documento = m_finestre.elaboratore();
    stampapiano(*documento, note);
    passo->setText(QStringLiteral("ho visualizzato i dati su WORD"));
}


void piano::indietro_Click() { m_finestre.mostraazioni(); }
