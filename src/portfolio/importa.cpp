#include "portfolio/importa.h"
#include "shared/campi.h"
#include "shared/date.h"

#include <QRegularExpression>
#include <algorithm>

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

QString elenco(const QList<int>& righe)
{
    QStringList t;
    for (int r : righe)
        t << QString::number(r);
    return t.join(QStringLiteral(", "));
}

} // namespace

std::optional<QString> numeroincollato(const QString& testo)
{
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
    t.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}']")));
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

QList<QStringList> righecsv(const QString& testo, QChar separatore)
{
    QList<QStringList> righe;
    QStringList campi;
    QString campo;
    bool virgolette = false, citato = false;
    auto chiudicampo = [&] {
        campi << (citato ? campo : campo.trimmed());
        campo.clear();
        citato = false;
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == u'"') {
                if (i + 1 < testo.size() && testo[i + 1] == u'"') {
                    campo += u'"';
                    ++i;
                } else {
                    virgolette = false;
                }
            } else {
                campo += c;
            }
        } else if (c == u'"' && campo.trimmed().isEmpty()) {
            virgolette = citato = true;
            campo.clear();
        } else if (c == separatore) {
            chiudicampo();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n')
                ++i;
            chiudicampo();
            righe << campi;
            campi.clear();
        } else {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !campi.isEmpty()) {
        chiudicampo();
        righe << campi;
    }
    return righe;
}

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

int colonnadaintestazione(const QStringList& intestazione, const QStringList& parole)
{
    for (qsizetype k = 0; k < intestazione.size(); ++k) {
        const QString h = intestazione[k].trimmed().toLower();
        for (const QString& w : parole)
            if (h == w || h.startsWith(w + u' ') || h.contains(u' ' + w) || h.startsWith(w))
                return int(k);
    }
    return -1;
}

} // namespace

FileQuotazioni leggiquotazioni(const QByteArray& dati)
{
    FileQuotazioni f;
    const QString testo = decodificaarchivio(dati);
    QList<QStringList> righe = righecsv(testo, separatore(testo));
    QList<int> numeririga;
    {
        // Blank lines out; the file's line numbers kept for the messages.
        QList<QStringList> piene;
        int n = 0;
        for (const QStringList& r : righe) {
            ++n;
            if (std::any_of(r.begin(), r.end(), [](const QString& c) { return !c.trimmed().isEmpty(); })) {
                piene << r;
                numeririga << n;
            }
        }
        righe = piene;
    }
    if (righe.isEmpty()) {
        f.errore = QStringLiteral("il file è vuoto");
        return f;
    }
    auto numerica = [](const QString& c) { return numeroincollato(c).has_value(); };
    auto datata = [](const QString& c) { return dataincollata(c).has_value() || dataincollata(c, true).has_value(); };

    int inizio = 0;
    int colnome = -1, colprezzo = -1, coldata = -1;
    const QStringList& prima = righe.constFirst();
    if (std::none_of(prima.begin(), prima.end(), numerica) && std::none_of(prima.begin(), prima.end(), datata)) {
        inizio = 1;
        colnome = colonnadaintestazione(prima, {"titolo", "nome", "azione", "azioni", "denominazione", "descrizione",
                                               "strumento", "name", "stock", "security", "symbol", "ticker"});
        colprezzo = colonnadaintestazione(prima, {"prezzo", "quotazione", "ultimo", "chiusura", "riferimento", "valore",
                                                 "price", "close", "last", "quote"});
        coldata = colonnadaintestazione(prima, {"data", "giorno", "date"});
    }
    // Otherwise, or to complete the heading: what the columns hold.
    qsizetype colonne = 0;
    for (int r = inizio; r < righe.size(); ++r)
        colonne = std::max(colonne, righe[r].size());
    auto quante = [&](int k, auto prova) {
        int n = 0, piene = 0;
        for (int r = inizio; r < righe.size(); ++r)
            if (k < righe[r].size() && !righe[r][k].trimmed().isEmpty()) {
                ++piene;
                n += prova(righe[r][k]) ? 1 : 0;
            }
        return piene > 0 && n * 2 > piene;
    };
    for (int k = 0; k < colonne && coldata < 0; ++k)
        if (k != colnome && k != colprezzo && quante(k, datata) && !quante(k, numerica))
            coldata = k;
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
        for (int r = inizio; r < righe.size(); ++r)
            if (coldata < righe[r].size())
                if (const auto m = dmy.match(righe[r][coldata]); m.hasMatch()) {
                    primogiorno |= m.captured(1).toInt() > 12;
                    primomese |= m.captured(2).toInt() > 12;
                }
        mesegiorno = primomese && !primogiorno;
    }
    f.condata = coldata >= 0;
    for (int r = inizio; r < righe.size(); ++r) {
        const QStringList& campi = righe[r];
        RigaQuotazione q;
        q.riga = numeririga[r];
        q.nome = colnome < campi.size() ? campi[colnome].trimmed() : QString();
        if (colprezzo < campi.size())
            q.prezzo = numeroincollato(campi[colprezzo]).value_or(QString());
        if (coldata >= 0 && coldata < campi.size())
            q.data = dataincollata(campi[coldata], mesegiorno).value_or(QString());
        f.righe << q;
    }
    return f;
}

Messaggio EsitoImporta::riepilogo(const QString& titolo) const
{
    if (rifiuto)
        return *rifiuto;
    QString t = collocati == 1
        ? QStringLiteral("È stata importata 1 quotazione del %1 nella colonna n. %2.").arg(data).arg(colonna)
        : QStringLiteral("Sono state importate %1 quotazioni del %2 nella colonna n. %3.").arg(collocati).arg(data).arg(colonna);
    if (!nontrovati.isEmpty())
        t += QStringLiteral("\rTitoli del file che non sono nel portafoglio (correggerne il nome): %1.")
                 .arg(nontrovati.join(QStringLiteral(", ")));
    if (!senzaprezzo.isEmpty())
        t += QStringLiteral("\rRighe del file senza un prezzo valido: %1.").arg(elenco(senzaprezzo));
    return Messaggio{t, titolo, nontrovati.isEmpty() && senzaprezzo.isEmpty() ? Icona::Informativa : Icona::Esclamativa};
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
    for (const RigaQuotazione& r : f.righe) {
        if (r.prezzo.isEmpty()) {
            e.senzaprezzo << r.riga;
            continue;
        }
        bool trovato = false;
        for (int i = 1; i <= Portfolio::maxtitoli; ++i)
            if (!p.nomititoli[i].trimmed().isEmpty()
                && p.nomititoli[i].trimmed().compare(r.nome, Qt::CaseInsensitive) == 0) {
                nuove[std::size_t(i)] = r.prezzo;
                trovato = true;
            }
        if (!trovato && !e.nontrovati.contains(r.nome))
            e.nontrovati << r.nome;
    }
    for (int i = 1; i <= Portfolio::maxtitoli; ++i)
        e.collocati += nuove[std::size_t(i)].isEmpty() ? 0 : 1;
    if (e.collocati == 0) {
        QString t = QStringLiteral("Nessun titolo del file è nel portafoglio: non è stato importato nulla.");
        if (!e.nontrovati.isEmpty())
            t += QStringLiteral("\rTitoli del file: %1.").arg(e.nontrovati.join(QStringLiteral(", ")));
        return rifiuta(t, Icona::Esclamativa);
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
