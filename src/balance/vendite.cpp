#include "balance/vendite.h"
#include "portfolio/controllo.h"
#include "portfolio/portfolio.h"
#include "portfolio/totali.h"
#include "shared/date.h"
#include "shared/numeri.h"

#include <algorithm>
#include <cmath>

namespace {

Messaggio critico(const QString& testo, const QString& titolo)
{
    return Messaggio{testo, titolo, Icona::Critica};
}

const QString nonscelto = QStringLiteral(
    "Impossibile procedere: scegliere il titolo venduto tra la lista di quelli posseduti cliccando sulla freccia.");

} // namespace

double scala(double v)
{
    return valore(QString::number(v * 10000, 'g', 15)) / 10000;
}

QString testonumero(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral("0");
    // Fifteen significant digits at most: beyond them a double holds only binary noise
    // (1448967.1 would read 1448967.1000000001).
    const double a = std::abs(v);
    const int intere = a >= 1 ? int(std::floor(std::log10(a))) + 1 : 1;
    QString t = QString::number(v, 'f', std::clamp(15 - intere, 0, 10));
    while (t.contains(u'.') && (t.endsWith(u'0') || t.endsWith(u'.')))
        t.chop(1);
    return t == u"-0" ? QStringLiteral("0") : t;
}

QString testopercento(double p)
{
    return virgoladecimale(testonumero(p));
}

QString mostraimporto(const QString& testo, bool euro)
{
    if (testo.isEmpty())
        return testo;
    return formatta(valore(testo), euro ? u"##,##0.00" : u"###,0");
}

std::optional<int> annovendita(const QString& data)
{
    const auto d = convertidata(data);
    if (!d)
        return std::nullopt;
    return d->year();
}

int contarighe(const SalesBalance& b)
{
    for (int r = 1; r <= SalesBalance::maxvendite; ++r)
        if (b.nomea[std::size_t(r)].isEmpty())
            return r - 1;
    // Every one of the hundred rows holds a sale: the hundredth counts too.
    return SalesBalance::maxvendite;
}

bool soloanno(const SalesBalance& b, int anno)
{
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    for (int riga = 1; riga <= n; ++riga) {
        const auto a = annovendita(b.datavendita[std::size_t(riga)]);
        if (a && *a != anno)
            return false;
    }
    return true;
}

std::optional<Messaggio> sceglititolo(SalesBalance& b, const Portfolio& p, int riga, int indice,
                                      const QString& nome, const QString& titolo)
{
    if (riga < 1 || riga > SalesBalance::maxvendite)
        return critico(QStringLiteral("Impossibile scegliere il titolo alla riga %1: un bilancio annuale contiene al "
                                      "massimo cento vendite.")
                           .arg(riga),
                       titolo);
    const int n = std::clamp(std::max(p.numerotitoli, contatitoli(p)), 0, Portfolio::maxtitoli);
    int k = indice;
    // The lists are filled when the window opens: the Portfolio may have changed since.
    if (k < 1 || k > n || p.nomititoli[std::size_t(k)] != nome) {
        k = 0;
        for (int i = 1; i <= n && k == 0; ++i)
            if (!nome.isEmpty() && p.nomititoli[std::size_t(i)] == nome)
                k = i;
    }
    if (k == 0)
        return critico(nonscelto, titolo);

    const auto r = std::size_t(riga), t = std::size_t(k);
    b.nomea[r] = p.nomititoli[t];
    b.appunti[r] = p.notetitoli[t];
    b.nacq[r] = p.quantitatitoli[t];
    b.dataacquisto[r] = p.dateacquisto[t];
    if (!p.dateacquisto[t].isEmpty()) {
        double prezzo = valore(p.prezzititoli[t]);
        // Bought after 31/12/98, the price was typed in euro: the balance is kept in lire.
        const auto acquisto = convertidata(p.dateacquisto[t]);
        if (!acquisto || giornitra(*acquisto, dataeuro) < 0)
            prezzo = std::floor(prezzo * cambiolira + 0.5);
        b.prezzo0[r] = testonumero(prezzo);
    } else {
        // No price of another stock may stay on the row.
        b.prezzo0[r].clear();
    }
    b.numerorighe = contarighe(b);
    calcolariga(b, riga);
    return std::nullopt;
}

void calcolariga(SalesBalance& b, int riga)
{
    if (!SalesBalance::rigavalida(riga))
        return;
    const auto r = std::size_t(riga);
    const double acquisto = scala(valore(b.prezzo0[r]));
    const double vendute = valore(b.na[r]);
    const double pagato = scala(acquisto * vendute);
    b.pagato[r] = testonumero(pagato);
    double realizzato = 0;
    if (b.prezzo[r].isEmpty()) {
        b.realizzato[r].clear();
    } else {
        realizzato = scala((scala(valore(b.prezzo[r])) - acquisto) * vendute);
        b.realizzato[r] = testonumero(realizzato);
    }
    if (pagato != 0 && realizzato != 0)
        b.percento[r] = testopercento(std::floor(100 * (100 * realizzato / pagato) + 0.5) / 100);
    else
        b.percento[r].clear();
}

TotaliBilancio calcolatotali(const SalesBalance& b)
{
    TotaliBilancio t;
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        const double acquisto = scala(valore(b.prezzo0[r]));
        const double vendute = valore(b.na[r]);
        if (acquisto != 0)
            t.pagato += scala(acquisto * vendute);
        const double vendita = scala(valore(b.prezzo[r]));
        if (!b.prezzo[r].isEmpty() && vendita != 0)
            t.guadagno += scala((vendita - acquisto) * vendute);
    }
    t.pagato = scala(t.pagato);
    t.guadagno = scala(t.guadagno);
    t.testopagato = testonumero(t.pagato);
    t.testoguadagno = testonumero(t.guadagno);
    if (t.guadagno == 0)
        t.media.clear();
    else if (t.pagato == 0)
        t.media = QStringLiteral("gratis");   // shares received free
    else
        t.media = testopercento(std::floor(t.guadagno / t.pagato * 10000 + 0.5) / 100);
    return t;
}

EsitoVendita immettivendute(SalesBalance& b, int riga, int linea, const QString& vendute,
                            const QString& nomelinea, const QString& dataprecedente, const QString& titolo)
{
    EsitoVendita e;
    if (!SalesBalance::rigavalida(riga))
        return e;
    const auto r = std::size_t(riga);
    // Stored first: what the box shows is what the balance holds, even when refused below.
    b.na[r] = vendute;

    const QString& data = b.datavendita[r];
    const QString campo = QStringLiteral(" della vendita del titolo n.") + str(linea);
    if (data.size() != 8) {
        e.messaggio = critico(QStringLiteral("Correggere la data") + campo + QStringLiteral(": usare il formato gg/mm/aa."),
                              titolo);
        return e;
    }
    if (auto m = controllodata(spezzadata(data), campo, titolo)) {
        e.messaggio = std::move(m);
        return e;
    }
    if (b.dataacquisto[r].isEmpty() && !nomelinea.isEmpty()) {
        e.messaggio = critico(nonscelto, titolo);
        return e;
    }
    calcolariga(b, riga);
    e.calcolata = true;

    e.anno = annovendita(data);
    if (linea > 1) {
        const auto sopra = annovendita(dataprecedente);
        if (sopra && e.anno && *sopra != *e.anno) {
            e.messaggio = critico(QStringLiteral("Attenzione: si stanno considerando titoli venduti in anni diversi, "
                                                 "modificare la data di vendita o scegliere un file appropriato "
                                                 "dall'archivio."),
                                  titolo);
            return e;
        }
    }
    if (valore(b.nacq[r]) < valore(b.na[r])) {
        e.messaggio = critico(
            QStringLiteral("Non è possibile vendere un numero di azioni maggiore di quante se ne posseggono."), titolo);
        b.na[r].clear();
        calcolariga(b, riga);
        e.svuotata = true;
    }
    return e;
}

int ultimarigaconvertita(int numerorighe)
{
    int prima = 1;
    while (prima < numerorighe)
        prima += 10;
    return std::min(prima + 9, SalesBalance::maxrighe);
}

namespace {
template <class F> void converti(SalesBalance& b, F prezzonuovo)
{
    const int ultima = ultimarigaconvertita(b.numerorighe);
    for (int riga = 1; riga <= ultima; ++riga) {
        const auto r = std::size_t(riga);
        if (b.prezzo0[r].isEmpty() && b.prezzo[r].isEmpty())
            continue;   // a line never used stays blank
        if (!b.prezzo0[r].isEmpty())
            b.prezzo0[r] = testonumero(prezzonuovo(valore(b.prezzo0[r])));
        if (!b.prezzo[r].isEmpty()) {
            b.prezzo[r] = testonumero(prezzonuovo(valore(b.prezzo[r])));
            b.prezzonumero[r] = true;
        }
        calcolariga(b, riga);
    }
}
} // namespace

void convertiineuro(SalesBalance& b)
{
    const double f = cambiosingolo;
    converti(b, [f](double v) { return std::floor(v / f * 1000 + 0.5) / 1000; });
}

void convertiinlire(SalesBalance& b)
{
    // Always the rate itself: the monthly window sets the shared factor back to 1 for lire.
    const double f = cambiosingolo;
    converti(b, [f](double v) { return std::floor(v * f + 0.5); });
}
