#include "portfolio/importa.h"
#include "shared/campi.h"
#include "shared/date.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <deque>

namespace {

bool cifra(QChar c) { return c >= u'0' && c <= u'9'; }

// The groups after the first of a number written with thousands separators have three digits.
bool gruppiditre(const QString& intera, QChar separatore)
{
    const QStringList gruppi = intera.split(separatore);
    if (gruppi.constFirst().isEmpty() || gruppi.constFirst().size() > 3)
        return false;
    for (qsizetype k = 1; k < gruppi.size(); ++k)
        if (gruppi[k].size() != 3)
            return false;
    return true;
}

// A list in a message names so many at most, and says how many more (the rest go to the
// message's details): a box of 484 names would be taller than the screen.
constexpr qsizetype elencati = 10;
QString alcuni(const QStringList& voci)
{
    if (voci.size() <= elencati)
        return voci.join(QStringLiteral(", "));
    const qsizetype altri = voci.size() - elencati;
    return voci.mid(0, elencati).join(QStringLiteral(", "))
           + (altri == 1 ? QStringLiteral(" e un altro") : QStringLiteral(" e altri %1").arg(altri));
}

QString elenco(const QList<int>& righe)
{
    QStringList t;
    for (int r : righe)
        t << QString::number(r);
    return t.join(QStringLiteral(", "));
}

} // namespace

namespace {
// Digits with at most one "." or "," and a sign: most figures of a price list, read without
// the general rules below (a list of 16 MB has a million of them).
std::optional<QString> numerosemplice(QStringView t)
{
    qsizetype i = 0, separatori = 0, cifre = 0;
    const bool meno = !t.isEmpty() && t[0] == u'-';
    if (!t.isEmpty() && (t[0] == u'-' || t[0] == u'+'))
        ++i;
    qsizetype sep = -1;
    for (qsizetype k = i; k < t.size(); ++k) {
        if (cifra(t[k]))
            ++cifre;
        else if ((t[k] == u'.' || t[k] == u',') && ++separatori == 1)
            sep = k;
        else
            return std::nullopt;
    }
    if (cifre == 0 || separatori > 1)
        return std::nullopt;
    QStringView intera = sep < 0 ? t.mid(i) : t.mid(i, sep - i);
    const QStringView decimali = sep < 0 ? QStringView() : t.mid(sep + 1);
    QString r;
    r.reserve(t.size() + 1);
    if (meno)
        r += u'-';
    r += intera.isEmpty() ? QStringView(u"0") : intera;
    if (!decimali.isEmpty()) {
        r += u'.';
        r += decimali;
    }
    return r;
}
} // namespace

std::optional<QString> numeroincollato(const QString& testo)
{
    if (auto n = numerosemplice(QStringView(testo).trimmed()))
        return n;
    QString t = testo.trimmed();
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        t = t.mid(1, t.size() - 2).trimmed();
    // Currency and blanks of every kind go: "€ 6,35", "6,35 EUR", "Lit. 12.500", "1 234,5".
    static const QRegularExpression euro(QStringLiteral("(€|\\bEUR\\b|\\bEuro\\b)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lire(QStringLiteral("(\\bLit\\.?|\\bL\\.|\\blire\\b)"), QRegularExpression::CaseInsensitiveOption);
    // Lire have no decimals: "Lit. 14.500" is fourteen thousand five hundred.
    const bool inlire = t.contains(lire);
    t.remove(euro);
    t.remove(lire);
    static const QRegularExpression spazi(QStringLiteral("[\\s\\x{00A0}\\x{202F}']"));
    t.remove(spazi);
    if (t.isEmpty())
        return std::nullopt;
    QString segno;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        if (t.startsWith(u'-'))
            segno = QStringLiteral("-");
        t.remove(0, 1);
    }
    if (t.isEmpty() || !std::all_of(t.begin(), t.end(), [](QChar c) { return cifra(c) || c == u'.' || c == u','; })
        || !std::any_of(t.begin(), t.end(), cifra))
        return std::nullopt;
    const qsizetype punti = t.count(u'.'), virgole = t.count(u',');
    QString intera, decimali;
    bool condecimali = false;
    auto dividi = [&](QChar decimale, QChar migliaia) -> bool {
        const qsizetype d = t.lastIndexOf(decimale);
        intera = d < 0 ? t : t.left(d);
        decimali = d < 0 ? QString() : t.mid(d + 1);
        condecimali = d >= 0;
        if (decimali.contains(u'.') || decimali.contains(u','))
            return false;
        if (intera.contains(migliaia)) {
            if (!gruppiditre(intera, migliaia))
                return false;
            intera.remove(migliaia);
        }
        return !intera.contains(decimale);
    };
    bool ok = false;
    if (punti > 0 && virgole > 0)
        ok = t.lastIndexOf(u',') > t.lastIndexOf(u'.') ? dividi(u',', u'.') : dividi(u'.', u',');
    else if (virgole == 1)
        ok = dividi(u',', u'.');
    else if (punti == 1 && inlire && gruppiditre(t, u'.'))
        ok = (intera = QString(t).remove(u'.'), true);
    else if (punti == 1)
        ok = dividi(u'.', u',');
    else if (virgole > 1)
        ok = gruppiditre(t, u',') && (intera = QString(t).remove(u','), true);
    else if (punti > 1)
        ok = gruppiditre(t, u'.') && (intera = QString(t).remove(u'.'), true);
    else
        ok = (intera = t, true);
    if (!ok || (intera.isEmpty() && decimali.isEmpty()))
        return std::nullopt;
    if (intera.isEmpty())
        intera = QStringLiteral("0");
    QString r = segno + intera;
    if (condecimali && !decimali.isEmpty())
        r += u'.' + decimali;
    return r;
}

std::optional<QString> dataincollata(const QString& testo, bool mesegiorno)
{
    QString t = testo.trimmed();
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        t = t.mid(1, t.size() - 2).trimmed();
    // A spreadsheet's date and time: the time goes.
    t = t.section(u' ', 0, 0);
    std::optional<QDate> d;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    if (const auto m = iso.match(t); m.hasMatch()) {
        const QDate q(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (q.isValid())
            d = q;
    } else {
        if (mesegiorno) {
            static const QRegularExpression parti(QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{2}|\\d{4})$"));
            if (const auto m = parti.match(t); m.hasMatch())
                t = m.captured(3) + m.captured(2) + m.captured(1) + m.captured(2) + m.captured(4);
        }
        d = convertidata(t);
    }
    // Only the years a two-digit year can name: 1945..2044.
    if (!d || d->year() < 1945 || d->year() > 2044)
        return std::nullopt;
    return d->toString(QStringLiteral("dd/MM/yy"));
}

QStringList righeincollate(const QString& testo)
{
    QString t = testo;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    QStringList righe = t.split(u'\n');
    while (!righe.isEmpty() && righe.constLast().trimmed().isEmpty())
        righe.removeLast();
    return righe;
}

QStringList campiincollati(const QString& testo)
{
    QStringList campi;
    for (const QString& riga : righeincollate(testo))
        campi += riga.split(u'\t');
    while (!campi.isEmpty() && campi.constLast().trimmed().isEmpty())
        campi.removeLast();
    return campi;
}

Messaggio EsitoIncolla::riepilogo(const QString& titolo, const QString& cosa) const
{
    if (rifiuto)
        return *rifiuto;
    QString t;
    const QString plurale = cosa == u"date" ? QStringLiteral("date") : QStringLiteral("quotazioni");
    const QString singolare = cosa == u"date" ? QStringLiteral("data") : QStringLiteral("quotazione");
    if (collocati == 0)
        t = QStringLiteral("Nessuna %1 inserita.").arg(singolare);
    else if (collocati == 1)
        t = QStringLiteral("È stata inserita 1 %1.").arg(singolare);
    else
        t = QStringLiteral("Sono state inserite %1 %2.").arg(collocati).arg(plurale);
    if (!saltate.isEmpty())
        t += QStringLiteral(" Righe lasciate come erano perché non sono %1: %2.")
                 .arg(cosa == u"date" ? QStringLiteral("date") : QStringLiteral("numeri"), elenco(saltate));
    return Messaggio{t, titolo, collocati == 0 ? Icona::Esclamativa : Icona::Informativa};
}

EsitoIncolla incollacolonna(Portfolio& p, int colonna, int titolo, const QString& testo, const QString& titolomessaggi)
{
    EsitoIncolla e;
    const QStringList righe = righeincollate(testo);
    if (colonna > Portfolio::maxcolonne) {
        e.rifiuto = Messaggio{QStringLiteral("Non è possibile digitare oltre trecento quotazioni: eliminarne qualcuna non più utile."),
                              titolomessaggi, Icona::Critica};
        return e;
    }
    if (titolo + righe.size() - 1 > Portfolio::maxtitoli) {
        e.rifiuto = Messaggio{QStringLiteral("Non è possibile inserire dati di più di cento titoli."), titolomessaggi,
                              Icona::Critica};
        return e;
    }
    for (qsizetype k = 0; k < righe.size(); ++k) {
        const auto n = numeroincollato(righe[k].section(u'\t', 0, 0));
        if (!n) {
            e.saltate << int(k + 1);
            continue;
        }
        p.quotazioni(colonna, titolo + int(k)) = *n;
        ++e.collocati;
    }
    return e;
}

EsitoIncolla incolladate(Portfolio& p, int colonna, const QString& testo, const QString& titolomessaggi)
{
    EsitoIncolla e;
    const QStringList campi = campiincollati(testo);
    if (colonna + campi.size() - 1 > Portfolio::maxcolonne) {
        e.rifiuto = Messaggio{QStringLiteral("Non si possono digitare più di trecento date di quotazioni: eliminare prima quelle non più utili."),
                              titolomessaggi, Icona::Critica};
        return e;
    }
    for (qsizetype k = 0; k < campi.size(); ++k) {
        const auto d = dataincollata(campi[k]);
        if (!d) {
            e.saltate << int(k + 1);
            continue;
        }
        p.datequotazioni[colonna + int(k)] = *d;
        ++e.collocati;
    }
    return e;
}

// ---- CSV files -------------------------------------------------------------------------

namespace {

// The lines of a CSV text, one at a time, as views of their fields: a list of a million
// lines is read without a string for every cell.
class LineeCsv {
public:
    LineeCsv(const QString& testo, QChar separatore) : m_t(testo), m_sep(separatore) {}

    // The fields of the next line that holds anything; false at the end. `riga` is the line
    // of the file where it starts (from 1).
    bool prossima(QList<QStringView>* campi, int* riga)
    {
        while (m_i < m_t.size()) {
            campi->clear();
            m_citati.clear();
            *riga = m_riga;
            leggiriga(campi);
            if (std::any_of(campi->begin(), campi->end(), [](QStringView c) { return !c.trimmed().isEmpty(); }))
                return true;
        }
        return false;
    }

    qsizetype letti() const { return m_i; }

private:
    void leggiriga(QList<QStringView>* campi)
    {
        const qsizetype n = m_t.size();
        const QChar* t = m_t.constData();
        qsizetype i = m_i;
        while (true) {
            qsizetype k = i;
            while (k < n && (t[k] == u' ' || t[k] == u'\t') && t[k] != m_sep)
                ++k;
            if (k < n && t[k] == u'"') {
                // Quoted: a doubled quote is one quote, line ends inside belong to the text.
                const qsizetype inizio = ++k;
                bool doppie = false;
                for (; k < n; ++k) {
                    if (t[k] == u'"') {
                        if (k + 1 < n && t[k + 1] == u'"') {
                            doppie = true;
                            ++k;
                            continue;
                        }
                        break;
                    }
                    if (t[k] == u'\n' || (t[k] == u'\r' && !(k + 1 < n && t[k + 1] == u'\n')))
                        ++m_riga;
                }
                QStringView v(t + inizio, k - inizio);
                if (doppie) {
                    m_citati.push_back(v.toString().replace(QStringLiteral("\"\""), QStringLiteral("\"")));
                    v = m_citati.back();
                }
                if (k < n)
                    ++k;   // the closing quote
                while (k < n && t[k] != m_sep && t[k] != u'\n' && t[k] != u'\r')
                    ++k;
                campi->push_back(v);
            } else {
                k = i;
                while (k < n && t[k] != m_sep && t[k] != u'\n' && t[k] != u'\r')
                    ++k;
                campi->push_back(QStringView(t + i, k - i).trimmed());
            }
            if (k < n && t[k] == m_sep) {
                i = k + 1;
                continue;
            }
            if (k < n && t[k] == u'\r' && k + 1 < n && t[k + 1] == u'\n')
                ++k;
            m_i = k + 1;
            ++m_riga;
            return;
        }
    }

    const QString& m_t;
    QChar m_sep;
    qsizetype m_i = 0;
    int m_riga = 1;
    std::deque<QString> m_citati;   // quoted fields with doubled quotes, unquoted
};

QChar separatore(const QString& testo)
{
    // The first line outside quotes tells: ";" (Italian spreadsheets), a tab, else ",".
    bool virgolette = false;
    qsizetype puntievirgola = 0, tabulazioni = 0, virgole = 0;
    for (QChar c : testo) {
        if (c == u'"')
            virgolette = !virgolette;
        else if (!virgolette && (c == u'\n' || c == u'\r')) {
            if (puntievirgola + tabulazioni + virgole > 0)
                break;
        } else if (!virgolette) {
            puntievirgola += c == u';';
            tabulazioni += c == u'\t';
            virgole += c == u',';
        }
    }
    if (puntievirgola > 0)
        return u';';
    if (tabulazioni > 0)
        return u'\t';
    return u',';
}

bool haparola(const QString& intestazione, std::initializer_list<const char*> parole)
{
    const QString h = intestazione.trimmed().toLower();
    for (const char* p : parole) {
        const QString w = QString::fromUtf8(p);
        if (h == w || h.startsWith(w) || h.contains(u' ' + w))
            return true;
    }
    return false;
}

int colonnadaintestazione(const QStringList& intestazione, std::initializer_list<const char*> parole)
{
    for (qsizetype k = 0; k < intestazione.size(); ++k)
        if (haparola(intestazione[k], parole))
            return int(k);
    return -1;
}

// A price column of a heading: what today's price is called, or a price with no word of
// what it is; never what was paid (a broker's average cost) or a position's value.
struct Prezzi {
    QList<int> mercato;     // "Prezzo di mercato", "Ultimo", "Chiusura", ...
    QList<int> generici;    // "Prezzo", "Price"
    QList<int> costo;       // "Prezzo medio di carico", "Prezzo d'acquisto", ...
};
Prezzi colonneprezzo(const QStringList& intestazione)
{
    Prezzi p;
    for (qsizetype k = 0; k < intestazione.size(); ++k) {
        const QString& h = intestazione[k];
        if (haparola(h, {"carico", "medio", "media", "acquisto", "costo", "pmc", "average", "avg", "cost", "purchase"}))
            p.costo << int(k);
        else if (haparola(h, {"valore", "controvalore", "importo", "value", "amount", "quantità", "quantita", "var"}))
            continue;
        else if (haparola(h, {"mercato", "ultimo", "chiusura", "riferimento", "quotazione", "corso", "market", "close",
                              "last", "quote"}))
            p.mercato << int(k);
        else if (haparola(h, {"prezzo", "price"}))
            p.generici << int(k);
    }
    return p;
}

} // namespace

FileQuotazioni leggiquotazioni(const QByteArray& dati, int colonnaprezzo, const std::function<void(int)>& avanzamento)
{
    FileQuotazioni f;
    const QString testo = decodificaarchivio(dati);
    const QChar sep = separatore(testo);
    auto numerica = [](QStringView c) { return numeroincollato(c.toString()).has_value(); };
    auto datata = [](QStringView c) {
        const QString t = c.toString();
        return dataincollata(t).has_value() || dataincollata(t, true).has_value();
    };

    // What the columns hold is told by the heading and the first rows: a list of a million
    // lines is not read over and over to find out.
    QList<QStringList> campione;
    {
        LineeCsv linee(testo, sep);
        QList<QStringView> campi;
        int riga = 0;
        while (campione.size() < 1001 && linee.prossima(&campi, &riga)) {
            QStringList r;
            for (QStringView c : campi)
                r << c.toString();
            campione << r;
        }
    }
    if (campione.isEmpty()) {
        f.errore = QStringLiteral("il file è vuoto");
        return f;
    }
    int inizio = 0;
    int colnome = -1, colprezzo = -1, coldata = -1;
    const QStringList& prima = campione.constFirst();
    QList<int> possibili;   // price columns to choose from when the heading does not tell
    if (std::none_of(prima.begin(), prima.end(), numerica) && std::none_of(prima.begin(), prima.end(), datata)) {
        inizio = 1;
        f.intestazione = prima;
        colnome = colonnadaintestazione(prima, {"titolo", "nome", "azione", "azioni", "denominazione", "descrizione",
                                               "strumento", "name", "stock", "security", "symbol", "ticker"});
        coldata = colonnadaintestazione(prima, {"data", "giorno", "date"});
        const Prezzi p = colonneprezzo(prima);
        if (p.mercato.size() == 1)
            colprezzo = p.mercato.constFirst();
        else if (p.mercato.size() > 1)
            possibili = p.mercato + p.generici + p.costo;
        else if (p.generici.size() == 1 && p.costo.isEmpty())
            colprezzo = p.generici.constFirst();
        else if (!p.generici.isEmpty() || !p.costo.isEmpty())
            possibili = p.generici + p.costo;   // never a cost taken for a price without asking
    }
    if (f.intestazione.isEmpty() && inizio == 1)
        f.intestazione = prima;
    if (campione.size() == inizio) {
        f.errore = QStringLiteral("il file ha solo la riga d'intestazione, senza quotazioni");
        return f;
    }
    qsizetype colonne = 0;
    for (int r = inizio; r < campione.size(); ++r)
        colonne = std::max(colonne, campione[r].size());
    auto quante = [&](int k, auto prova) {
        int n = 0, piene = 0;
        for (int r = inizio; r < campione.size(); ++r)
            if (k < campione[r].size() && !campione[r][k].trimmed().isEmpty()) {
                ++piene;
                n += prova(campione[r][k]) ? 1 : 0;
            }
        return piene > 0 && n * 2 > piene;
    };
    for (int k = 0; k < colonne && coldata < 0; ++k)
        if (k != colnome && k != colprezzo && quante(k, datata) && !quante(k, numerica))
            coldata = k;
    if (colonnaprezzo >= 0) {
        colprezzo = colonnaprezzo;
        possibili.clear();
    }
    if (!possibili.isEmpty()) {
        // The user says which column holds the prices; only columns of figures are offered.
        for (int k : possibili)
            if (k != colnome && k != coldata && quante(k, numerica))
                f.colonneprezzo << k;
        if (f.colonneprezzo.size() == 1 && !colonneprezzo(prima).costo.contains(f.colonneprezzo.constFirst()))
            colprezzo = f.colonneprezzo.constFirst();
        else if (!f.colonneprezzo.isEmpty()) {
            for (int r = inizio; r < campione.size() && f.primerighe.size() < 3; ++r)
                f.primerighe << campione[r];
            return f;
        }
    }
    for (int k = 0; k < colonne && colprezzo < 0; ++k)
        if (k != colnome && k != coldata && quante(k, numerica))
            colprezzo = k;
    for (int k = 0; k < colonne && colnome < 0; ++k)
        if (k != colprezzo && k != coldata && !quante(k, numerica) && !quante(k, datata))
            colnome = k;
    if (colnome < 0 || colprezzo < 0) {
        f.errore = QStringLiteral("il file non ha una colonna di nomi dei titoli e una di prezzi");
        return f;
    }
    // Day and month: an English export writes the month first, which a day above 12 shows.
    bool mesegiorno = false;
    if (coldata >= 0) {
        bool primogiorno = false, primomese = false;
        static const QRegularExpression dmy(QStringLiteral("^\\s*(\\d{1,2})[/.-](\\d{1,2})[/.-]\\d{2,4}"));
        for (int r = inizio; r < campione.size(); ++r)
            if (coldata < campione[r].size())
                if (const auto m = dmy.match(campione[r][coldata]); m.hasMatch()) {
                    primogiorno |= m.captured(1).toInt() > 12;
                    primomese |= m.captured(2).toInt() > 12;
                }
        mesegiorno = primomese && !primogiorno;
    }
    f.condata = coldata >= 0;
    f.colonnaprezzo = colprezzo;
    f.righe.reserve(testo.count(u'\n') + 1);
    LineeCsv linee(testo, sep);
    QList<QStringView> campi;
    int riga = 0;
    for (int n = 0; linee.prossima(&campi, &riga); ++n) {
        if (avanzamento && n % 16384 == 0)
            avanzamento(int(100 * linee.letti() / std::max<qsizetype>(1, testo.size())));
        if (n < inizio)
            continue;
        RigaQuotazione q;
        q.riga = riga;
        if (colnome < campi.size())
            q.nome = campi[colnome].trimmed().toString();
        if (colprezzo < campi.size()) {
            const QStringView c = campi[colprezzo].trimmed();
            auto n = numerosemplice(c);
            q.prezzo = n ? std::move(*n) : numeroincollato(c.toString()).value_or(QString());
        }
        if (coldata >= 0 && coldata < campi.size())
            q.data = dataincollata(campi[coldata].toString(), mesegiorno).value_or(QString());
        f.righe.push_back(std::move(q));
    }
    return f;
}

QStringList FileQuotazioni::vocicolonne() const
{
    QStringList voci;
    for (int k : colonneprezzo) {
        QStringList esempi;
        for (const QStringList& r : primerighe)
            esempi << r.value(k);
        voci << QStringLiteral("%1 (%2)").arg(intestazione.value(k), esempi.join(QStringLiteral("; ")));
    }
    return voci;
}

Messaggio EsitoImporta::riepilogo(const QString& titolo) const
{
    if (rifiuto)
        return *rifiuto;
    QString t = collocati == 1
        ? QStringLiteral("È stata importata 1 quotazione del %1 nella colonna n. %2.").arg(data).arg(colonna)
        : QStringLiteral("Sono state importate %1 quotazioni del %2 nella colonna n. %3.").arg(collocati).arg(data).arg(colonna);
    QString dettagli;
    if (!nontrovati.isEmpty()) {
        t += QStringLiteral("\rTitoli del file che non sono nel portafoglio (correggerne il nome): %1.")
                 .arg(alcuni(nontrovati));
        if (nontrovati.size() > elencati)
            dettagli = QStringLiteral("Titoli del file che non sono nel portafoglio:\n") + nontrovati.join(u'\n');
    }
    if (!senzaprezzo.isEmpty()) {
        QStringList righe;
        for (int r : senzaprezzo)
            righe << QString::number(r);
        t += QStringLiteral("\rRighe del file senza un prezzo valido: %1.").arg(alcuni(righe));
        if (senzaprezzo.size() > elencati)
            dettagli += (dettagli.isEmpty() ? QString() : QStringLiteral("\n\n")) + QStringLiteral("Righe del file senza un prezzo valido: ")
                        + righe.join(QStringLiteral(", "));
    }
    Messaggio m{t, titolo, nontrovati.isEmpty() && senzaprezzo.isEmpty() ? Icona::Informativa : Icona::Esclamativa};
    m.dettagli = dettagli;
    return m;
}

EsitoImporta importaquotazioni(Portfolio& p, const FileQuotazioni& f, const QString& data, const QString& titolo)
{
    EsitoImporta e;
    auto rifiuta = [&](const QString& testo, Icona icona = Icona::Critica) {
        e.rifiuto = Messaggio{testo, titolo, icona};
        return e;
    };
    if (!f.errore.isEmpty())
        return rifiuta(QStringLiteral("Impossibile importare le quotazioni: %1.").arg(f.errore));
    QString giorno = data;
    if (f.condata) {
        QStringList date;
        for (const RigaQuotazione& r : f.righe)
            if (!r.prezzo.isEmpty() && !r.data.isEmpty() && !date.contains(r.data))
                date << r.data;
        if (date.size() > 1)
            return rifiuta(QStringLiteral("Il file contiene quotazioni di più giorni (%1): importarne un giorno alla volta.")
                               .arg(date.join(QStringLiteral(", "))));
        if (date.isEmpty())
            return rifiuta(QStringLiteral("Impossibile importare le quotazioni: nel file non c'è una data valida."));
        giorno = date.constFirst();
    }
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        if (p.datequotazioni[c] == giorno)
            return rifiuta(QStringLiteral("La colonna n. %1 ha già le quotazioni del %2: per importarle di nuovo eliminarla prima "
                                          "con \"Cancella dati immessi\".")
                               .arg(c)
                               .arg(giorno),
                           Icona::Esclamativa);
    int colonna = 0;
    for (int c = 1; c <= Portfolio::maxcolonne && colonna == 0; ++c) {
        if (!p.datequotazioni[c].isEmpty())
            continue;
        bool vuota = true;
        for (int i = 1; i <= Portfolio::maxtitoli && vuota; ++i)
            vuota = p.quotazioni(c, i).isEmpty();
        if (vuota)
            colonna = c;
    }
    if (colonna == 0)
        return rifiuta(QStringLiteral("Non si possono digitare più di trecento date di quotazioni: eliminare prima quelle non più utili."));

    std::array<QString, Portfolio::maxtitoli + 1> nuove;
    QHash<QString, QList<int>> titoli;   // holdings by name, as compared
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        if (const QString n = p.nomititoli[i].trimmed().toCaseFolded(); !n.isEmpty())
            titoli[n] << i;
    // A long list names the same holdings over and over: each name is looked up once.
    QHash<QString, const QList<int>*> visti;
    static const QList<int> nessuno;
    for (const RigaQuotazione& r : f.righe) {
        if (r.prezzo.isEmpty()) {
            e.senzaprezzo << r.riga;
            continue;
        }
        auto v = visti.constFind(r.nome);
        if (v == visti.cend()) {
            const auto t = titoli.constFind(r.nome.toCaseFolded());
            const QList<int>* indici = t == titoli.cend() ? &nessuno : &*t;
            v = visti.insert(r.nome, indici);
            if (indici->isEmpty())
                e.nontrovati << r.nome;
        }
        for (int i : **v)
            nuove[std::size_t(i)] = r.prezzo;
    }
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        e.collocati += nuove[std::size_t(i)].isEmpty() ? 0 : 1;
    if (e.collocati == 0) {
        QString t = QStringLiteral("Nessun titolo del file è nel portafoglio: non è stato importato nulla.");
        if (!e.nontrovati.isEmpty())
            t += QStringLiteral("\rTitoli del file: %1.").arg(alcuni(e.nontrovati));
        rifiuta(t, Icona::Esclamativa);
        if (e.nontrovati.size() > elencati)
            e.rifiuto->dettagli = QStringLiteral("Titoli del file:\n") + e.nontrovati.join(u'\n');
        return e;
    }
    p.datequotazioni[colonna] = giorno;
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        if (!nuove[std::size_t(i)].isEmpty())
            p.quotazioni(colonna, i) = nuove[std::size_t(i)];
    p.numerocolonne = std::max(p.numerocolonne, colonna);
    e.colonna = colonna;
    e.data = giorno;
    return e;
}
