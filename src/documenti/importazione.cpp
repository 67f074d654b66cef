#include "documenti/importazione.h"
#include "documenti/documentoazioni.h"
#include "shared/date.h"
#include "shared/dialoghi.h"
#include "shared/scritturasicura.h"

#include <QElapsedTimer>

Importazione importaquotazioni(DocumentoAzioni& documento, Dialoghi& dialoghi, QWidget* genitore,
                               const QString& titolocontrollo, const std::function<void(int)>& avanzamento,
                               QDate oggi)
{
    const QString titolo = QStringLiteral("Importa quotazioni");
    const QString file =
        dialoghi.apri(genitore, RichiestaFile{titolo, QStringLiteral("File di testo CSV|*.csv *.txt|Tutti i file (*.*)|*.*"), 1});
    if (file.isEmpty())
        return {};
    QByteArray dati;
    if (QString perche; !leggisicuro(file, 16 * 1024 * 1024, &dati, &perche,
                                     QStringLiteral("è troppo grande per un elenco di quotazioni")))
        return {{}, Messaggio{QStringLiteral("Impossibile leggere il file \"%1\": %2.").arg(file, perche), titolocontrollo,
                              Icona::Critica}};
    QElapsedTimer orologio;
    orologio.start();
    auto avanza = [&](int percento) {
        if (orologio.elapsed() >= 100)
            avanzamento(percento);
    };
    FileQuotazioni quotazioni = leggiquotazioni(dati, -1, avanza);
    if (quotazioni.dascegliere()) {
        // Which column holds today's prices, the user says: never a cost taken silently.
        const QString domanda = quotazioni.colonneprezzo.size() == 1
            ? QStringLiteral("Il file non ha una colonna del prezzo di mercato, ma solo questa: contiene le quotazioni da "
                             "importare?")
            : QStringLiteral("Il file ha più colonne di prezzi: quale contiene le quotazioni da importare?");
        const auto scelta = dialoghi.scelta(genitore, titolo, domanda, quotazioni.vocicolonne());
        if (!scelta) {
            avanzamento(-1);
            return {};
        }
        quotazioni = leggiquotazioni(dati, quotazioni.colonneprezzo.value(*scelta), avanza);
    }
    avanzamento(-1);
    QString data;
    if (quotazioni.errore.isEmpty() && !quotazioni.condata) {
        // The file has no date: the user says which day its prices are of.
        const auto d = dialoghi.data(genitore, titolo, QStringLiteral("Data delle quotazioni del file (gg/mm/aa):"),
                                     oggi.toString(QStringLiteral("dd/MM/yy")));
        if (!d)
            return {};
        if (auto m = controllodatacompleta(*d, QStringLiteral(" delle quotazioni importate"), titolocontrollo))
            return {{}, std::move(m)};
        data = *d;
    }
    Importazione i;
    i.esito = documento.importa(quotazioni, data, titolocontrollo);
    i.messaggio = i.esito->riepilogo(titolocontrollo);
    return i;
}
