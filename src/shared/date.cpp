#include "shared/date.h"
#include "shared/numeri.h"

#include <cmath>

namespace {
// Reads 1..massimo ASCII digits at i; the count read, 0 when none.
int cifre(const QString& t, qsizetype& i, int massimo, int* valore)
{
    int n = 0;
    *valore = 0;
    while (i < t.size() && n < massimo + 1 && t[i] >= u'0' && t[i] <= u'9') {
        *valore = *valore * 10 + (t[i].unicode() - u'0');
        ++i;
        ++n;
    }
    return n;
}
} // namespace

std::optional<QDate> convertidata(const QString& testo)
{
    qsizetype i = 0;
    while (i < testo.size() && testo[i].isSpace())
        ++i;
    int giorno = 0, mese = 0, anno = 0;
    const int ng = cifre(testo, i, 2, &giorno);
    if (ng < 1 || ng > 2 || i >= testo.size())
        return std::nullopt;
    const QChar separatore = testo[i++];
    if (separatore != u'/' && separatore != u'-' && separatore != u'.')
        return std::nullopt;
    const int nm = cifre(testo, i, 2, &mese);
    if (nm < 1 || nm > 2 || i >= testo.size() || testo[i++] != separatore)
        return std::nullopt;
    const int na = cifre(testo, i, 4, &anno);
    if (na < 1 || na == 3 || na > 4)
        return std::nullopt;
    while (i < testo.size() && testo[i].isSpace())
        ++i;
    if (i != testo.size())
        return std::nullopt;
    if (na <= 2)
        anno += anno <= 44 ? 2000 : 1900;
    const QDate d(anno, mese, giorno);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

DataSpezzata spezzadata(const QString& testo)
{
    DataSpezzata d;
    d.giornodata = valore(QStringView(testo).left(2));
    d.mesedata = valore(QStringView(testo).mid(3, 2));
    d.annodata = valore(QStringView(testo).right(2));
    d.separatore1 = testo.size() > 2 ? testo[2] : QChar();
    d.separatore2 = testo.size() > 5 ? testo[5] : QChar();
    return d;
}

std::optional<Messaggio> controllodata(const DataSpezzata& d, const QString& messaggiodata,
                                       const QString& titolo)
{
    const QString coda = messaggiodata + QStringLiteral(": usare il formato gg/mm/aa.");
    auto errore = [&](const QString& inizio) {
        return Messaggio{inizio + coda, titolo, Icona::Critica};
    };
    const QString incompatibili = QStringLiteral("Giorni e mese incompatibili nella data");
    const double g = d.giornodata, m = d.mesedata;
    if (g < 1 || g > 31)
        return errore(QStringLiteral("Correggere il giorno nella data"));
    if (m < 1 || m > 12)
        return errore(QStringLiteral("Correggere il mese nella data"));
    if ((m == 4 || m == 6 || m == 9 || m == 11) && g > 30)
        return errore(incompatibili);
    if ((m == 1 || m == 3 || m == 5 || m == 7 || m == 8 || m == 10 || m == 12) && g > 31)
        return errore(incompatibili);
    if (d.separatore2 != u'/' || d.separatore1 != u'/')
        return errore(QStringLiteral("Errore nella data"));
    if (m == 2 && g > 29)
        return errore(incompatibili);
    if (m == 2 && g > 28 && std::fmod(d.annodata, 4.0) != 0.0)
        return errore(incompatibili);
    return std::nullopt;
}

std::optional<Messaggio> controllodatacompleta(const QString& testo, const QString& messaggiodata,
                                               const QString& titolo)
{
    const Messaggio forma{QStringLiteral("Correggere la data") + messaggiodata + QStringLiteral(": usare il formato gg/mm/aa."),
                          titolo, Icona::Critica};
    if (testo.size() != 8)
        return forma;
    if (auto m = controllodata(spezzadata(testo), messaggiodata, titolo))
        return m;
    if (!convertidata(testo))
        return forma;
    return std::nullopt;
}
