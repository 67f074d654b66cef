#include "balance/stampabilancio.h"
#include "balance/vendite.h"
#include "shared/documento.h"
#include "shared/numeri.h"

#include <QList>
#include <algorithm>

namespace {

// A number of the balance in the given format; empty stays empty, a text that is no
// number is printed as it is.
QString numero(const QString& testo, QStringView formato)
{
    if (testo.isEmpty() || !iniziaconnumero(testo))
        return testo;
    return formatta(valore(testo), formato);
}
} // namespace

void stampabilancio(Documento& d, const SalesBalance& b, const StampaBilancio& s)
{
    const int n = std::clamp(b.numerorighe, 0, SalesBalance::maxvendite);
    const bool lire = s.valori == u"valori in lire";
    const QStringView importi = lire ? u"##,##0" : u"##,##0.00";
    const QStringView quantita = u"##,##0";

    const int t1 = iniziotabella(d, s.nomeprogramma, s.descrizione,
                                 QStringLiteral("Bilancio annuale (") + s.anno + QStringLiteral(" - ") + s.valori + u')', n + 2, 10, 8);
    const QString intestazioni[] = {QStringLiteral("titolo"),  QStringLiteral("acquisto"), QStringLiteral("numero"),
                                    QStringLiteral("prezzo"),  QStringLiteral("vendita"),  QStringLiteral("numero"),
                                    QStringLiteral("prezzo"),  QStringLiteral("pagato"),   QStringLiteral("guadagno"),
                                    QStringLiteral("%")};
    for (int k = 0; k < 10; ++k)
        d.testocella(t1, 1, k + 1, intestazioni[k]);
    for (int riga = 1; riga <= n; ++riga) {
        const auto r = std::size_t(riga);
        const QString celle[] = {b.nomea[r],
                                 b.dataacquisto[r],
                                 numero(b.nacq[r], quantita),
                                 numero(b.prezzo0[r], importi),
                                 b.datavendita[r],
                                 numero(b.na[r], quantita),
                                 numero(b.prezzo[r], importi),
                                 numero(b.pagato[r], importi),
                                 numero(b.realizzato[r], importi),
                                 formattatesto(b.percento[r], u"##,##0.00")};
        for (int k = 0; k < 10; ++k)
            d.testocella(t1, riga + 1, k + 1, celle[k]);
    }
    const TotaliBilancio t = calcolatotali(b);
    d.testocella(t1, n + 2, 1, QStringLiteral("Totali"));
    d.testocella(t1, n + 2, 8, formatta(t.pagato, importi));
    d.testocella(t1, n + 2, 9, formatta(t.guadagno, importi));
    d.testocella(t1, n + 2, 10, formattatesto(t.media, u"##,##0.00"));

    // The notes of the stocks sold, for the rows that have any.
    QList<int> conappunti;
    for (int riga = 1; riga <= n; ++riga)
        if (!b.appunti[std::size_t(riga)].isEmpty())
            conappunti.append(riga);
    d.aggiungiparagrafo(d.finedocumento());
    d.testointervallo(d.finedocumento(), 12, QStringLiteral("\rAppunti di strategia"));
    d.aggiungiparagrafo(d.finedocumento());
    const int t2 = d.aggiungitabella(d.finedocumento(), int(conappunti.size()) + 1, 2);
    d.dimensionetabella(t2, 10);
    d.testocella(t2, 1, 1, QStringLiteral("titolo"));
    d.testocella(t2, 1, 2, QStringLiteral("appunti"));
    for (int k = 0; k < conappunti.size(); ++k) {
        const auto r = std::size_t(conappunti[k]);
        d.testocella(t2, k + 2, 1, b.nomea[r]);
        d.testocella(t2, k + 2, 2, b.appunti[r]);
    }

    for (int k : {3, 4, 6, 7, 8, 9, 10})
        d.allineacolonna(t1, k, Documento::Allineamento::Destra);
}
