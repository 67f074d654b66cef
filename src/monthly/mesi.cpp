#include "monthly/mesi.h"
#include "balance/vendite.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"

#include <algorithm>
#include <cmath>

SommeMensili sommemensili(const SalesBalance& b)
{
    SommeMensili s;
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        const double mese = valore(QStringView(b.datavendita[r]).mid(3, 2));
        if (mese < 1 || mese > 12 || mese != std::floor(mese))
            continue;
        const auto m = std::size_t(mese);
        const double acquisto = scala(valore(b.prezzo0[r]));
        const double vendute = valore(b.na[r]);
        s.costo[m] += scala(acquisto * vendute);
        if (!b.prezzo[r].isEmpty() && valore(b.prezzo[r]) != 0)
            s.guadagno[m] += scala((scala(valore(b.prezzo[r])) - acquisto) * vendute);
    }
    for (int m = 1; m <= 12; ++m) {
        s.costo[std::size_t(m)] = scala(s.costo[std::size_t(m)]);
        s.guadagno[std::size_t(m)] = scala(s.guadagno[std::size_t(m)]);
    }
    return s;
}

QString percentuale(double costo, double guadagno)
{
    if (guadagno == 0)
        return QString();
    if (costo == 0)
        return QStringLiteral("gratis");
    return testopercento(std::floor(guadagno / costo * 10000 + 0.5) / 100);
}

namespace {
QStringView formato(bool euro) { return euro ? u"##,##0.00" : u"###,0"; }
} // namespace

QString importomensile(double lire, double fattore, bool euro)
{
    const double v = lire / fattore;
    const QString t = formatta(v, formato(euro));
    return t == formatta(0.0, formato(euro)) ? QString() : t;
}

TabellaMensile tabellamensile(const SommeMensili& s, double fattore, bool euro)
{
    TabellaMensile t;
    for (int m = 1; m <= 12; ++m) {
        const auto k = std::size_t(m);
        RigaMensile& r = t.mesi[k];
        r.pagato = importomensile(s.costo[k], fattore, euro);
        r.realizzato = importomensile(s.guadagno[k], fattore, euro);
        r.percento = percentuale(s.costo[k], s.guadagno[k]);
        t.pagato += s.costo[k] / fattore;
        t.guadagno += s.guadagno[k] / fattore;
    }
    t.totpagato = formatta(t.pagato, formato(euro));
    t.totguadagno = formatta(t.guadagno, formato(euro));
    t.mediapercento = percentuale(t.pagato, t.guadagno);
    return t;
}

PannelloAnni pannelloanni(const ModuloVelno& m, int primo, double fattore, bool euro)
{
    PannelloAnni p;
    primo = std::clamp(primo, 1, ultimoindiceanni - 11);
    for (int k = 1; k <= 12; ++k) {
        const int j = primo + k - 1;
        const auto i = std::size_t(j);
        RigaAnno& r = p.righe[std::size_t(k)];
        r.ann = QString::number(j + ModuloVelno::primoanno);
        r.pagatanno = importomensile(valore(m.totalepagato[i]), fattore, euro);
        r.guadagnanno = importomensile(valore(m.totaleguadagno[i]), fattore, euro);
        r.percentanno = m.mediepercento[i] == u"0" ? QString() : m.mediepercento[i];
    }
    for (int j = 1; j <= primo + 11; ++j) {
        p.pagato += valore(m.totalepagato[std::size_t(j)]) / fattore;
        p.guadagno += valore(m.totaleguadagno[std::size_t(j)]) / fattore;
    }
    p.totpagatanno = formatta(p.pagato, formato(euro));
    p.totguadagnanno = formatta(p.guadagno, formato(euro));
    // With no cost there is no percentage to show, never a division by zero.
    p.annipercento = p.pagato == 0 ? QString()
                                   : testopercento(std::floor(p.guadagno * 100 / p.pagato * 100 + 0.5) / 100);
    return p;
}

void leggianni(ModuloVelno& m, const QString& annobilancio)
{
    const int anno = std::min(int(valore(annobilancio)), ModuloVelno::ultimoanno);
    for (int a = anno; a >= primoannopannello; --a)
        m.leggitotali(a, m.cartella);
}

void annodelbilancio(ModuloVelno& m, int anno)
{
    const SalesBalance& b = m.vendite.tabelle();
    if (b.numerorighe == 0 || anno < ModuloVelno::primoanno || anno > ModuloVelno::ultimoanno || !soloanno(b, anno))
        return;
    const TotaliBilancio t = calcolatotali(b);
    const auto k = std::size_t(anno - ModuloVelno::primoanno);
    m.totalepagato[k] = t.testopagato;
    m.totaleguadagno[k] = t.testoguadagno;
    m.mediepercento[k] = t.media;
}
