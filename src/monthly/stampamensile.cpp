#include "monthly/stampamensile.h"
#include "shared/documento.h"
#include "documenti/modulovelno.h"
#include "shared/numeri.h"

namespace {

QString importo(double v, QStringView formato)
{
    return v == 0 ? QString() : formatta(v, formato);
}

QString percento(const QString& t)
{
    return t == u"0" ? QString() : formattatesto(t, u"##,##0.00");
}

void intestazione(Documento& d, int t, const QString& prima)
{
    const QString testi[] = {prima, QStringLiteral("pagato"), QStringLiteral("guadagno"), QStringLiteral("%")};
    for (int k = 0; k < 4; ++k)
        d.testocella(t, 1, k + 1, testi[k]);
    for (int k = 2; k <= 4; ++k)
        d.allineacolonna(t, k, Documento::Allineamento::Destra);
}
} // namespace

void stampamensile(Documento& d, const SommeMensili& s, const ModuloVelno& m, const StampaMensile& st,
                   double fattore)
{
    const bool lire = st.valori == u"valori in lire";
    const QStringView importi = lire ? u"##,##0" : u"##,##0.00";

    const int t1 = iniziotabella(d, st.nomeprogramma, st.descrizione,
                                 QStringLiteral("Bilancio mensile (") + st.anno + QStringLiteral(" - ") + st.valori + u')', 14, 4, 10);
    double pagato = 0, guadagno = 0;
    for (int mese = 1; mese <= 12; ++mese) {
        const auto k = std::size_t(mese);
        const double c = s.costo[k] / fattore, g = s.guadagno[k] / fattore;
        pagato += c;
        guadagno += g;
        d.testocella(t1, mese + 1, 1, st.nomimesi[k]);
        d.testocella(t1, mese + 1, 2, importo(c, importi));
        d.testocella(t1, mese + 1, 3, importo(g, importi));
        d.testocella(t1, mese + 1, 4, percento(percentuale(s.costo[k], s.guadagno[k])));
    }
    d.testocella(t1, 14, 1, QStringLiteral("totali"));
    d.testocella(t1, 14, 2, formatta(pagato, importi));
    d.testocella(t1, 14, 3, formatta(guadagno, importi));
    d.testocella(t1, 14, 4, percento(tabellamensile(s, fattore, !lire).mediapercento));
    intestazione(d, t1, QStringLiteral("mese"));
    d.tieniinsieme(t1, 2);

    d.aggiungiparagrafo(d.finedocumento());
    d.testointervallo(d.finedocumento(), 12, QStringLiteral("\rBilancio pluriennale"));
    d.aggiungiparagrafo(d.finedocumento());
    const int anni = ultimoindiceanni;
    const int t2 = d.aggiungitabella(d.finedocumento(), anni + 2, 4);
    d.dimensionetabella(t2, 10);
    for (int j = 1; j <= anni; ++j) {
        const auto i = std::size_t(j);
        const double c = valore(m.totalepagato[i]) / fattore, g = valore(m.totaleguadagno[i]) / fattore;
        d.testocella(t2, j + 1, 1, QString::number(j + ModuloVelno::primoanno));
        d.testocella(t2, j + 1, 2, importo(c, importi));
        d.testocella(t2, j + 1, 3, importo(g, importi));
        d.testocella(t2, j + 1, 4, percento(m.mediepercento[i]));
    }
    // The panel scrolled to its end: its running totals cover every year.
    const PannelloAnni tutti = pannelloanni(m, ultimoindiceanni - 11, fattore, !lire);
    d.testocella(t2, anni + 2, 1, QStringLiteral("totali"));
    d.testocella(t2, anni + 2, 2, formatta(tutti.pagato, importi));
    d.testocella(t2, anni + 2, 3, formatta(tutti.guadagno, importi));
    d.testocella(t2, anni + 2, 4, percento(tutti.annipercento));
    intestazione(d, t2, QStringLiteral("anno"));
    d.tieniinsieme(t2, 2);
}
