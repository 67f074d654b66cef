#pragma once
#include <QString>
#include <QStringList>

// The files Velno ships (the tips, the tune, the examples) are found beside the program in a
// build tree (<build>/data) and in the installed data folder otherwise (<prefix>/share/velno),
// never through the current folder, which is wherever the user started the program from.

// The folders searched, in order.
QStringList cartelledistribuite();
// Tests and tools name their own folders; an empty list restores the program's.
void impostacartelledistribuite(const QStringList& cartelle);
// The full path of the shipped file `nome`, or an empty text when no folder holds it.
QString filedistribuito(const QString& nome);
// The full path of the shipped folder `nome` (the examples: "esempi"), or an empty text.
QString cartelladistribuita(const QString& nome);
