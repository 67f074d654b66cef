#pragma once
#include "shared/messaggio.h"

#include <QDate>
#include <QString>
#include <optional>

// A date typed as text, day/month/year with "/", "-" or "." and one- or two-digit parts
// (a four-digit year is read as it is). Two-digit years 00-44 are 2000-2044, 45-99 are
// 1945-1999. Nothing when the text is not a real date.
std::optional<QDate> convertidata(const QString& testo);

// Days from a to b (b - a), as the old DateDiff("d", a, b).
inline qint64 giornitra(const QDate& a, const QDate& b) { return a.daysTo(b); }

// The parts the date check looks at, cut from a "gg/mm/aa" text by position: the value of
// the first 2 characters, of characters 4-5 and of the last 2; characters 3 and 6.
struct DataSpezzata {
    double giornodata = 0;
    double mesedata = 0;
    double annodata = 0;
    QChar separatore1;
    QChar separatore2;
};
DataSpezzata spezzadata(const QString& testo);

// The date check. Nothing when the date passes (the old dataok = 1); otherwise the
// message to show (critical icon, the given title), which always ends with
// messaggiodata and ": usare il formato gg/mm/aa.".
std::optional<Messaggio> controllodata(const DataSpezzata& d, const QString& messaggiodata,
                                       const QString& titolo);
// The whole check of a typed date: eight characters, controllodata's checks, and a real
// date ("3O/12/99" passes the parts' checks). Besides controllodata's messages:
// "Correggere la data<messaggiodata>: usare il formato gg/mm/aa.".
std::optional<Messaggio> controllodatacompleta(const QString& testo, const QString& messaggiodata,
                                               const QString& titolo);
