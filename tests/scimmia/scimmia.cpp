// The random-input run: the whole program with an example portfolio and balance loaded, and
// thousands of seeded random events fired at whatever windows are on screen. Dialogs are
// answered at random (never "yes" to leaving), files live in a scratch folder. It fails on a
// crash, a sanitizer report, a hang (a watchdog aborts with the last events), or when the
// Azioni grid no longer shows what the Portfolio's tables hold.
//
// SCIMMIA_SEME     the seed (a number; default 1)
// SCIMMIA_EVENTI   how many events (default 400)
// SCIMMIA_SECONDI  stop after this many seconds, whatever the count (default: no limit)
// SCIMMIA_ATTESA   seconds without progress that make a hang (default 60)
// SCIMMIA_VERBOSO  1: every event is printed as it is fired
// SCIMMIA_CONSERVA 1: the scratch folder is kept

#include "balance/archiviobilancio.h"
#include "balance/frmbilancio.h"
#include "balance/vendite.h"
#include "card/singola.h"
#include "plan/piano.h"
#include "doppi.h"
#include "portfolio/archivio.h"
#include "portfolio/frmazioni.h"
#include "shared/cartelle.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/filedistribuiti.h"
#include "shell/finestre.h"
#include "shell/frmsplash.h"
#include "controlli.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include "shell/casellatesto.h"
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// ---- The log of the last events, readable from a signal handler and from the watchdog ----

class Diario {
public:
    static constexpr int righe = 60;
    static constexpr int lunghezza = 300;

    void scrivi(const QString& testo)
    {
        const long k = m_scritte.load(std::memory_order_relaxed);
        auto& r = m_righe[std::size_t(k % righe)];
        const QByteArray b = testo.toUtf8().left(lunghezza - 1);
        std::memcpy(r.data(), b.constData(), std::size_t(b.size()));
        r[std::size_t(b.size())] = '\0';
        m_scritte.store(k + 1, std::memory_order_release);
        if (verboso) {
            std::fprintf(stderr, "%s\n", r.data());
            std::fflush(stderr);
        }
    }
    // Only write(2): safe in a signal handler.
    void stampa() const
    {
        const long fine = m_scritte.load(std::memory_order_acquire);
        scrivifd("scimmia: gli ultimi eventi:\n");
        for (long k = std::max(0L, fine - righe); k < fine; ++k) {
            scrivifd("  ");
            scrivifd(m_righe[std::size_t(k % righe)].data());
            scrivifd("\n");
        }
    }
    static void scrivifd(const char* s) { [[maybe_unused]] auto n = ::write(2, s, std::strlen(s)); }

    bool verboso = false;

private:
    std::array<std::array<char, lunghezza>, righe> m_righe{};
    std::atomic<long> m_scritte{0};
};

Diario diario;
std::atomic<long> eventocorrente{0};

void morte()
{
    char testo[120];
    std::snprintf(testo, sizeof testo, "scimmia: interrotta all'evento #%ld\n", eventocorrente.load());
    Diario::scrivifd(testo);
    diario.stampa();
}

void segnale(int n)
{
    morte();
    std::signal(n, SIG_DFL);
    std::raise(n);
}

// ---- Seeded chance ----

class Caso {
public:
    explicit Caso(quint64 seme) : m_g(seme) {}
    int tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_g); }   // a..b included
    bool prob(double p) { return std::uniform_real_distribution<double>(0, 1)(m_g) < p; }
    template <class T> const T& uno(const QList<T>& l) { return l[tra(0, int(l.size()) - 1)]; }
    template <class T, std::size_t N> const T& uno(const std::array<T, N>& l) { return l[std::size_t(tra(0, int(N) - 1))]; }
    // An index by weights.
    int pesato(std::initializer_list<int> pesi)
    {
        int totale = 0;
        for (int p : pesi)
            totale += p;
        int r = tra(0, totale - 1);
        int i = 0;
        for (int p : pesi) {
            if (r < p)
                return i;
            r -= p;
            ++i;
        }
        return i - 1;
    }

private:
    std::mt19937_64 m_g;
};

// ---- Random texts: what a user, a spreadsheet or a cat on the keyboard may type ----

const QList<QString> parole = {
    "Eni", "Fiat", "Generali Ass.", "Telecom Italia", "Banca MPS", "Luxottica Group", "Pirelli e C.",
    "Società Editrice", "Caffè Nerò", "Perù & Figli", "ÀÈÌÒÙ àèéìòù", "Ærø Çedì", "Zürich Versicherung",
    "l'Espresso", "\"virgolette\"", "a,b,c", "Velno-azioni-", "€uro", "100%", "  spazi  ", "TAB\tTAB",
};
const QList<QString> date = {
    "04/01/99", "31/12/98", "01/01/99", "15/06/99", "29/02/00", "31/12/44", "01/01/45", "1/1/1",
    "31/02/99", "00/00/00", "99/99/99", "12.13.99", "01-01-2045", "4/1/1999", "1999-01-04", "15/06/1999",
    "3/3/3", "/ /", "31/12/9", "07/07/07",
};
const QString accentate = QStringLiteral("àèéìòùÀÈÉÌÒÙçÇñÑäöüßœŒ€£°§¿¡«»“”‘’–—…");

QString numerocasuale(Caso& c)
{
    switch (c.tra(0, 9)) {
    case 0: return QString::number(c.tra(0, 999));
    case 1: return QString::number(c.tra(0, 99999)) + u'.' + QString::number(c.tra(0, 999));
    case 2: return QStringLiteral("-") + QString::number(c.tra(1, 5000));
    case 3: return QStringLiteral("1.234,56");
    case 4: return QStringLiteral(".5");
    case 5: return QStringLiteral("1e308");
    case 6: return QStringLiteral("99999999999999999999999");
    case 7: return QStringLiteral("0");
    case 8: return QString::number(c.tra(1, 30)) + u',' + QString::number(c.tra(0, 99));
    default: return QStringLiteral("12.345.678,9 €");
    }
}

QString carattericasuali(Caso& c, int quanti)
{
    QString s;
    s.reserve(quanti);
    for (int i = 0; i < quanti; ++i) {
        switch (c.tra(0, 5)) {
        case 0: s += QChar(u'a' + c.tra(0, 25)); break;
        case 1: s += QChar(u'A' + c.tra(0, 25)); break;
        case 2: s += QChar(u'0' + c.tra(0, 9)); break;
        case 3: s += accentate.at(c.tra(0, int(accentate.size()) - 1)); break;
        case 4: {
            static const QString segni = QStringLiteral(" /.,-;:'\"&%()");
            s += segni.at(c.tra(0, int(segni.size()) - 1));
            break;
        }
        default: s += QChar(char16_t(c.tra(0x20, 0x2FF))); break;
        }
    }
    return s;
}

QString testocasuale(Caso& c)
{
    switch (c.pesato({14, 14, 12, 6, 10, 6, 4, 3, 3, 3})) {
    case 0: return numerocasuale(c);
    case 1: return c.uno(date);
    case 2: return c.uno(parole);
    case 3: return carattericasuali(c, c.tra(1, 8));
    case 4: return carattericasuali(c, c.tra(9, 40));
    case 5: return carattericasuali(c, c.tra(41, 400));
    case 6: return carattericasuali(c, c.tra(401, 40000));   // longer than a box takes
    case 7: return QString(c.tra(1, 5), u' ');
    case 8: return QStringLiteral("😀 𝄞 \u202Eabc \u200B x\u0301 ") + QChar(u'\0') + QStringLiteral("nul");
    default: return QString();
    }
}

// A column of figures as a spreadsheet or a web page copies it.
QString colonnacasuale(Caso& c)
{
    QStringList r;
    const int n = c.tra(2, 130);
    const bool date_ = c.prob(0.2);
    for (int i = 0; i < n; ++i)
        r << (c.prob(0.1) ? testocasuale(c) : date_ ? c.uno(date) : numerocasuale(c));
    const QString fine = c.uno(QList<QString>{"\n", "\r\n", "\r", "\t"});
    QString t = r.join(fine);
    if (c.prob(0.3))
        t += fine;
    return t;
}

// ---- The seams of the run ----

bool domandauscita(const Messaggio& m)
{
    return m.pulsanti == Pulsanti::SiNo && m.testo.startsWith(QStringLiteral("Vuoi uscire da"));
}

class MessaggiScimmia : public Messaggi {
public:
    explicit MessaggiScimmia(Caso& c) : m_caso(c) {}
    Risposta mostra(const Messaggio& m) override
    {
        ++quanti;
        diario.scrivi(QStringLiteral("    messaggio: ") + QString(m.testo).replace(u'\r', u' ').left(150));
        if (m.pulsanti == Pulsanti::SiNo)
            return domandauscita(m) || m_caso.prob(0.5) ? Risposta::No : Risposta::Si;
        return Risposta::Ok;
    }
    long quanti = 0;

private:
    Caso& m_caso;
};

class DialoghiScimmia : public Dialoghi {
public:
    DialoghiScimmia(Caso& c, const QString& cartella, const QString& radice)
        : m_caso(c), m_cartella(cartella), m_radice(radice)
    {
    }
    // Files that must be there when a dialog offers them (the examples), with their bytes.
    std::map<QString, QByteArray> esempi;
    // The next answer of a file dialog, whatever chance says.
    std::optional<QString> prossimo;
    long quanti = 0;

    QString apri(QWidget*, const RichiestaFile& r) override { return file(r, false); }
    QString salva(QWidget*, const RichiestaFile& r) override { return file(r, true); }

    std::optional<QColor> colore(QWidget*, const QColor&) override
    {
        ++quanti;
        if (m_caso.prob(0.3))
            return std::nullopt;
        return QColor(m_caso.tra(0, 255), m_caso.tra(0, 255), m_caso.tra(0, 255));
    }
    std::optional<QString> data(QWidget*, const QString&, const QString& domanda, const QString&) override
    {
        ++quanti;
        diario.scrivi(QStringLiteral("    data chiesta: ") + domanda.left(80));
        if (m_caso.prob(0.3))
            return std::nullopt;
        return m_caso.prob(0.7) ? m_caso.uno(date) : testocasuale(m_caso);
    }

    std::optional<int> scelta(QWidget*, const QString&, const QString& domanda, const QStringList& voci) override
    {
        ++quanti;
        diario.scrivi(QStringLiteral("    scelta chiesta: ") + domanda.left(80));
        if (voci.isEmpty() || m_caso.prob(0.3))
            return std::nullopt;
        return m_caso.tra(0, int(voci.size()) - 1);
    }

    // The examples back in place (a delete item may have removed them, a save overwritten them).
    void ripristina()
    {
        for (const auto& [nome, dati] : esempi) {
            QFile f(nome);
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                f.write(dati);
        }
    }

private:
    QString file(const RichiestaFile& r, bool salvataggio)
    {
        ++quanti;
        QString scelto;
        if (prossimo) {
            scelto = *prossimo;
            prossimo.reset();
        } else {
            scelto = scegli(salvataggio);
        }
        diario.scrivi(QStringLiteral("    dialogo \"%1\" (%2): %3")
                          .arg(r.titolo, salvataggio ? QStringLiteral("salva") : QStringLiteral("apri"),
                               scelto.isEmpty() ? QStringLiteral("annullato") : scelto));
        return scelto;
    }

    QString scegli(bool salvataggio)
    {
        switch (m_caso.pesato({20, 30, 30, 8, 6, 6})) {
        case 0: return QString();   // cancelled
        case 1: {
            // An example, as it ships.
            ripristina();
            QList<QString> nomi;
            for (const auto& e : esempi)
                nomi << e.first;
            return nomi.isEmpty() ? QString() : m_caso.uno(nomi);
        }
        case 2: {
            // Any file of the scratch folder: saved archives, totals files, documents, pictures.
            QStringList tutti;
            QDirIterator it(m_radice, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                tutti << it.next();
            tutti.sort();
            if (tutti.isEmpty() || salvataggio)
                return QDir(m_cartella).filePath(nuovonome());
            return m_caso.uno(tutti);
        }
        case 3: return QDir(m_cartella).filePath(nuovonome());
        case 4: return QDir(m_radice).filePath(QStringLiteral("non-esiste/né-questa/") + nuovonome());   // a folder that is not there
        default: return m_cartella;   // a folder, not a file
        }
    }

    QString nuovonome()
    {
        switch (m_caso.tra(0, 4)) {
        case 0: return QStringLiteral("Velno-azioni-%1").arg(m_caso.tra(1, 5));
        case 1: return QStringLiteral("Velno-bilancio-%1").arg(m_caso.tra(1995, 2045));
        case 2: return QStringLiteral("documento %1.pdf").arg(m_caso.tra(1, 5));
        case 3: return QStringLiteral("perché è così %1").arg(m_caso.tra(1, 5));
        default: return carattericasuali(m_caso, m_caso.tra(1, 12)).remove(u'/');
        }
    }

    Caso& m_caso;
    QString m_cartella;
    QString m_radice;
};

// Whatever the program hands to the desktop (a document for the word processor, a link).
class Desktop : public QObject {
    Q_OBJECT
public slots:
    void apri(const QUrl& u) { diario.scrivi(QStringLiteral("    al desktop: ") + u.toString()); }
};

// ---- The examples ----

// A portfolio of fourteen holdings bought from 1997 to 2000 and twelve monthly quotation
// columns across the euro's start; a balance of eight sales in 1999.
Portfolio portafoglioesempio()
{
    Portfolio p;
    const char* nomi[] = {"Eni", "Fiat", "Generali Ass.", "Telecom Italia", "Enel", "Mediaset", "Pirelli e C.",
                          "Bulgari", "Saipem", "Mediobanca", "Luxottica Group", "Autogrill", "Caffè Società", "Unipol"};
    const int n = 14, colonne = 12;
    for (int i = 1; i <= n; ++i) {
        p.nomititoli[i] = QString::fromUtf8(nomi[i - 1]);
        p.quantitatitoli[i] = QString::number(100 * (i % 5 + 1));
        const int anno = 97 + i % 4;   // 97, 98, 99, 00
        p.dateacquisto[i] = QStringLiteral("%1/%2/%3").arg(10 + i, 2, 10, QChar(u'0')).arg(i % 12 + 1, 2, 10, QChar(u'0'))
                                .arg(anno % 100, 2, 10, QChar(u'0'));
        const double euro = 2.0 + i * 1.37;
        p.prezzititoli[i] = anno < 99 ? QString::number(qRound(euro * 1936.27)) : QString::number(euro, 'f', 2);
        p.notetitoli[i] = QStringLiteral("Note sul titolo %1: già comprato, è così.").arg(i);
        if (i % 3 == 0) {
            p.datestacco[i] = QStringLiteral("20/05/99");
            p.dividendi[i] = QStringLiteral("0.%1").arg(i);
        }
    }
    for (int c = 1; c <= colonne; ++c) {
        const int mese = (9 + c) % 12 + 1;   // from October 1998
        const int anno = c <= 2 ? 98 : 99;
        p.datequotazioni[c] = QStringLiteral("15/%1/%2").arg(mese, 2, 10, QChar(u'0')).arg(anno);
        for (int i = 1; i <= n; ++i) {
            const double euro = 2.0 + i * 1.37 + c * 0.11 * ((i % 3) - 1);
            p.quotazioni(c, i) = anno < 99 ? QString::number(qRound(euro * 1936.27)) : QString::number(euro, 'f', 3);
        }
    }
    p.numerotitoli = n;
    p.numerocolonne = colonne;
    p.strategia = QStringLiteral("Comprare sui ribassi.\nVendere metà a +20%.");
    for (int k = 0; k <= 12; ++k)
        p.notepiano[std::size_t(k)] = QStringLiteral("Nota del periodo %1: più liquidità").arg(k);
    return p;
}

SalesBalance bilancioesempio(const Portfolio& p)
{
    SalesBalance b;
    for (int r = 1; r <= 8; ++r) {
        const int i = r + 1;
        b.nomea[r] = p.nomititoli[i];
        b.dataacquisto[r] = p.dateacquisto[i];
        b.nacq[r] = p.quantitatitoli[i];
        b.prezzo0[r] = p.prezzititoli[i];
        b.datavendita[r] = QStringLiteral("%1/%2/99").arg(r + 10).arg(r, 2, 10, QChar(u'0'));
        b.na[r] = QString::number(50 * (r % 2 + 1));
        b.prezzo[r] = QString::number(qRound((3.0 + r) * 1936.27));
        b.appunti[std::size_t(r)] = p.notetitoli[i];
        calcolariga(b, r);
    }
    b.numerorighe = 8;
    return b;
}

// ---- What the run checks ----

QString diversa(const QString& cosa, const QString& casella, const QString& tabella)
{
    return QStringLiteral("%1: la casella mostra \"%2\", la tabella ha \"%3\"").arg(cosa, casella.left(60), tabella.left(60));
}

// A box's text beside the table cell it shows.
struct Confronto {
    QString cosa, casella, tabella;
};
// The first box of a row (`riga`) that shows other than its cell; empty when all agree.
QString primadifferenza(const QString& riga, std::initializer_list<Confronto> confronti)
{
    for (const Confronto& c : confronti)
        if (c.casella != c.tabella)
            return diversa(riga + c.cosa, c.casella, c.tabella);
    return QString();
}

// Where the Azioni grid shows something other than the tables at its rows and columns.
QString differenzagriglia(frmAzioni& a, const Portfolio& p)
{
    const int primo = a.primotitolo, prima = a.primacolonna;
    if (!Portfolio::titolovalido(primo) || !Portfolio::titolovalido(primo + 9) || !Portfolio::colonnavalida(prima)
        || !Portfolio::colonnavalida(prima + 4))
        return QStringLiteral("la griglia è fuori dalle tabelle: riga %1, colonna %2").arg(primo).arg(prima);
    for (int i = 1; i <= 10; ++i) {
        const int n = primo + i - 1;
        if (const QString numero = trova<QPushButton>(a, "cmdazione", i)->text(); numero != QString::number(n))
            return QStringLiteral("la riga %1 è numerata %2 ma mostra il titolo %3").arg(i).arg(numero).arg(n);
        const QString riga = QStringLiteral("titolo %1 ").arg(n);
        const QString d = primadifferenza(riga, {
            {QStringLiteral("nome"), trova<QComboBox>(a, "nome", i)->currentText(), p.nomititoli[n]},
            {QStringLiteral("quantità"), trova<QLineEdit>(a, "na", i)->text(), p.quantitatitoli[n]},
            {QStringLiteral("prezzo"), trova<QLineEdit>(a, "prezzo", i)->text(), p.prezzititoli[n]},
            {QStringLiteral("data d'acquisto"), trova<QLineEdit>(a, "dataacquisto", i)->text(), p.dateacquisto[n]},
        });
        if (!d.isEmpty())
            return d;
        for (int K = 1; K <= 5; ++K)
            if (const QString q = trova<QLineEdit>(a, "valore", K, i)->text(); q != p.quotazioni(prima + K - 1, n))
                return diversa(riga + QStringLiteral("quotazione %1").arg(prima + K - 1), q, p.quotazioni(prima + K - 1, n));
    }
    for (int j = 1; j <= 5; ++j)
        if (const QString g = trova<QLineEdit>(a, "giorno", j)->text(); g != p.datequotazioni[prima + j - 1])
            return diversa(QStringLiteral("data della colonna %1").arg(prima + j - 1), g, p.datequotazioni[prima + j - 1]);
    return QString();
}

// The line ends and blanks as a multi-line box gives them back.
QString comeriga(QString t)
{
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n')
        .replace(QChar::ParagraphSeparator, u'\n')
        .replace(QChar::LineSeparator, u'\n')
        .replace(QChar::Nbsp, u' ');
}

// The balance's ten lines against the sales they show (the stock box is left out: a name typed
// there is not a choice from the list, and is not kept).
QString differenzabilancio(bilancio& w, const SalesBalance& b)
{
    if (!w.isVisible())
        return QString();
    for (int i = 1; i <= 10; ++i) {
        const int r = b.primariga + i - 1;
        if (!SalesBalance::rigavalida(r))
            return QStringLiteral("la riga %1 del bilancio è fuori dalle tabelle (%2)").arg(i).arg(r);
        if (const QString numero = trova<EtichettaClic>(w, "numero", i)->text(); numero != QString::number(r))
            return QStringLiteral("la riga %1 del bilancio è numerata %2 ma mostra la vendita %3").arg(i).arg(numero).arg(r);
        const auto k = std::size_t(r);
        const QString d = primadifferenza(QStringLiteral("vendita %1 ").arg(r), {
            {QStringLiteral("data di vendita"), trova<QLineEdit>(w, "datavendita", i)->text(), b.datavendita[k]},
            {QStringLiteral("azioni vendute"), trova<QLineEdit>(w, "na", i)->text(), b.na[k]},
            {QStringLiteral("prezzo di vendita"), trova<QLineEdit>(w, "prezzo", i)->text(), b.prezzo[k]},
            {QStringLiteral("data d'acquisto"), trova<QLabel>(w, "dataacquisto", i)->text(), b.dataacquisto[k]},
            {QStringLiteral("azioni possedute"), trova<QLabel>(w, "nacq", i)->text(), b.nacq[k]},
        });
        if (!d.isEmpty())
            return d;
    }
    return QString();
}

// The plan's thirteen notes and the Azioni window's strategy notes against the Portfolio.
QString differenzaappunti(Finestre& f, const Portfolio& p)
{
    if (f.caricata<piano>() && f.finestra<piano>().isVisible())
        for (int k = 0; k <= 12; ++k) {
            const QString casella = trova<CasellaTesto>(f.finestra<piano>(), "Text1", k)->toPlainText();
            if (comeriga(casella) != comeriga(p.notepiano[std::size_t(k)]))
                return diversa(QStringLiteral("piano, nota %1").arg(k), casella, p.notepiano[std::size_t(k)]);
        }
    if (f.azionicaricata()) {
        const QString casella = trova<CasellaTesto>(f.azioni(), "strategia")->toPlainText();
        if (comeriga(casella) != comeriga(p.strategia))
            return diversa(QStringLiteral("appunti di strategia"), casella, p.strategia);
    }
    return QString();
}

// Where the stock card's three boxes show something other than the tables of the holding
// whose number it shows: what is typed there would land on another holding.
QString differenzascheda(singola& s, const Portfolio& p)
{
    // A card out of sight is filled anew whenever it is shown.
    const CasellaTesto* appunti = trova<CasellaTesto>(s, "text1");
    if (!s.isVisible() || !appunti->isEnabled())
        return QString();   // no holding on the card
    const QString numero = trova<QLabel>(s, "Label1")->text();
    bool ok = false;
    const int n = numero.mid(2).trimmed().toInt(&ok);
    if (!ok || !Portfolio::titolovalido(n))
        return QStringLiteral("la scheda mostra le note ma il numero del titolo è \"%1\"").arg(numero);
    const QString riga = QStringLiteral("scheda del titolo %1, ").arg(n);
    if (comeriga(appunti->toPlainText()) != comeriga(p.notetitoli[n]))
        return diversa(riga + QStringLiteral("appunti"), appunti->toPlainText(), p.notetitoli[n]);
    return primadifferenza(riga, {
        {QStringLiteral("data dello stacco"), trova<QLineEdit>(s, "stac")->text(), p.datestacco[n]},
        {QStringLiteral("dividendo"), trova<QLineEdit>(s, "divid")->text(), p.dividendi[n]},
    });
}

// ---- The run ----

QString nomewidget(const QObject* o)
{
    if (!o)
        return QStringLiteral("-");
    QString n = o->objectName();
    if (auto* b = qobject_cast<const QToolButton*>(o); b && n.isEmpty() && b->defaultAction())
        n = b->defaultAction()->objectName();
    QString r = QString::fromLatin1(o->metaObject()->className()) + (n.isEmpty() ? QString() : u' ' + n);
    if (auto* w = qobject_cast<const QWidget*>(o); w && !w->isWindow() && w->window())
        r += QStringLiteral(" (") + w->window()->objectName() + u')';
    return r;
}

QString breve(const QString& t)
{
    QString s = t.left(40);
    s.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r")).replace(u'\t', QStringLiteral("\\t"));
    return t.size() > 40 ? QStringLiteral("«%1…» (%2 caratteri)").arg(s).arg(t.size()) : QStringLiteral("«%1»").arg(s);
}

struct Opzioni {
    quint64 seme = 1;
    long eventi = 400;
    double secondi = 0;
    int attesa = 60;
};

class Scimmia : public QObject {
    Q_OBJECT
public:
    Scimmia(const Opzioni& o, const QString& radice, const QString& cartella)
        : m_opzioni(o), m_caso(o.seme), m_messaggi(m_caso), m_dialoghi(m_caso, cartella, radice), m_cartella(cartella)
    {
    }

    // Runs the whole thing; the process's exit status.
    int esegui()
    {
        preparaesempi();
        avvia();
        QString errore = m_errore;
        m_tempo.start();
        if (errore.isEmpty()) {
            QTimer::singleShot(0, this, &Scimmia::passo);
            m_ciclo = std::make_unique<QEventLoop>();
            m_ciclo->exec();
            errore = m_errore;
        }
        if (errore.isEmpty())
            errore = verificafinale();
        const double secondi = m_tempo.elapsed() / 1000.0;
        std::printf("scimmia: seme %llu, %ld eventi in %.1f s; %ld messaggi, %ld dialoghi, %d riavvii, %ld finestre "
                    "modali chiuse, %ld annullamenti o ripetizioni\n",
                    static_cast<unsigned long long>(m_opzioni.seme), m_fatti, secondi, m_messaggi.quanti,
                    m_dialoghi.quanti, m_riavvii, m_modali, m_ripristini);
        std::fflush(stdout);
        chiudi();
        if (!errore.isEmpty()) {
            std::fprintf(stderr, "scimmia: ERRORE dopo l'evento #%ld: %s\n", m_fatti, qPrintable(errore));
            diario.stampa();
            return 1;
        }
        std::printf("scimmia: nessun errore\n");
        return 0;
    }

private:
    // ---- Start, restart, end ----

    void preparaesempi()
    {
        QDir dir(QStringLiteral(VELNO_SORGENTI "/data/esempi"));
        const QStringList spediti = dir.entryList(QDir::Files, QDir::Name);
        for (const QString& f : spediti) {
            QFile in(dir.filePath(f));
            if (in.open(QIODevice::ReadOnly))
                m_dialoghi.esempi[QDir(m_cartella).filePath(f)] = in.readAll();
        }
        for (const auto& e : m_dialoghi.esempi) {
            const QString nome = QFileInfo(e.first).fileName();
            if (m_archivio.isEmpty() && nome.startsWith(QStringLiteral("Velno-azioni-")))
                m_archivio = e.first;
            if (m_bilancio.isEmpty() && nome.startsWith(QStringLiteral("Velno-bilancio-")))
                m_bilancio = e.first;
        }
        QString errore;
        if (m_archivio.isEmpty()) {
            m_archivio = QDir(m_cartella).filePath(QStringLiteral("Velno-azioni-esempio"));
            m_dialoghi.esempi[m_archivio] = QByteArray();
            const Portfolio p = portafoglioesempio();
            if (!salvaarchivio(p, m_archivio, &errore))
                m_errore = QStringLiteral("l'esempio non si scrive: ") + errore;
            if (m_bilancio.isEmpty()) {
                m_bilancio = QDir(m_cartella).filePath(QStringLiteral("Velno-bilancio-1999"));
                if (!salvabilancio(bilancioesempio(p), m_bilancio, &errore))
                    m_errore = QStringLiteral("l'esempio non si scrive: ") + errore;
            }
        }
        // Files that are no archive at all.
        QFile vuoto(QDir(m_cartella).filePath(QStringLiteral("vuoto")));
        vuoto.open(QIODevice::WriteOnly);
        QFile binario(QDir(m_cartella).filePath(QStringLiteral("Velno-azioni-rotto")));
        if (binario.open(QIODevice::WriteOnly)) {
            QByteArray b;
            for (int i = 0; i < 3000; ++i)
                b += char(m_caso.tra(0, 255));
            binario.write("\"3\",\"2\",\"1\"\r\n" + b);
        }
        for (auto& [nome, dati] : m_dialoghi.esempi) {
            if (dati.isEmpty()) {
                QFile f(nome);
                if (f.open(QIODevice::ReadOnly))
                    dati = f.readAll();
            }
        }
        QFile b(m_bilancio);
        if (b.open(QIODevice::ReadOnly))
            m_dialoghi.esempi[m_bilancio] = b.readAll();
        std::printf("scimmia: esempi %s e %s\n", qPrintable(QFileInfo(m_archivio).fileName()),
                    qPrintable(QFileInfo(m_bilancio).fileName()));
    }

    // The program as it starts: the splash, a click into the Azioni window, the example
    // portfolio opened there and the example balance in the balance window.
    void avvia()
    {
        m_modulo = std::make_unique<ModuloVelno>();
        m_modulo->cartella = m_cartella;
        // The undos and redos that reached a document, for the summary.
        for (DocumentoArchiviato* d : {static_cast<DocumentoArchiviato*>(&m_modulo->azioni),
                                       static_cast<DocumentoArchiviato*>(&m_modulo->vendite)})
            QObject::connect(d, &DocumentoArchiviato::ripristinato, d, [this] { ++m_ripristini; });
        m_finestre = std::make_unique<Finestre>(*m_modulo, m_messaggi, m_dialoghi);
        m_finestre->allafine = [this] {
            diario.scrivi(QStringLiteral("    fine del programma: riavvio"));
            m_riavvio = true;
        };
        frmSplash& s = m_finestre->mostra<frmSplash>();
        QTest::mouseClick(&s, Qt::LeftButton);
        if (!m_finestre->azionicaricata()) {
            m_errore = QStringLiteral("il clic sulla finestra d'avvio non apre la finestra Azioni");
            return;
        }
        frmAzioni& a = m_finestre->azioni();
        m_dialoghi.ripristina();
        m_dialoghi.prossimo = m_archivio;
        a.apri_Click();
        a.fin4_Click();
        bilancio& b = m_finestre->finestra<bilancio>();
        m_dialoghi.prossimo = m_bilancio;
        b.apri_Click();
        if (m_modulo->azioni.dati().numerotitoli == 0 || m_modulo->vendite.tabelle().numerorighe == 0)
            m_errore = QStringLiteral("gli esempi non si sono aperti");
        a.show();
        a.raise();
        QApplication::setActiveWindow(&a);
    }

    void riavvia()
    {
        ++m_riavvii;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_finestre.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        avvia();
    }

    void chiudi()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_finestre.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_modulo.reset();
    }

    // After the run: the grid equals the tables, and the program still answers: a name typed
    // in the Azioni window reaches the Portfolio.
    QString verificafinale()
    {
        chiudipopup();
        if (!m_finestre->azionicaricata())
            riavvia();
        if (!m_errore.isEmpty())
            return m_errore;
        frmAzioni& a = m_finestre->azioni();
        Finestre::portadavanti(a);
        QApplication::setActiveWindow(&a);
        QCoreApplication::processEvents();
        if (QString d = differenze(); !d.isEmpty())
            return QStringLiteral("alla fine, ") + d;
        QLineEdit* casella = trova<QComboBox>(a, "nome", 3)->lineEdit();
        casella->setFocus();
        casella->selectAll();
        QTest::keyClicks(casella, QStringLiteral("Risponde"));
        QCoreApplication::processEvents();
        const int n = a.primotitolo + 2;
        if (m_modulo->azioni.dati().nomititoli[n] != u"Risponde")
            return QStringLiteral("alla fine il programma non risponde: il nome scritto nella riga 3 non è nella tabella (\"%1\")")
                .arg(m_modulo->azioni.dati().nomititoli[n]);
        return differenzagriglia(a, m_modulo->azioni.dati());
    }

    // Every window on screen that shows the tables, against them.
    QString differenze()
    {
        const Portfolio& p = m_modulo->azioni.dati();
        QString d = differenzagriglia(m_finestre->azioni(), p);
        if (d.isEmpty() && m_finestre->caricata<singola>())
            d = differenzascheda(m_finestre->finestra<singola>(), p);
        if (d.isEmpty() && m_finestre->caricata<bilancio>())
            d = differenzabilancio(m_finestre->finestra<bilancio>(), m_modulo->vendite.dati());
        if (d.isEmpty())
            d = differenzaappunti(*m_finestre, p);
        return d;
    }

    // ---- One step ----

    void passo()
    {
        if (profondita > 0) {
            // Inside a dialog's or a menu's own loop: only what is on top can be used. Each step
            // is a single-shot timer of its own, since a timer does not fire inside its own handler.
            ++m_annidati;
            QTimer::singleShot(m_annidati > 5 ? 10 : 0, this, &Scimmia::passo);
            if (chiudipopup(m_annidati > 5) || m_annidati < 3)
                return;
            // No dialog and no menu: a drag, most likely. Escape ends it, as for a user.
            QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            annota(QStringLiteral("Esc in un ciclo annidato su ") + nomewidget(w));
            if (w)
                QTest::keyClick(w, Qt::Key_Escape);
            return;
        }
        m_annidati = 0;
        if (m_riavvio) {
            m_riavvio = false;
            riavvia();
            if (!m_errore.isEmpty()) {
                m_ciclo->quit();
                return;
            }
        }
        // What the last event did to the grid, once its posted events have run.
        if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget() && m_finestre->azionicaricata()) {
            QString d = differenze();
            if (!d.isEmpty()) {
                m_errore = d;
                m_ciclo->quit();
                return;
            }
        }
        const bool tempo = m_opzioni.secondi > 0 && m_tempo.elapsed() >= m_opzioni.secondi * 1000;
        if (m_fatti >= m_opzioni.eventi || tempo) {
            m_ciclo->quit();
            return;
        }
        ++m_fatti;
        eventocorrente = m_fatti;
        // The next step is asked for first: it runs in the loop of a dialog this event opens.
        QTimer::singleShot(0, this, &Scimmia::passo);
        ++profondita;
        evento();
        --profondita;
        if (m_fatti % 1000 == 0) {
            std::printf("scimmia: %ld eventi, %.0f s\n", m_fatti, m_tempo.elapsed() / 1000.0);
            std::fflush(stdout);
        }
    }

    void annota(const QString& testo) { diario.scrivi(QStringLiteral("#%1 %2").arg(m_fatti).arg(testo)); }

    // A popup (a menu, a list) or a modal dialog on top: the event goes there. True when one was.
    bool chiudipopup(bool forza = false)
    {
        if (QWidget* p = QApplication::activePopupWidget()) {
            if (forza) {
                annota(QStringLiteral("chiude il popup ") + nomewidget(p));
                p->close();
            } else {
                usapopup(p);
            }
            return true;
        }
        if (QWidget* m = QApplication::activeModalWidget()) {
            ++m_modali;
            annota(QStringLiteral("chiude la finestra modale ") + nomewidget(m));
            if (auto* d = qobject_cast<QDialog*>(m))
                d->reject();
            else
                m->close();
            return true;
        }
        return false;
    }

    void usapopup(QWidget* p)
    {
        QPointer<QWidget> popup(p);
        if (auto* menu = qobject_cast<QMenu*>(p)) {
            QList<QAction*> voci;
            for (QAction* a : menu->actions())
                if (!a->isSeparator() && a->isVisible())
                    voci << a;
            const int scelta = m_caso.pesato({15, 10, 75});
            if (scelta == 0 || voci.isEmpty()) {
                annota(QStringLiteral("Esc sul menu ") + nomewidget(menu));
                QTest::keyClick(menu, Qt::Key_Escape);
            } else if (scelta == 1) {
                annota(QStringLiteral("chiude il menu ") + nomewidget(menu));
                menu->close();
            } else {
                QAction* a = m_caso.uno(voci);
                annota(QStringLiteral("sceglie la voce \"%1\" del menu %2").arg(a->text(), nomewidget(menu)));
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            }
        } else {
            // A combo box's list, or another popup.
            QWidget* fuoco = p->focusWidget() ? p->focusWidget() : p;
            switch (m_caso.pesato({30, 20, 30, 20})) {
            case 0:
            case 1: {
                const Qt::Key k = m_caso.uno(QList<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End});
                annota(QStringLiteral("tasto %1 sul popup ").arg(QKeySequence(k).toString()) + nomewidget(fuoco));
                QTest::keyClick(fuoco, k);
                break;
            }
            case 2:
                annota(QStringLiteral("Invio sul popup ") + nomewidget(fuoco));
                QTest::keyClick(fuoco, Qt::Key_Return);
                break;
            default:
                annota(QStringLiteral("Esc sul popup ") + nomewidget(fuoco));
                QTest::keyClick(fuoco, Qt::Key_Escape);
                break;
            }
        }
        // A popup that ignored every key is closed as a click elsewhere would.
        if (popup && popup == QApplication::activePopupWidget() && m_caso.prob(0.2))
            popup->close();
    }

    // The program's windows on screen, in an order that does not depend on addresses.
    QList<QWidget*> finestre() const
    {
        QList<QWidget*> r;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            // Toolbars that slide into place would put a click on another button depending on
            // the machine's speed: the run must be the same for the same seed.
            if (auto* m = qobject_cast<QMainWindow*>(w); m && m->isAnimated())
                m->setAnimated(false);
            const Qt::WindowType t = w->windowType();
            if (!w->isVisible() || (t != Qt::Window && t != Qt::Dialog && t != Qt::SplashScreen && t != Qt::Tool))
                continue;
            r << w;
        }
        const QList<frmDocumento*> documenti = m_finestre->documenti();
        std::sort(r.begin(), r.end(), [&](QWidget* a, QWidget* b) {
            const QString ka = nomewidget(a), kb = nomewidget(b);
            if (ka != kb)
                return ka < kb;
            return documenti.indexOf(qobject_cast<frmDocumento*>(a)) < documenti.indexOf(qobject_cast<frmDocumento*>(b));
        });
        return r;
    }

    // The windows that hold data count four times a help page, a document or the tips.
    QWidget* sceglifinestra(const QList<QWidget*>& aperte)
    {
        static const QStringList dati = {"frmAzioni", "singola", "grafici", "classifica", "bilancio", "mensile", "piano", "cancella"};
        QList<QWidget*> pesate;
        for (QWidget* w : aperte)
            for (int k = dati.contains(w->objectName()) ? 4 : 1; k > 0; --k)
                pesate << w;
        return m_caso.uno(pesate);
    }

    QList<QWidget*> controlli(QWidget* finestra, bool soloattivi) const
    {
        QList<QWidget*> r;
        for (QWidget* w : finestra->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->width() <= 0 || w->height() <= 0 || w->isWindow())
                continue;
            if (soloattivi && !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)
                                || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QMenuBar*>(w)
                                || w->objectName() == u"qt_scrollarea_viewport"))
                continue;
            r << w;
        }
        return r;
    }

    QList<QWidget*> modificabili(QWidget* finestra) const
    {
        QList<QWidget*> r;
        for (QWidget* w : controlli(finestra, false))
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)
                || qobject_cast<QComboBox*>(w))
                r << w;
        return r;
    }

    QList<QAction*> voci(QWidget* finestra) const
    {
        QList<QAction*> r;
        std::function<void(const QList<QAction*>&)> raccogli = [&](const QList<QAction*>& l) {
            for (QAction* a : l) {
                if (a->isSeparator() || !a->isVisible())
                    continue;
                if (QMenu* m = a->menu<QMenu*>())
                    raccogli(m->actions());
                else if (!r.contains(a))
                    r << a;
            }
        };
        for (QMenuBar* b : finestra->findChildren<QMenuBar*>())
            raccogli(b->actions());
        for (QToolBar* t : finestra->findChildren<QToolBar*>())
            raccogli(t->actions());
        return r;
    }

    QPoint puntoin(QWidget* w) { return QPoint(m_caso.tra(0, std::max(0, w->width() - 1)), m_caso.tra(0, std::max(0, w->height() - 1))); }

    void tasto(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mod)
    {
        annota(QStringLiteral("tasto %1 su ").arg(QKeySequence(k | mod).toString()) + nomewidget(w));
        QTest::keyClick(w, k, mod);
    }

    // Types a text into w, one key at a time, or at once when long (as an input method would).
    void scrivi(QWidget* w, const QString& t)
    {
        annota(QStringLiteral("scrive %1 in %2").arg(breve(t), nomewidget(w)));
        QPointer<QWidget> dove(w);
        if (t.size() > 60) {
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, t, Qt::NoModifier);
            return;
        }
        for (QChar c : t) {
            if (!dove || QApplication::activePopupWidget() || QApplication::activeModalWidget())
                return;
            Qt::Key k = Qt::Key_unknown;
            if (c >= u'a' && c <= u'z')
                k = Qt::Key(Qt::Key_A + (c.unicode() - u'a'));
            else if (c >= u'A' && c <= u'Z')
                k = Qt::Key(Qt::Key_A + (c.unicode() - u'A'));
            else if (c >= u'0' && c <= u'9')
                k = Qt::Key(Qt::Key_0 + (c.unicode() - u'0'));
            else if (c == u' ')
                k = Qt::Key_Space;
            else if (c == u'\t')
                k = Qt::Key_Tab;
            else if (c == u'\n' || c == u'\r')
                k = Qt::Key_Return;
            QTest::sendKeyEvent(QTest::Click, w, k, QString(c), Qt::NoModifier);
        }
    }

    void incolla(QWidget* w)
    {
        QClipboard* appunti = QGuiApplication::clipboard();
        QString cosa;
        switch (m_caso.pesato({25, 30, 10, 5, 5, 25})) {
        case 0:
            cosa = testocasuale(m_caso);
            appunti->setText(cosa);
            break;
        case 1:
            cosa = colonnacasuale(m_caso);
            appunti->setText(cosa);
            break;
        case 2: {
            QStringList campi;
            for (int i = m_caso.tra(2, 20); i > 0; --i)
                campi << numerocasuale(m_caso);
            cosa = campi.join(u'\t');
            appunti->setText(cosa);
            break;
        }
        case 3: {
            auto* d = new QMimeData;
            d->setHtml(QStringLiteral("<table><tr><td>1,5</td></tr><tr><td>2,75</td></tr></table>"));
            appunti->setMimeData(d);
            cosa = QStringLiteral("(html)");
            break;
        }
        case 4: {
            auto* d = new QMimeData;
            d->setImageData(QImage(4, 4, QImage::Format_RGB32));
            appunti->setMimeData(d);
            cosa = QStringLiteral("(immagine)");
            break;
        }
        default:
            // On X11 the clipboard really can belong to nobody; elsewhere it is made to look so.
            if (QGuiApplication::platformName() == u"xcb" && m_caso.prob(0.5)) {
                appunti->clear(QClipboard::Clipboard);
                appunti->clear(QClipboard::Selection);
            } else {
                appuntivuoti();
            }
            cosa = QStringLiteral("(appunti di nessuno)");
            break;
        }
        annota(QStringLiteral("incolla %1 in %2").arg(cosa.startsWith(u'(') ? cosa : breve(cosa), nomewidget(w)));
        w->setFocus();
        switch (m_caso.tra(0, 3)) {
        case 0: QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier); break;
        case 1: QTest::mouseClick(w, Qt::MiddleButton, {}, puntoin(w)); break;
        default: QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); break;
        }
    }

    void evento()
    {
        // A modal dialog or a popup takes every event.
        if (chiudipopup())
            return;
        const QList<QWidget*> aperte = finestre();
        if (aperte.isEmpty()) {
            // Nothing on screen: the program as it starts again.
            annota(QStringLiteral("nessuna finestra: riavvio"));
            m_riavvio = true;
            return;
        }
        // Documents are closed now and then, as a user would.
        const QList<frmDocumento*> documenti = m_finestre->documenti();
        if (documenti.size() > 3 || (!documenti.isEmpty() && m_caso.prob(0.02))) {
            annota(QStringLiteral("chiude un documento"));
            documenti.first()->close();
            return;
        }
        QWidget* attiva = QApplication::activeWindow();
        QWidget* f = attiva && aperte.contains(attiva) && m_caso.prob(0.5) ? attiva : sceglifinestra(aperte);
        if (f->isMinimized()) {
            annota(QStringLiteral("riprende dalla barra ") + nomewidget(f));
            f->showNormal();
            QApplication::setActiveWindow(f);
            return;
        }
        if (f != QApplication::activeWindow()) {
            f->raise();
            QApplication::setActiveWindow(f);
        }
        QPointer<QWidget> finestra(f);
        int tipo = m_caso.pesato({22, 12, 24, 3, 8, 10, 4, 7, 3, 2, 3, 5, 2});
        if ((tipo == 0 || tipo == 7) && modificabili(f).isEmpty())
            tipo = 2;   // nothing to type into: a click
        switch (tipo) {
        case 0: {   // text
            const QList<QWidget*> m = modificabili(f);
            QWidget* w = m_caso.uno(m);
            w->setFocus();
            switch (m_caso.pesato({60, 15, 25})) {
            case 1:
                QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);   // a window's shortcut, or select all
                break;
            case 2:
                // Over what was there, selected with the mouse.
                if (auto* l = qobject_cast<QLineEdit*>(w))
                    l->selectAll();
                else if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
                    c->lineEdit()->selectAll();
                else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
                    t->selectAll();
                break;
            default:
                break;
            }
            if (!w || QApplication::activePopupWidget() || QApplication::activeModalWidget())
                break;
            scrivi(w, testocasuale(m_caso));
            break;
        }
        case 1: {   // a key
            static const QList<Qt::Key> tasti = {
                Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace,
                Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_F1, Qt::Key_F4, Qt::Key_F10, Qt::Key_Insert,
                Qt::Key_Menu, Qt::Key_Z, Qt::Key_Y, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_A, Qt::Key_S, Qt::Key_P,
                Qt::Key_W, Qt::Key_Q, Qt::Key_F, Qt::Key_E, Qt::Key_N};
            const Qt::Key k = m_caso.uno(tasti);
            Qt::KeyboardModifiers mod;
            switch (m_caso.pesato({40, 30, 20, 10})) {
            case 1: mod = Qt::ControlModifier; break;
            case 2: mod = Qt::AltModifier; break;
            case 3: mod = Qt::ShiftModifier | (m_caso.prob(0.5) ? Qt::ControlModifier : Qt::NoModifier); break;
            default: break;
            }
            QWidget* w = f->focusWidget() ? f->focusWidget() : f;
            tasto(w, k, mod);
            break;
        }
        case 2: {   // a click
            const QList<QWidget*> c = controlli(f, m_caso.prob(0.7));
            QWidget* w = c.isEmpty() ? f : m_caso.uno(c);
            const QPoint pt = puntoin(w);
            switch (m_caso.pesato({80, 8, 6, 6})) {
            case 1: {
                annota(QStringLiteral("menu contestuale su ") + nomewidget(w));
                QContextMenuEvent e(QContextMenuEvent::Mouse, pt, w->mapToGlobal(pt));
                QApplication::sendEvent(w, &e);
                break;
            }
            case 2:
                annota(QStringLiteral("doppio clic su ") + nomewidget(w));
                QTest::mouseDClick(w, Qt::LeftButton, {}, pt);
                break;
            case 3: {
                annota(QStringLiteral("trascina su ") + nomewidget(w));
                QTest::mousePress(w, Qt::LeftButton, {}, pt);
                if (w) {
                    const QPoint fine = puntoin(w);
                    QMouseEvent mv(QEvent::MouseMove, fine, w->mapToGlobal(fine), Qt::NoButton, Qt::LeftButton, {});
                    QApplication::sendEvent(w, &mv);
                    QTest::mouseRelease(w, Qt::LeftButton, {}, fine);
                }
                break;
            }
            default:
                annota(QStringLiteral("clic su %1 in (%2,%3)").arg(nomewidget(w)).arg(pt.x()).arg(pt.y()));
                QTest::mouseClick(w, Qt::LeftButton, {}, pt);
                break;
            }
            break;
        }
        case 3: {   // the mouse passing over
            const QList<QWidget*> c = controlli(f, false);
            QWidget* w = c.isEmpty() ? f : m_caso.uno(c);
            const QPoint pt = puntoin(w);
            annota(QStringLiteral("il mouse passa su ") + nomewidget(w));
            QMouseEvent mv(QEvent::MouseMove, pt, w->mapToGlobal(pt), Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(w, &mv);
            break;
        }
        case 4: {   // a scroll bar or a wheel
            QList<QAbstractSlider*> barre;
            for (QAbstractSlider* s : f->findChildren<QAbstractSlider*>())
                if (s->isVisible() && s->isEnabled())
                    barre << s;
            if (barre.isEmpty() || m_caso.prob(0.2)) {
                const QList<QWidget*> c = controlli(f, false);
                QWidget* w = c.isEmpty() ? f : m_caso.uno(c);
                const QPoint pt = puntoin(w);
                const int delta = m_caso.uno(QList<int>{120, -120, 360, -360, 15});
                annota(QStringLiteral("rotella %1 su ").arg(delta) + nomewidget(w));
                QWheelEvent e(pt, w->mapToGlobal(pt), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
                QApplication::sendEvent(w, &e);
                break;
            }
            QAbstractSlider* s = m_caso.uno(barre);
            if (m_caso.prob(0.5)) {
                const int v = m_caso.prob(0.2) ? (m_caso.prob(0.5) ? s->minimum() : s->maximum()) : m_caso.tra(s->minimum(), s->maximum());
                annota(QStringLiteral("porta %1 a %2").arg(nomewidget(s)).arg(v));
                s->setSliderDown(true);
                s->setSliderPosition(v);
                s->setSliderDown(false);
            } else {
                const auto azione = m_caso.uno(QList<QAbstractSlider::SliderAction>{
                    QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderPageStepAdd,
                    QAbstractSlider::SliderPageStepSub, QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum});
                annota(QStringLiteral("muove %1 (%2)").arg(nomewidget(s)).arg(int(azione)));
                s->triggerAction(azione);
            }
            break;
        }
        case 5: {   // a menu item or a toolbar button
            const QList<QAction*> v = voci(f);
            if (v.isEmpty())
                break;
            QAction* a = m_caso.uno(v);
            annota(QStringLiteral("voce \"%1\" (%2) di ").arg(a->text(), a->objectName()) + nomewidget(f));
            QWidget* pulsante = nullptr;
            for (QToolBar* t : f->findChildren<QToolBar*>())
                if (QWidget* b = t->widgetForAction(a); b && b->isVisible())
                    pulsante = b;
            if (pulsante && m_caso.prob(0.7))
                QTest::mouseClick(pulsante, Qt::LeftButton);
            else
                a->trigger();
            break;
        }
        case 6: {   // a shortcut of the window
            QList<QKeySequence> s;
            for (QAction* a : voci(f))
                if (!a->shortcut().isEmpty())
                    s << a->shortcut();
            s << QKeySequence(Qt::ALT | Qt::Key_F) << QKeySequence(Qt::ALT | Qt::Key_V) << QKeySequence(Qt::ALT | Qt::Key_M)
              << QKeySequence(Qt::ALT | Qt::Key_N) << QKeySequence(Qt::ALT | Qt::Key_C) << QKeySequence(Qt::ALT | Qt::Key_G);
            const QKeyCombination k = m_caso.uno(s)[0];
            QWidget* w = f->focusWidget() ? f->focusWidget() : f;
            tasto(w, k.key(), k.keyboardModifiers());
            break;
        }
        case 7: {   // a paste
            incolla(m_caso.uno(modificabili(f)));
            break;
        }
        case 8: {   // a new size
            switch (m_caso.tra(0, 6)) {
            case 0:
                annota(QStringLiteral("riduce a icona ") + nomewidget(f));
                f->showMinimized();
                break;
            case 1:
                annota(QStringLiteral("ingrandisce ") + nomewidget(f));
                f->showMaximized();
                break;
            case 2:
                annota(QStringLiteral("ripristina ") + nomewidget(f));
                f->showNormal();
                break;
            default: {
                const QSize d = m_caso.prob(0.3) ? QSize(m_caso.tra(0, 60), m_caso.tra(0, 60))
                                                 : QSize(m_caso.tra(100, 2600), m_caso.tra(80, 2000));
                annota(QStringLiteral("ridimensiona %1 a %2x%3").arg(nomewidget(f)).arg(d.width()).arg(d.height()));
                f->resize(d);
                break;
            }
            }
            break;
        }
        case 9: {   // closed from the title bar
            annota(QStringLiteral("chiude ") + nomewidget(f));
            f->close();
            break;
        }
        case 10: {   // a list opened from the keyboard
            QList<QWidget*> elenchi;
            for (QComboBox* c : f->findChildren<QComboBox*>())
                if (c->isVisible())
                    elenchi << c;
            if (elenchi.isEmpty())
                break;
            QWidget* c = m_caso.uno(elenchi);
            c->setFocus();
            tasto(c, m_caso.uno(QList<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_F4}),
                  m_caso.prob(0.3) ? Qt::AltModifier : Qt::NoModifier);
            break;
        }
        case 11: {   // undo and redo from the keyboard, a few times over
            QWidget* w = f->focusWidget() ? f->focusWidget() : f;
            for (int volte = m_caso.tra(1, 6); volte > 0 && w && !QApplication::activeModalWidget(); --volte) {
                switch (m_caso.pesato({60, 25, 15})) {
                case 0: tasto(w, Qt::Key_Z, Qt::ControlModifier); break;
                case 1: tasto(w, Qt::Key_Y, Qt::ControlModifier); break;
                default: tasto(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); break;
                }
                w = finestra && finestra->focusWidget() ? finestra->focusWidget() : nullptr;
            }
            break;
        }
                default: {   // another window to the front
            QWidget* altra = m_caso.uno(aperte);
            annota(QStringLiteral("porta davanti ") + nomewidget(altra));
            altra->raise();
            QApplication::setActiveWindow(altra);
            break;
        }
        }
        Q_UNUSED(finestra);
    }

    Opzioni m_opzioni;
    Caso m_caso;
    MessaggiScimmia m_messaggi;
    DialoghiScimmia m_dialoghi;
    QString m_cartella;
    QString m_archivio, m_bilancio;
    std::unique_ptr<ModuloVelno> m_modulo;
    std::unique_ptr<Finestre> m_finestre;
    std::unique_ptr<QEventLoop> m_ciclo;
    QElapsedTimer m_tempo;
    QString m_errore;
    long m_fatti = 0;
    long m_modali = 0;
    int m_riavvii = 0;
    long m_ripristini = 0;
    bool m_riavvio = false;
    int profondita = 0;   // > 0 while an event is being handled: a step now runs in a nested loop
    int m_annidati = 0;   // steps in the current nested loop
};

long numero(const char* nome, long predefinito)
{
    const QByteArray v = qgetenv(nome);
    bool ok = false;
    const long n = v.toLong(&ok);
    return ok ? n : predefinito;
}

QtMessageHandler gestoreqt = nullptr;
void avvisiqt(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    // The test library's own complaints about events nobody took are the run's noise.
    if (testo.contains(QStringLiteral("not accepted by receiving widget")))
        return;
    if (tipo == QtFatalMsg || tipo == QtCriticalMsg || diario.verboso)
        gestoreqt(tipo, contesto, testo);
    diario.scrivi(QStringLiteral("    qt: ") + testo.left(200));
}

} // namespace

int main(int argc, char** argv)
{
    Opzioni o;
    o.seme = quint64(numero("SCIMMIA_SEME", 1));
    o.eventi = numero("SCIMMIA_EVENTI", 400);
    o.secondi = double(numero("SCIMMIA_SECONDI", 0));
    o.attesa = int(numero("SCIMMIA_ATTESA", 60));
    diario.verboso = numero("SCIMMIA_VERBOSO", 0) != 0;

    // Everything the program may write lands in a scratch folder: home, the desktop's
    // folders, the temporary files and the current folder.
    QTemporaryDir radice(QDir::tempPath() + QStringLiteral("/scimmia-XXXXXX"));
    if (!radice.isValid()) {
        std::fprintf(stderr, "scimmia: nessuna cartella temporanea\n");
        return 2;
    }
    radice.setAutoRemove(numero("SCIMMIA_CONSERVA", 0) == 0);
    const QString casa = radice.filePath(QStringLiteral("casa"));
    for (const char* d : {"casa/.config", "casa/.local/share", "casa/.cache", "run", "tmp"})
        QDir().mkpath(radice.filePath(QString::fromLatin1(d)));
    QFile::setPermissions(radice.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", casa.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (casa + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (casa + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (casa + QStringLiteral("/.cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", radice.filePath(QStringLiteral("run")).toLocal8Bit());
    qputenv("TMPDIR", radice.filePath(QStringLiteral("tmp")).toLocal8Bit());
    if (!QDir::setCurrent(radice.path()))
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::signal(SIGABRT, segnale);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(morte);
#else
    for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, segnale);
#endif

    QApplication app(argc, argv);
    gestoreqt = qInstallMessageHandler(avvisiqt);
    // No effect that takes time: the same seed makes the same run on a fast or a slow machine.
    for (Qt::UIEffect e : {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo, Qt::UI_AnimateTooltip,
                           Qt::UI_FadeTooltip, Qt::UI_AnimateToolBox})
        QApplication::setEffectEnabled(e, false);
    preparaapplicazione();
    impostacartelledistribuite({QStringLiteral(VELNO_SORGENTI "/data")});
    Desktop desktop;
    for (const char* schema : {"file", "http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(schema), &desktop, "apri");

    const QString cartella = cartellautente();
    if (!cartella.startsWith(radice.path()) || !preparacartella(cartella, nullptr)) {
        std::fprintf(stderr, "scimmia: la cartella dell'utente %s non è nella cartella di prova\n", qPrintable(cartella));
        return 2;
    }
    std::printf("scimmia: seme %llu, %ld eventi%s, piattaforma %s, cartella %s\n",
                static_cast<unsigned long long>(o.seme), o.eventi,
                o.secondi > 0 ? qPrintable(QStringLiteral(" (al massimo %1 s)").arg(o.secondi)) : "",
                qPrintable(QGuiApplication::platformName()), qPrintable(radice.path()));
    std::fflush(stdout);

    int esito = 0;
    {
        Scimmia scimmia(o, radice.path(), cartella);
        // The watchdog: no step for `attesa` seconds, or a dialog's loop that never ends, is a hang.
        std::atomic<bool> finito{false};
        std::thread guardia([&] {
            long ultimo = -1;
            auto visto = std::chrono::steady_clock::now();
            while (!finito) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const long e = eventocorrente.load();
                const auto ora = std::chrono::steady_clock::now();
                if (e != ultimo) {
                    ultimo = e;
                    visto = ora;
                } else if (!finito && ora - visto > std::chrono::seconds(o.attesa)) {
                    char testo[160];
                    std::snprintf(testo, sizeof testo, "scimmia: BLOCCATA: nessun evento da %d s, all'evento #%ld\n", o.attesa, e);
                    Diario::scrivifd(testo);
                    diario.stampa();
                    // Where the program is stuck, when a debugger is at hand.
                    if (std::system("command -v gdb >/dev/null 2>&1") == 0) {
                        const std::string comando = "gdb -p " + std::to_string(::getpid())
                                                    + " -batch -ex 'thread apply 1 bt 50' 2>/dev/null | grep '^#' >&2";
                        [[maybe_unused]] const int r = std::system(comando.c_str());
                    }
                    std::signal(SIGABRT, SIG_DFL);
                    std::abort();
                }
            }
        });
        esito = scimmia.esegui();
        finito = true;
        guardia.join();
    }
    for (const char* schema : {"file", "http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
    return esito;
}

#include "scimmia.moc"
