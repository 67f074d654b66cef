// libFuzzer target for the balance archive reader: any bytes are refused with a reason or read
// within the hundred sales, and what was read writes back and reads again the same.
// Seeds: fuzz/corpus/bilancio.
#include "acapo.h"
#include "balance/archiviobilancio.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const auto b = letto(leggibilancio, dati, n);
    if (!b)
        return 0;
    if (b->numerorighe < 0 || b->numerorighe > SalesBalance::maxvendite)
        std::abort();
    const auto c = leggibilancio(testobilancio(*b), nullptr);
    if (!c || c->numerorighe != b->numerorighe || !stessitesti(c->nomea, b->nomea)
        || !stessitesti(c->appunti, b->appunti) || !stessitesti(c->prezzo, b->prezzo)
        || !stessitesti(c->percento, b->percento) || !stessitesti(c->datavendita, b->datavendita))
        std::abort();
    return 0;
}
