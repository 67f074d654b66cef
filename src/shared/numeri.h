#pragma once
#include <QString>
#include <QStringView>

// The value of a number typed as text: its leading numeric part, "." the only decimal
// separator, 0 when no digits lead ("12,5" is 12, "abc" is 0, ".5" is 0.5). A number too
// large for a double is infinite, never a smaller one.
double valore(QStringView testo);

// True when the text starts with a number that valore() reads (digits after an optional
// sign and blanks).
bool iniziaconnumero(QStringView testo);

// A number shown with a format string of the program ("##,##0.00", "##,##0", "###,0",
// "##,##0.0000"): thousands grouped by "." and decimals after ",", whatever the locale.
// Halves round away from zero. A figure with more than fifteen digits (decimals included),
// or infinite, shows as fuorimisura().
QString formatta(double numero, QStringView formato);

// A text formatted as the old program did with a typed value: empty stays empty, a
// text read as an Italian number ("12,5", "1.500") is formatted, anything else is
// returned as it is.
QString formattatesto(const QString& testo, QStringView formato);

// What formatta shows for a figure too large to show every digit of (or not a number at
// all): a row of "#" that nobody can take for an amount.
QString fuorimisura();

// "###,0": an integer with the thousands grouped.
QString formattamigliaia(double valoredaformattare);

// Every "." turned into ",", every other character kept.
QString virgoladecimale(const QString& testoconpunto);

// Str() of the old program: a non-negative number gets a leading blank (" 5").
QString str(long long n);
