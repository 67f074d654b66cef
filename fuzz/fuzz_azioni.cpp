// libFuzzer target for the portfolio archive reader: any bytes are refused with a reason or
// read within the tables' bounds, and what was read writes back and reads again the same.
// Seeds: fuzz/corpus.
#include "acapo.h"
#include "portfolio/archivio.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const auto p = letto(leggiarchivio, dati, n);
    if (!p)
        return 0;
    if (p->numerotitoli < 0 || p->numerotitoli > Portfolio::maxtitoli || p->numerocolonne < 0
        || p->numerocolonne > Portfolio::maxcolonne)
        std::abort();
    const auto q = leggiarchivio(testoarchivio(*p), nullptr);
    if (!q || acapo(q->strategia) != acapo(p->strategia) || !stessitesti(q->nomititoli, p->nomititoli)
        || !stessitesti(q->notetitoli, p->notetitoli) || !stessitesti(q->notepiano, p->notepiano)
        || q->numerotitoli != p->numerotitoli || q->numerocolonne != p->numerocolonne)
        std::abort();
    return 0;
}
