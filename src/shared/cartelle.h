#pragma once
#include <QString>
#include <QStringList>

// The user's Velno folder: the desktop's documents folder followed by "Velno". Archives are
// offered there, the yearly totals files and the pictures of prints are written there.
QString cartellautente();

// Creates the folder when missing. False, with the reason, when it cannot be created: the
// caller then works in the current folder.
bool preparacartella(const QString& cartella, QString* errore);

// The first start brings the examples Velno ships into the user's folder: every file of
// `esempi` is copied into `cartella`, never over a file of the same name. The file `segno`
// records that it was done, so later starts copy nothing and an example the user deleted
// stays deleted; it is written only when every example is in place, so a start that could
// not copy them tries again. The names copied.
QStringList copiaesempi(const QString& esempi, const QString& cartella, const QString& segno);
