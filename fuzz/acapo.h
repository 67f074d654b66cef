#pragma once
// What the fuzz targets share: the archive writers' convention for line breaks inside a text
// (CR LF, LF and a lone CR are each one line break, written as CR LF), so that a round trip is
// compared on what it must keep.
#include "shared/campi.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline QString acapo(QString t)
{
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

template <std::size_t N> bool stessitesti(const std::array<QString, N>& a, const std::array<QString, N>& b)
{
    for (std::size_t i = 0; i < N; ++i)
        if (acapo(a[i]) != acapo(b[i]))
            return false;
    return true;
}

inline QString testofuzz(const uint8_t* dati, size_t n)
{
    return decodificaarchivio(QByteArray(reinterpret_cast<const char*>(dati), qsizetype(n)));
}

// The bytes read by `leggi`: what it read, or nothing when it refused them, always with a
// reason (a refusal without one is a fault).
template <class Leggi> auto letto(Leggi leggi, const uint8_t* dati, size_t n)
{
    QString errore;
    auto letti = leggi(testofuzz(dati, n), &errore);
    if (!letti && errore.isEmpty())
        std::abort();
    return letti;
}
