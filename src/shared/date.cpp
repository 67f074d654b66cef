#include "shared/date.h"
#include "shared/numeri.h"

#include <QRegularExpression>
#include <cmath>

std::optional<QDate> convertidata(const QString& testo)
{
    static const QRegularExpression forma(
        QStringLiteral("^\\s*(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{1,2}|\\d{4})\\s*$"));
    const auto m = forma.match(testo);
    if (!m.hasMatch())
        return std::nullopt;
    const int giorno = m.captured(1).toInt();
    const int mese = m.captured(3).toInt();
    int anno = m.captured(4).toInt();
    if (m.captured(4).size() <= 2)
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
