#include "card/stampascheda.h"
#include "shared/documento.h"

const std::array<QString, 14> vocischeda = {
    QString(),
    QStringLiteral("dati"),
    QStringLiteral("data d'acquisto"),
    QStringLiteral("quantità"),
    QStringLiteral("prezzo d'acquisto"),
    QStringLiteral("data della quotazione"),
    QStringLiteral("quotazione aggiornata"),
    QStringLiteral("totale valore investito"),
    QStringLiteral("totale valore attuale"),
    QStringLiteral("saldo corrente"),
    QStringLiteral("guadagno in %"),
    QStringLiteral("data stacco dividendo"),
    QStringLiteral("ultimo dividendo pagato"),
    QStringLiteral("% su ultima quotazione"),
};

void stampascheda(Documento& d, const StampaScheda& s)
{
    const int t = iniziotabella(d, s.nomeprogramma, s.descrizione,
                                QStringLiteral("Scheda del titolo: ") + s.nome + QStringLiteral(" (") + s.moneta + u')', 13, 2, 10);
    for (int r = 1; r <= 13; ++r) {
        d.testocella(t, r, 1, vocischeda[std::size_t(r)]);
        d.testocella(t, r, 2, r == 1 ? QStringLiteral("valori") : s.valori[std::size_t(r)]);
    }

    d.aggiungiparagrafo(d.finedocumento());
    d.testointervallo(d.finedocumento(), 12, QStringLiteral("\rAppunti sul titolo\r") + s.note);
}
