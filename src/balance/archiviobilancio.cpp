#include "balance/archiviobilancio.h"
#include "balance/vendite.h"
#include "shared/campi.h"
#include "shared/numeri.h"
#include "shared/scritturasicura.h"

#include <algorithm>

namespace {

constexpr qint64 dimensionemassima = 16 * 1024 * 1024;

// A text given a value, even an empty one, is written quoted; one never set as nothing.
void cella(ScrittoreCampi& s, const QString& t, bool impostato)
{
    if (t.isEmpty() && !impostato)
        s.vuoto();
    else
        s.testo(t);
}

void prezzo(ScrittoreCampi& s, const QString& t, bool numero, bool impostato)
{
    if (numero && !t.isEmpty())
        s.numero(t);
    else
        cella(s, t, impostato && !numero);
}

struct Letto {
    QString testo;
    bool numero = false;   // written bare
};

class Lettura {
public:
    explicit Lettura(const QString& testo) : m_l(testo) {}

    bool campo(bool ultimo, Letto* letto, bool* impostato)
    {
        const auto c = m_l.leggi(ultimo, &m_errore);
        if (!c)
            return false;
        letto->numero = false;
        letto->testo = c->testo;
        *impostato = c->virgolette || !c->testo.isEmpty();
        if (!c->virgolette && !c->testo.isEmpty()) {
            // A bare number as the text a user would type; anything else bare stays a text.
            const double v = c->testo.toDouble(&letto->numero);
            if (letto->numero)
                letto->testo = testonumero(v);
        }
        return true;
    }
    bool finito() { return m_l.finito(); }
    const QString& errore() const { return m_errore; }

private:
    LettoreCampi m_l;
    QString m_errore;
};

} // namespace

QString testobilancio(const SalesBalance& b)
{
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    ScrittoreCampi s;
    s.numero(n);
    s.fineriga();
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        auto c = [&](SalesBalance::Campo k, const QString& t) { cella(s, t, b.impostato(riga, k)); };
        c(SalesBalance::Nome, b.nomea[r]);
        c(SalesBalance::DataAcquisto, b.dataacquisto[r]);
        c(SalesBalance::Possedute, b.nacq[r]);
        prezzo(s, b.prezzo0[r], true, false);
        c(SalesBalance::DataVendita, b.datavendita[r]);
        c(SalesBalance::Vendute, b.na[r]);
        prezzo(s, b.prezzo[r], b.prezzonumero[r], b.impostato(riga, SalesBalance::PrezzoVendita));
        c(SalesBalance::Pagato, b.pagato[r]);
        c(SalesBalance::Realizzato, b.realizzato[r]);
        c(SalesBalance::Percento, b.percento[r]);
        c(SalesBalance::Appunti, b.appunti[r]);
        s.fineriga();
    }
    return s.risultato();
}

std::optional<SalesBalance> leggibilancio(const QString& testo, QString* errore)
{
    auto rifiuta = [errore](const QString& perche) { return rifiutato<SalesBalance>(errore, perche); };
    if (const auto n = nontesto(testo))
        return rifiuta(*n);

    Lettura l(testo);
    Letto conteggio;
    bool impostato = false;
    if (!l.campo(true, &conteggio, &impostato))
        return rifiuta(l.errore());
    bool ok = false;
    const int n = conteggio.testo.toInt(&ok);
    if (!ok || n < 0 || n > SalesBalance::maxvendite)
        return rifiuta(QStringLiteral("il numero di vendite (%1) non è tra 0 e %2")
                           .arg(conteggio.testo)
                           .arg(SalesBalance::maxvendite));

    SalesBalance b;
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        QString* campi[] = {&b.nomea[r], &b.dataacquisto[r], &b.nacq[r],    &b.prezzo0[r],
                            &b.datavendita[r], &b.na[r],    &b.prezzo[r],   &b.pagato[r],
                            &b.realizzato[r],  &b.percento[r], &b.appunti[r]};
        for (int k = 0; k < 11; ++k) {
            Letto c;
            if (!l.campo(k == 10, &c, &impostato))
                return rifiuta(l.errore());
            *campi[k] = c.testo;
            if (impostato)
                b.imposta(riga, SalesBalance::Campo(k));
            if (k == 6)
                b.prezzonumero[r] = c.numero;
        }
    }
    if (!l.finito())
        return rifiuta(QStringLiteral("dopo l'ultima vendita vi sono altri dati"));
    b.numerorighe = n;
    return b;
}

bool salvabilancio(const SalesBalance& b, const QString& file, QString* errore)
{
    return scrivisicuro(file, codificaarchivio(testobilancio(b)), errore);
}

std::optional<SalesBalance> apribilancio(const QString& file, QString* errore)
{
    const auto testo = leggifilearchivio(file, dimensionemassima, QStringLiteral("il file è troppo grande per essere un bilancio"), errore);
    if (!testo)
        return std::nullopt;
    return leggibilancio(*testo, errore);
}
