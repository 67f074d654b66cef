// libFuzzer target for the archive reader: any bytes are refused or read, never more.
#include "portfolio/archivio.h"
#include "shared/campi.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray b(reinterpret_cast<const char*>(dati), qsizetype(n));
    QString errore;
    const auto p = leggiarchivio(decodificaarchivio(b), &errore);
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
    return 0;
}
