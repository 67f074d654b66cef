#pragma once
#include <QByteArray>
#include <QString>

// Every file Velno writes goes through here. The data go to a temporary file beside the
// target; every write is checked, the file is flushed and synced, closed, and only then
// renamed over the target. On any failure the temporary file is removed, the target is
// left exactly as it was, and `errore` says why, in Italian.
// `privato`: the file is the user's alone (0600), whatever it was before.
bool scrivisicuro(const QString& file, const QByteArray& dati, QString* errore, bool privato = false);

// Writes all of `dati` to the open descriptor `fd`, then syncs it. False, with the reason,
// when any byte did not reach the file (a full disk, a failing device).
bool scrivitutto(int fd, const QByteArray& dati, QString* errore);

// The Italian text of a system error number (ENOSPC, EACCES, ...).
QString erroresistema(int numero);

// Reads `file` whole into `dati` when it is a regular file of at most `massimo` bytes. A pipe
// or a device (which would keep a read waiting, or never end) is refused without waiting; so
// is a folder. False with the reason in Italian (`troppogrande` for a larger file).
bool leggisicuro(const QString& file, qint64 massimo, QByteArray* dati, QString* errore,
                 const QString& troppogrande = QString());

// Removes `file`. False, with the reason in Italian, when the system refuses.
bool eliminafile(const QString& file, QString* errore);

// What a window says when a save failed: the file, the reason and, when the file was there
// before, that it is as it was.
QString testosalvataggiofallito(const QString& file, const QString& errore, bool esisteva);
