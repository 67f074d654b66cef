#include "shared/campi.h"
#include "shared/numeri.h"
#include "shared/scritturasicura.h"

#include <QRegularExpression>

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> alti = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::optional<char> a1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < alti.size(); ++i)
        if (alti[i] == c && c != 0xFFFD)
            return char(0x80 + i);
    return std::nullopt;
}

} // namespace

void ScrittoreCampi::separa()
{
    if (!m_iniziorecord)
        m_testo += u',';
    m_iniziorecord = false;
}

void ScrittoreCampi::testo(const QString& t)
{
    separa();
    QString doppio = t;
    // Line breaks inside a text are CR LF in the file, whatever the box that holds it uses.
    if (doppio.contains(u'\n') || doppio.contains(u'\r')) {
        doppio.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        doppio.replace(u'\r', u'\n');
        doppio.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    }
    doppio.replace(u'"', QStringLiteral("\"\""));
    m_testo += u'"' + doppio + u'"';
}

void ScrittoreCampi::numero(double n)
{
    separa();
    QString s = QString::number(n, 'g', 15);
    if (s.startsWith(QStringLiteral("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QStringLiteral("-0.")))
        s.remove(1, 1);
    m_testo += s;
}

void ScrittoreCampi::numero(const QString& cifre)
{
    // Digits already written as the program keeps them go out as they are: a double through
    // fifteen significant digits would lose the sixteenth.
    // Anchored whole: "$" alone would let a line end through.
    static const QRegularExpression semplice(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]*\\.?[0-9]*")));
    if (!semplice.match(cifre).hasMatch() || !std::any_of(cifre.begin(), cifre.end(), [](QChar c) { return c.isDigit(); })) {
        numero(valore(cifre));
        return;
    }
    separa();
    QString s = cifre;
    if (s.startsWith(QStringLiteral("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QStringLiteral("-0.")))
        s.remove(1, 1);
    m_testo += s;
}

void ScrittoreCampi::vuoto()
{
    separa();
}

void ScrittoreCampi::fineriga()
{
    m_testo += QStringLiteral("\r\n");
    m_iniziorecord = true;
}

void LettoreCampi::saltaspazi()
{
    while (m_i < m_t.size() && (m_t[m_i] == u' ' || m_t[m_i] == u'\t'))
        ++m_i;
}

bool LettoreCampi::finito()
{
    // Trailing blank lines after the last record hold no field.
    qsizetype j = m_i;
    while (j < m_t.size() && (m_t[j] == u' ' || m_t[j] == u'\t' || m_t[j] == u'\r' || m_t[j] == u'\n'
                              || m_t[j] == QChar(0x1A)))
        ++j;
    return j >= m_t.size();
}

int LettoreCampi::rigaa(qsizetype posizione)
{
    for (; m_contata < posizione && m_contata < m_t.size(); ++m_contata) {
        const QChar ch = m_t[m_contata];
        if (ch == u'\n' || (ch == u'\r' && (m_contata + 1 >= m_t.size() || m_t[m_contata + 1] != u'\n')))
            ++m_riga;
    }
    return m_riga;
}

std::optional<Campo> LettoreCampi::leggi()
{
    if (m_i >= m_t.size())
        return std::nullopt;
    saltaspazi();
    Campo c;
    c.riga = rigaa(m_i);
    if (m_i < m_t.size() && m_t[m_i] == u'"') {
        c.virgolette = true;
        ++m_i;
        bool chiuso = false;
        // A text without doubled quotes is taken whole, in a string of just its size (a
        // full-scale archive holds thirty thousand of them); one with them, a character at a time.
        if (const qsizetype fine = m_t.indexOf(u'"', m_i);
            fine >= 0 && (fine + 1 >= m_t.size() || m_t[fine + 1] != u'"')) {
            c.testo = m_t.mid(m_i, fine - m_i);
            m_i = fine + 1;
            chiuso = true;
        }
        while (!chiuso && m_i < m_t.size()) {
            const QChar ch = m_t[m_i++];
            if (ch == u'"') {
                if (m_i < m_t.size() && m_t[m_i] == u'"') {
                    c.testo += u'"';
                    ++m_i;
                    continue;
                }
                chiuso = true;
                break;
            }
            c.testo += ch;
        }
        if (!chiuso)
            return std::nullopt;   // a text cut off by the end of the file
        // Anything between the closing quote and the delimiter is passed over, as Input did.
        while (m_i < m_t.size() && m_t[m_i] != u',' && m_t[m_i] != u'\r' && m_t[m_i] != u'\n')
            ++m_i;
    } else {
        const qsizetype inizio = m_i;
        while (m_i < m_t.size() && m_t[m_i] != u',' && m_t[m_i] != u'\r' && m_t[m_i] != u'\n')
            ++m_i;
        c.testo = m_t.mid(inizio, m_i - inizio).trimmed();
    }
    c.finerecord = true;
    if (m_i < m_t.size()) {
        if (m_t[m_i] == u',') {
            c.finerecord = false;
            ++m_i;
        } else if (m_t[m_i] == u'\r') {
            ++m_i;
            if (m_i < m_t.size() && m_t[m_i] == u'\n')
                ++m_i;
        } else {
            ++m_i;
        }
    }
    return c;
}

QByteArray codificaarchivio(const QString& testo)
{
    QByteArray b;
    b.reserve(testo.size());
    for (QChar ch : testo) {
        const auto c = a1252(ch.unicode());
        if (!c) {
            QByteArray u("\xEF\xBB\xBF");
            return u + testo.toUtf8();
        }
        b += *c;
    }
    return b;
}

QString decodificaarchivio(const QByteArray& dati)
{
    if (dati.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(dati.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8(dati);
    if (!utf8.hasError())
        return s;
    QString r;
    r.reserve(dati.size());
    for (char c : dati) {
        const auto u = static_cast<unsigned char>(c);
        r += (u >= 0x80 && u < 0xA0) ? QChar(alti[u - 0x80]) : QChar(u);
    }
    return r;
}

std::optional<QString> leggifilearchivio(const QString& file, qint64 massimo, const QString& troppogrande, QString* errore)
{
    QByteArray dati;
    if (!leggisicuro(file, massimo, &dati, errore, troppogrande))
        return std::nullopt;
    return decodificaarchivio(dati);
}

std::optional<Campo> LettoreCampi::leggi(bool ultimo, QString* errore)
{
    auto c = leggi();
    if (!c)
        *errore = QStringLiteral("il file finisce prima del previsto");
    else if (c->finerecord != ultimo)
        *errore = QStringLiteral("la riga %1 non ha la forma attesa").arg(c->riga);
    else if (c->testo.size() > testomassimo)
        *errore = QStringLiteral("il testo alla riga %1 supera i %2 caratteri")
                      .arg(c->riga)
                      .arg(formattamigliaia(double(testomassimo)));
    else
        return c;
    return std::nullopt;
}

std::optional<QString> nontesto(const QString& testo)
{
    if (testo.contains(QChar(0)))
        return QStringLiteral("contiene dati che non sono testo");
    return std::nullopt;
}
