#include "ranking/stampaclassifica.h"
#include "shared/documento.h"
#include "shared/numeri.h"

#include <algorithm>

void stampaclassifica(Documento& d, const Graduatoria& g, const StampaClassifica& s)
{
    const QString gotico = QStringLiteral("Century Gothic");
    const int n = std::clamp(s.numerotitoli, 0, Portfolio::maxtitoli);

    iniziostampa(d, s.nomeprogramma, s.descrizione + QStringLiteral("\r\r"));
    d.carattere(gotico, 12);
    d.scrivi(QStringLiteral("Classifica dei titoli ") + u'(' + s.periodo + u')');

    d.aggiungiparagrafo(d.finedocumento());
    const int t = d.aggiungitabella(d.finedocumento(), n + 1, 3);
    d.dimensionetabella(t, 12);
    d.testocella(t, 1, 1, QStringLiteral("n."));
    d.testocella(t, 1, 2, QStringLiteral("titolo"));
    d.testocella(t, 1, 3, QStringLiteral("percentuale di aumento o perdita"));
    for (int i = 1; i <= n; ++i) {
        d.testocella(t, i + 1, 1, str(i));
        d.testocella(t, i + 1, 2, g.titoliordinati[i]);
        const auto& v = g.incrementi[i];
        d.testocella(t, i + 1, 3, v ? formatta(*v, u"##,##0.00") : QString());
    }
    d.formatotabella(t, 9);
    d.allineacolonna(1, 3, Documento::Allineamento::Destra);
}
