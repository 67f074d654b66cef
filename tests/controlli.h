#pragma once
#include <QObject>
#include <QString>
#include <cstdio>
#include <cstdlib>

// A control of a window found as its design names it, not through the window's members:
// trova<QLineEdit>(a, "na", 3) is the box "na_3", trova<QLineEdit>(a, "valore", K, i) the
// box "valoreK_i". A control that is not there stops the run, naming it.
template <class T> T* trova(const QObject& finestra, const QString& nome)
{
    T* c = finestra.findChild<T*>(nome);
    if (!c) {
        std::fprintf(stderr, "%s has no control \"%s\"\n", qPrintable(finestra.objectName()), qPrintable(nome));
        std::abort();
    }
    return c;
}
template <class T> T* trova(const QObject& finestra, const char* nome, int i)
{
    return trova<T>(finestra, QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(i));
}
template <class T> T* trova(const QObject& finestra, const char* nome, int K, int i)
{
    return trova<T>(finestra, QStringLiteral("%1%2_%3").arg(QLatin1String(nome)).arg(K).arg(i));
}
template <class T> T* trova(const QObject& finestra, const char* nome)
{
    return trova<T>(finestra, QString::fromLatin1(nome));
}
