#include "portfolio/archivio.h"
#include "shared/campi.h"
#include "shared/numeri.h"


#include <charconv>
#include <cmath>
#include "shared/scritturasicura.h"

namespace {

constexpr qint64 dimensionemassima = 64 * 1024 * 1024;

void cella(ScrittoreCampi& s, const QString& t)
{
    if (t.isEmpty())
        s.vuoto();   // a never-typed cell: nothing between the commas
    else
        s.testo(t);
}

// A bare number of an old file as the text a user would type: "." decimal, no exponent,
// and the shortest such text that reads back as the same number.
QString testonumero(const QString& campo)
{
    bool ok = false;
    const double v = campo.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return campo;
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (r.ec != std::errc())
        return campo;
    const QString t = QString::fromLatin1(buffer, r.ptr - buffer);
    return t == u"-0" ? QStringLiteral("0") : t;
}

class Lettura {
public:
    explicit Lettura(const QString& testo) : m_l(testo) {}

    // The next field, which must close its record when `ultimo` (and must not otherwise).
    bool campo(bool ultimo, QString* testo)
    {
        const auto c = m_l.leggi(ultimo, &m_errore);
        if (!c)
            return false;
        m_scritto = c->testo;
        *testo = c->virgolette ? c->testo : testonumero(c->testo);
        return true;
    }
    bool conteggio(bool ultimo, int massimo, const QString& cosa, int* n)
    {
        QString t;
        if (!campo(ultimo, &t))
            return false;
        bool ok = false;
        *n = t.toInt(&ok);
        if (!ok || *n < 0 || *n > massimo) {
            // Quoted as the file has it, not as the figure it reads as.
            m_errore = QStringLiteral("il numero di %1 (%2) non è tra 0 e %3").arg(cosa, m_scritto).arg(massimo);
            return false;
        }
        return true;
    }
    bool finito() { return m_l.finito(); }
    QString errore() const { return m_errore; }

private:
    LettoreCampi m_l;
    QString m_errore;
    QString m_scritto;   // the last field as written in the file
};

} // namespace

QString testoarchivio(const Portfolio& p)
{
    const int H = std::clamp(p.numerotitoli, 0, Portfolio::maxtitoli);
    const int C = std::clamp(p.numerocolonne, 0, Portfolio::maxcolonne);
    ScrittoreCampi s;
    s.numero(H);
    s.testo(p.strategia);
    s.numero(C);
    s.fineriga();
    for (int i = 1; i <= H; ++i) {
        for (const QString* t : {&p.nomititoli[i], &p.quantitatitoli[i], &p.prezzititoli[i], &p.dateacquisto[i],
                                 &p.notetitoli[i], &p.datestacco[i], &p.dividendi[i]})
            cella(s, *t);
        s.fineriga();
        for (int c = 1; c <= C; ++c) {
            cella(s, p.quotazioni(c, i));
            s.fineriga();
        }
    }
    for (int c = 1; c <= C; ++c) {
        cella(s, p.datequotazioni[c]);
        s.fineriga();
    }
    for (const QString& nota : p.notepiano) {
        cella(s, nota);
        s.fineriga();
    }
    return s.risultato();
}

std::optional<Portfolio> leggiarchivio(const QString& testo, QString* errore)
{
    auto rifiuta = [errore](const QString& perche) { return rifiutato<Portfolio>(errore, perche); };
    if (const auto n = nontesto(testo))
        return rifiuta(*n);

    Lettura l(testo);
    Portfolio p;
    int H = 0, C = 0;
    if (!l.conteggio(false, Portfolio::maxtitoli, QStringLiteral("titoli"), &H) || !l.campo(false, &p.strategia)
        || !l.conteggio(true, Portfolio::maxcolonne, QStringLiteral("colonne"), &C))
        return rifiuta(l.errore());
    for (int i = 1; i <= H; ++i) {
        QString* campi[] = {&p.nomititoli[i], &p.quantitatitoli[i], &p.prezzititoli[i], &p.dateacquisto[i],
                            &p.notetitoli[i], &p.datestacco[i], &p.dividendi[i]};
        for (int k = 0; k < 7; ++k)
            if (!l.campo(k == 6, campi[k]))
                return rifiuta(l.errore());
        for (int c = 1; c <= C; ++c)
            if (!l.campo(true, &p.quotazioni(c, i)))
                return rifiuta(l.errore());
    }
    for (int c = 1; c <= C; ++c)
        if (!l.campo(true, &p.datequotazioni[c]))
            return rifiuta(l.errore());
    for (QString& nota : p.notepiano)
        if (!l.campo(true, &nota))
            return rifiuta(l.errore());
    if (!l.finito())
        return rifiuta(QStringLiteral("dopo le note del piano strategico vi sono altri dati"));
    p.numerotitoli = H;
    p.numerocolonne = C;
    return p;
}

bool salvaarchivio(const Portfolio& p, const QString& file, QString* errore)
{
    return scrivisicuro(file, codificaarchivio(testoarchivio(p)), errore);
}

std::optional<Portfolio> apriarchivio(const QString& file, QString* errore)
{
    const auto testo = leggifilearchivio(file, dimensionemassima, QStringLiteral("il file è troppo grande per essere un archivio"), errore);
    if (!testo)
        return std::nullopt;
    return leggiarchivio(*testo, errore);
}
