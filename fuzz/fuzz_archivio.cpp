// libFuzzer target for the archive readers (portfolio and balance): any bytes are refused or
// read, never more. Seeds: fuzz/corpus (portfolios) and fuzz/corpus/bilancio (balances).
#include "balance/archiviobilancio.h"
#include "portfolio/archivio.h"
#include "shared/campi.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void portafoglio(const QString& testo)
{
    QString errore;
    const auto p = leggiarchivio(testo, &errore);
    if (p) {
        if (p->numerotitoli < 0 || p->numerotitoli > Portfolio::maxtitoli || p->numerocolonne < 0
            || p->numerocolonne > Portfolio::maxcolonne)
            std::abort();
        // What was read writes back and reads again the same.
        const auto q = leggiarchivio(testoarchivio(*p), &errore);
        if (!q || q->strategia != p->strategia || q->nomititoli != p->nomititoli || q->notepiano != p->notepiano)
            std::abort();
    } else if (errore.isEmpty()) {
        std::abort();
    }
}

void bilancio(const QString& testo)
{
    QString errore;
    const auto b = leggibilancio(testo, &errore);
    if (b) {
        if (b->numerorighe < 0 || b->numerorighe > SalesBalance::maxvendite)
            std::abort();
        const auto c = leggibilancio(testobilancio(*b), &errore);
        if (!c || c->numerorighe != b->numerorighe || c->nomea != b->nomea || c->appunti != b->appunti
            || c->prezzo != b->prezzo || c->percento != b->percento)
            std::abort();
    } else if (errore.isEmpty()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString testo = decodificaarchivio(QByteArray(reinterpret_cast<const char*>(dati), qsizetype(n)));
    portafoglio(testo);
    bilancio(testo);
    return 0;
}
