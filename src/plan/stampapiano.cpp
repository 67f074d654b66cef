#include "plan/stampapiano.h"
#include "shared/documento.h"

#include <algorithm>

const std::array<QString, 13> periodipiano = {
    QStringLiteral("intero anno"), QStringLiteral("gennaio"),   QStringLiteral("febbraio"),
    QStringLiteral("marzo"),       QStringLiteral("aprile"),    QStringLiteral("maggio"),
    QStringLiteral("giugno"),      QStringLiteral("luglio"),    QStringLiteral("agosto"),
    QStringLiteral("settembre"),   QStringLiteral("ottobre"),   QStringLiteral("novembre"),
    QStringLiteral("dicembre"),
};

bool pianovuoto(const std::array<QString, 13>& note)
{
    return std::all_of(note.begin(), note.end(), [](const QString& n) { return n.isEmpty(); });
}

void stampapiano(Documento& d, const std::array<QString, 13>& note)
{
    const QString gotico = QStringLiteral("Century Gothic");
    iniziostampa(d, QStringLiteral("VELNO"), QStringLiteral("(programma per la gestione dei titoli di velno)\r\r"));
    d.carattere(gotico, 12);
    d.scrivi(QStringLiteral("Piano strategico"));

    d.aggiungiparagrafo(d.finedocumento());
    const int t = d.aggiungitabella(d.finedocumento(), 14, 2);
    d.dimensionetabella(t, 10);
    d.testocella(t, 1, 1, QStringLiteral("periodo"));
    d.testocella(t, 1, 2, QStringLiteral("strategia"));
    for (int i = 0; i <= 12; ++i) {
        d.testocella(t, i + 2, 1, periodipiano[std::size_t(i)]);
        d.testocella(t, i + 2, 2, note[std::size_t(i)]);
    }
    d.formatotabella(t, 9);
}
