#include "shared/numeri.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool spazio(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Length of the leading numeric part after position i (sign, digits, one ".", exponent).
qsizetype lunghezzanumero(QStringView t, qsizetype i, bool* cifre)
{
    const qsizetype inizio = i;
    *cifre = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) { ++i; *cifre = true; }
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) { ++i; *cifre = true; }
    }
    if (*cifre && i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            ++j;
        const qsizetype k = j;
        while (j < t.size() && t[j].isDigit() && t[j].unicode() < 128)
            ++j;
        if (j > k)
            i = j;
    }
    return i - inizio;
}

} // namespace

double valore(QStringView testo)
{
    qsizetype i = 0;
    while (i < testo.size() && spazio(testo[i]))
        ++i;
    bool cifre = false;
    const qsizetype n = lunghezzanumero(testo, i, &cifre);
    if (!cifre)
        return 0.0;
    // The numeric part is plain ASCII: read it whatever the C locale, without allocating
    // unless it is longer than any real figure.
    char corto[128];
    std::string lungo;
    char* buffer = corto;
    if (n > qsizetype(sizeof corto)) {
        lungo.resize(std::size_t(n));
        buffer = lungo.data();
    }
    qsizetype k = 0;
    for (qsizetype j = i; j < i + n; ++j) {
        char c = char(testo[j].unicode());
        buffer[k++] = (c == 'd' || c == 'D') ? 'e' : c;
    }
    const char* inizio = buffer;
    if (k > 0 && buffer[0] == '+')
        ++inizio;
    double v = 0.0;
    const auto r = std::from_chars(inizio, buffer + k, v);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large for any figure: infinity, which every display shows as such, never a
        // smaller number. Too small: zero. The power of ten of the first significant digit
        // tells which.
        const char* c = inizio;
        const bool negativo = *c == '-';
        if (*c == '-')
            ++c;
        long long interi = 0, zeri = 0;
        bool significativo = false;
        for (; c < buffer + k && *c != '.' && *c != 'e' && *c != 'E'; ++c)
            if (significativo || *c != '0') {
                significativo = true;
                ++interi;
            }
        if (c < buffer + k && *c == '.')
            for (++c; c < buffer + k && *c != 'e' && *c != 'E'; ++c) {
                if (*c != '0')
                    significativo = true;
                else if (!significativo)
                    ++zeri;
            }
        long long esponente = 0;
        if (c + 1 < buffer + k
            && std::from_chars(c + 1 + (c[1] == '+'), buffer + k, esponente).ec == std::errc::result_out_of_range)
            esponente = c[1] == '-' ? -(1LL << 60) : (1LL << 60);
        const long long primo = interi > 0 ? interi - 1 : -(zeri + 1);
        if (!significativo || primo + esponente < 0)
            return 0.0;
        return negativo ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    if (r.ec != std::errc())
        return 0.0;
    return v;
}

bool iniziaconnumero(QStringView testo)
{
    qsizetype i = 0;
    while (i < testo.size() && spazio(testo[i]))
        ++i;
    bool cifre = false;
    lunghezzanumero(testo, i, &cifre);
    return cifre;
}

QString formatta(double numero, QStringView formato)
{
    const qsizetype punto = formato.indexOf(u'.');
    const QStringView intera = punto < 0 ? formato : formato.left(punto);
    int decimali = 0;
    if (punto >= 0)
        for (QChar c : formato.mid(punto + 1))
            if (c == u'0' || c == u'#')
                ++decimali;
    const bool migliaia = intera.contains(u',');
    int cifreminime = 0;
    for (QChar c : intera)
        if (c == u'0')
            ++cifreminime;

    // Round half away from zero on the decimal value, as the old Format did.
    const double scala = std::pow(10.0, decimali);
    double arrotondato = std::round(std::fabs(numero) * scala) / scala;
    // Beyond fifteen digits a double no longer holds every digit shown: such a figure must
    // not look like a real one.
    if (!std::isfinite(arrotondato) || arrotondato >= std::pow(10.0, 15 - decimali))
        return fuorimisura();
    QString cifre = QString::number(arrotondato, 'f', decimali);
    QString parteintera = cifre.section(u'.', 0, 0);
    QString partedecimale = decimali > 0 ? cifre.section(u'.', 1, 1) : QString();

    while (parteintera.size() > 1 && parteintera.startsWith(u'0'))
        parteintera.remove(0, 1);
    if (parteintera == u"0" && cifreminime == 0)
        parteintera.clear();
    while (parteintera.size() < cifreminime)
        parteintera.prepend(u'0');

    if (migliaia && parteintera.size() > 3) {
        QString raggruppata;
        const qsizetype n = parteintera.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                raggruppata += u'.';
            raggruppata += parteintera[i];
        }
        parteintera = raggruppata;
    }
    QString risultato = parteintera;
    if (decimali > 0)
        risultato += u',' + partedecimale;
    const bool zero = arrotondato == 0.0;
    if (numero < 0 && !zero)
        risultato.prepend(u'-');
    return risultato;
}

QString fuorimisura()
{
    return QStringLiteral("########");
}

QString formattatesto(const QString& testo, QStringView formato)
{
    if (testo.isEmpty())
        return testo;
    // An Italian number: optional sign, digits grouped by ".", decimals after ",".
    QString t = testo.trimmed();
    QString normale;
    bool cifre = false, virgola = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) { normale += c; cifre = true; }
        else if ((c == u'-' || c == u'+') && i == 0) normale += c;
        else if (c == u'.' && !virgola) continue;
        else if (c == u',' && !virgola) { normale += u'.'; virgola = true; }
        else return testo;
    }
    if (!cifre)
        return testo;
    bool ok = false;
    const double v = normale.toDouble(&ok);
    return ok ? formatta(v, formato) : testo;
}

QString formattamigliaia(double valoredaformattare)
{
    return formatta(valoredaformattare, u"###,0");
}

QString virgoladecimale(const QString& testoconpunto)
{
    QString testoconvirgola = testoconpunto;
    testoconvirgola.replace(u'.', u',');
    return testoconvirgola;
}

QString str(long long n)
{
    return n >= 0 ? u' ' + QString::number(n) : QString::number(n);
}
