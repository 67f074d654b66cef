#include "balance/vendite.h"
#include "portfolio/controllo.h"
#include "portfolio/portfolio.h"
#include "portfolio/totali.h"
#include "shared/date.h"
#include "shared/numeri.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

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

QString mostrapercento(const QString& percento)
{
    const auto cifre = std::count_if(percento.cbegin(), percento.cend(), [](QChar c) { return c.isDigit(); });
    return cifre > 15 ? fuorimisura() : percento;
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

QStringList titolidascegliere(const Portfolio& p)
{
    QStringList nomi;
    for (int i = 1; i <= std::clamp(std::max(p.numerotitoli, contatitoli(p)), 0, Portfolio::maxtitoli); ++i)
        nomi << p.nomititoli[std::size_t(i)];
    return nomi;
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
    for (auto c : {SalesBalance::Nome, SalesBalance::Appunti, SalesBalance::Possedute, SalesBalance::DataAcquisto,
                   SalesBalance::PrezzoAcquisto})
        b.imposta(riga, c);
    b.numerorighe = contarighe(b);
    calcolariga(b, riga);
    return std::nullopt;
}

bool cifravalida(const QString& testo)
{
    const QString t = testo.trimmed();
    int i = 0, cifre = 0, punti = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    for (; i < t.size(); ++i) {
        if (t[i].isDigit() && t[i].unicode() < 128)
            ++cifre;
        else if (t[i] == u'.' && ++punti == 1)
            continue;
        else
            return false;
    }
    return cifre > 0;
}

std::optional<double> prezzovendita(const QString& testo)
{
    if (testo.isEmpty() || !cifravalida(testo))
        return std::nullopt;
    const double v = valore(testo.trimmed());
    if (!(std::fabs(v) < valoremassimo))
        return std::nullopt;
    return v;
}

std::optional<Messaggio> controllocifra(const QString& testo, bool vendute, int numero, const QString& titolo)
{
    if (testo.isEmpty())
        return std::nullopt;
    const QString cosa = vendute ? QStringLiteral("le azioni vendute") : QStringLiteral("il prezzo di vendita");
    const QString riga = QStringLiteral(" del titolo n.") + str(numero);
    if (!vendute && testo.contains(u',') && !testo.contains(QRegularExpression(QStringLiteral("[^0-9.,+\\- ]"))))
        return critico(QStringLiteral("Sostituire la virgola con il punto nel prezzo di vendita") + riga + u'.', titolo);
    if (!cifravalida(testo))
        return critico(QStringLiteral("Inserire un valore numerico valido per ") + cosa + riga + u'.', titolo);
    if (!(std::fabs(valore(testo.trimmed())) < valoremassimo))
        return critico(QStringLiteral("Inserire un valore numerico valido per ") + cosa + riga
                           + QStringLiteral(": il numero è troppo grande."),
                       titolo);
    return std::nullopt;
}

std::optional<Messaggio> controllodatavendita(const QString& data, int numero, const QString& titolo)
{
    if (data.isEmpty())
        return std::nullopt;
    // A sale dated "3O/12/99" would leave the monthly table: the date must be one.
    return controllodatacompleta(data, QStringLiteral(" della vendita del titolo n.") + str(numero), titolo);
}

std::optional<Messaggio> controllobilancio(const SalesBalance& b, const QString& titolo)
{
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        const QString& data = b.datavendita[r];
        if (data.isEmpty() && !b.na[r].isEmpty())
            return critico(QStringLiteral("Correggere la data della vendita del titolo n.") + str(riga)
                               + QStringLiteral(": usare il formato gg/mm/aa."),
                           titolo);
        if (auto m = controllodatavendita(data, riga, titolo))
            return m;
        if (auto m = controllocifra(b.na[r], true, riga, titolo))
            return m;
        if (auto m = controllocifra(b.prezzo[r], false, riga, titolo))
            return m;
    }
    return std::nullopt;
}

int venditaoltreilvuoto(const SalesBalance& b)
{
    for (int r = std::max(b.numerorighe, 0) + 1; r <= SalesBalance::maxvendite; ++r)
        if (!b.nomea[std::size_t(r)].isEmpty())
            return r;
    return 0;
}

namespace {
void scambiarighe(SalesBalance& b, int r1, int r2)
{
    const auto a = std::size_t(r1), c = std::size_t(r2);
    for (SalesBalance::Colonna* col : {&b.nomea, &b.dataacquisto, &b.nacq, &b.prezzo0, &b.datavendita, &b.na,
                                       &b.prezzo, &b.pagato, &b.realizzato, &b.percento})
        std::swap((*col)[a], (*col)[c]);
    std::swap(b.appunti[a], b.appunti[c]);
    std::swap(b.prezzonumero[a], b.prezzonumero[c]);
    std::swap(b.impostati[a], b.impostati[c]);
    std::swap(b.prezzilire[a], b.prezzilire[c]);
}
} // namespace

void chiudivuoti(SalesBalance& b)
{
    int libera = 1;
    for (int r = 1; r <= SalesBalance::maxvendite; ++r) {
        if (b.nomea[std::size_t(r)].isEmpty())
            continue;
        if (r != libera)
            scambiarighe(b, libera, r);
        ++libera;
    }
    b.numerorighe = contarighe(b);
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
    if (const auto vendita = prezzovendita(b.prezzo[r])) {
        realizzato = scala((scala(*vendita) - acquisto) * vendute);
        b.realizzato[r] = testonumero(realizzato);
    } else {
        b.realizzato[r].clear();
    }
    if (pagato != 0 && realizzato != 0)
        b.percento[r] = testopercento(std::floor(100 * (100 * realizzato / pagato) + 0.5) / 100);
    else
        b.percento[r].clear();
    for (auto c : {SalesBalance::Pagato, SalesBalance::Realizzato, SalesBalance::Percento})
        b.imposta(riga, c);
}

void ricalcolarighe(SalesBalance& b)
{
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        const QString pagato = b.pagato[r], realizzato = b.realizzato[r], percento = b.percento[r];
        const auto impostati = b.impostati[r];
        calcolariga(b, riga);
        // A figure the file held right keeps the form it was written in.
        const std::uint16_t uguali = (b.pagato[r] == pagato ? 1u << SalesBalance::Pagato : 0u)
                                     | (b.realizzato[r] == realizzato ? 1u << SalesBalance::Realizzato : 0u)
                                     | (b.percento[r] == percento ? 1u << SalesBalance::Percento : 0u);
        b.impostati[r] = std::uint16_t((b.impostati[r] & ~uguali) | (impostati & uguali));
    }
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
        const auto prezzo = prezzovendita(b.prezzo[r]);
        if (prezzo && *prezzo != 0)
            t.guadagno += scala((scala(*prezzo) - acquisto) * vendute);
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
    // Stored first, and the row computed for it: what the box shows is what the row's
    // figures count, even when refused below.
    b.na[r] = vendute;
    b.imposta(riga, SalesBalance::Vendute);
    calcolariga(b, riga);
    e.calcolata = true;

    const QString& data = b.datavendita[r];
    if (data.size() != 8) {
        e.messaggio = critico(QStringLiteral("Correggere la data della vendita del titolo n.") + str(linea)
                                  + QStringLiteral(": usare il formato gg/mm/aa."),
                              titolo);
        return e;
    }
    if (auto m = controllodata(spezzadata(data), QStringLiteral(" della vendita del titolo n.") + str(linea), titolo)) {
        e.messaggio = std::move(m);
        return e;
    }
    if (b.dataacquisto[r].isEmpty() && !nomelinea.isEmpty()) {
        e.messaggio = critico(nonscelto, titolo);
        return e;
    }

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

void convertiineuro(SalesBalance& b)
{
    const double f = cambiosingolo;
    auto ineuro = [f](const QString& t) { return testonumero(std::floor(valore(t) / f * 1000 + 0.5) / 1000); };
    const int ultima = ultimarigaconvertita(b.numerorighe);
    for (int riga = 1; riga <= ultima; ++riga) {
        const auto r = std::size_t(riga);
        if (b.prezzo0[r].isEmpty() && b.prezzo[r].isEmpty())
            continue;   // a line never used stays blank
        SalesBalance::PrezziLire& l = b.prezzilire[r];
        l = SalesBalance::PrezziLire{b.prezzo0[r], b.prezzo[r], QString(), QString(), b.prezzonumero[r], true};
        if (!b.prezzo0[r].isEmpty())
            b.prezzo0[r] = ineuro(b.prezzo0[r]);
        if (!b.prezzo[r].isEmpty()) {
            b.prezzo[r] = ineuro(b.prezzo[r]);
            b.prezzonumero[r] = true;
        }
        l.acquistoeuro = b.prezzo0[r];
        l.venditaeuro = b.prezzo[r];
        calcolariga(b, riga);
    }
}

void convertiinlire(SalesBalance& b)
{
    // Always the rate itself: the monthly window shows lire with a factor of 1.
    const double f = cambiosingolo;
    auto inlire = [f](const QString& t) { return testonumero(std::floor(valore(t) * f + 0.5)); };
    const int ultima = ultimarigaconvertita(b.numerorighe);
    for (int riga = 1; riga <= ultima; ++riga) {
        const auto r = std::size_t(riga);
        SalesBalance::PrezziLire l = std::exchange(b.prezzilire[r], SalesBalance::PrezziLire{});
        if (b.prezzo0[r].isEmpty() && b.prezzo[r].isEmpty())
            continue;
        const bool ricordato = l.presente;
        if (ricordato && b.prezzo0[r] == l.acquistoeuro)
            b.prezzo0[r] = l.acquisto;
        else if (!b.prezzo0[r].isEmpty())
            b.prezzo0[r] = inlire(b.prezzo0[r]);
        if (ricordato && b.prezzo[r] == l.venditaeuro) {
            b.prezzo[r] = l.vendita;
            b.prezzonumero[r] = l.venditanumero;
        } else if (!b.prezzo[r].isEmpty()) {
            b.prezzo[r] = inlire(b.prezzo[r]);
            b.prezzonumero[r] = true;
        }
        calcolariga(b, riga);
    }
}
