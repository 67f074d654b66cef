#pragma once
#include <QString>

// The user's Velno folder: the desktop's documents folder followed by "Velno". Archives are
// offered there, the yearly totals files and the pictures of prints are written there.
QString cartellautente();

// Creates the folder when missing. False, with the reason, when it cannot be created: the
// caller then works in the current folder.
bool preparacartella(const QString& cartella, QString* errore);
