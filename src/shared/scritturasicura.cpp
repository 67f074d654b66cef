#include "shared/scritturasicura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString erroresistema(int numero)
{
    switch (numero) {
    case ENOSPC: return QStringLiteral("il disco è pieno");
    case EDQUOT: return QStringLiteral("lo spazio concesso sul disco è esaurito");
    case EACCES:
    case EPERM: return QStringLiteral("non si hanno i permessi per scrivere in quella posizione");
    case EROFS: return QStringLiteral("il disco è di sola lettura");
    case ENOENT: return QStringLiteral("il file o la cartella non esiste");
    case ENOTDIR: return QStringLiteral("il percorso non è una cartella");
    case EISDIR: return QStringLiteral("al posto del file c'è una cartella");
    case EIO: return QStringLiteral("errore di lettura o scrittura sul dispositivo");
    case ENAMETOOLONG: return QStringLiteral("il nome del file è troppo lungo");
    case EMFILE:
    case ENFILE: return QStringLiteral("troppi file aperti");
    case EXDEV: return QStringLiteral("il file temporaneo è su un altro disco");
    case EBUSY: return QStringLiteral("il file è in uso");
    case ETXTBSY: return QStringLiteral("il file è in uso");
    default: return QStringLiteral("errore di sistema n. %1").arg(numero);
    }
}

bool scrivitutto(int fd, const QByteArray& dati, QString* errore)
{
    const char* p = dati.constData();
    qsizetype resto = dati.size();
    while (resto > 0) {
        const ssize_t n = ::write(fd, p, size_t(resto));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errore)
                *errore = erroresistema(errno);
            return false;
        }
        if (n == 0) {
            if (errore)
                *errore = erroresistema(ENOSPC);
            return false;
        }
        p += n;
        resto -= n;
    }
    // The data are on the disk only once fsync says so: a full disk can refuse them here.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        if (errore)
            *errore = erroresistema(errno);
        return false;
    }
    return true;
}

namespace {
// The file a name stands for: a symbolic link is followed (a chain of them too), so that a
// save updates the file it points to and the link stays.
QString filevero(const QString& file)
{
    QString f = QFileInfo(file).absoluteFilePath();
    for (int passi = 0; passi < 40; ++passi) {
        const QFileInfo i(f);
        if (!i.isSymLink())
            break;
        f = i.symLinkTarget();
    }
    return f;
}

// Whether the user may change an existing file: its permissions say so for whoever it
// belongs to (root too: a file made read-only stays so, another user's stays theirs).
bool modificabile(const struct stat& st, const QByteArray& percorso)
{
    const uid_t io = ::geteuid();
    if (st.st_uid == io)
        return st.st_mode & S_IWUSR;
    if (io == 0)
        return st.st_mode & (S_IWGRP | S_IWOTH);
    return ::access(percorso.constData(), W_OK) == 0;
}
} // namespace

bool scrivisicuro(const QString& file, const QByteArray& dati, QString* errore, bool privato)
{
    const QFileInfo info(filevero(file));
    if (info.isDir()) {
        if (errore)
            *errore = erroresistema(EISDIR);
        return false;
    }
    {
        struct stat st {};
        const QByteArray percorso = QFile::encodeName(info.absoluteFilePath());
        if (::stat(percorso.constData(), &st) == 0 && !modificabile(st, percorso)) {
            if (errore)
                *errore = QStringLiteral("il file è protetto dalla scrittura");
            return false;
        }
    }
    const QString cartella = info.absolutePath();
    const QByteArray modello = QFile::encodeName(QDir(cartella).filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    QByteArray nome = modello;
    const int fd = ::mkstemp(nome.data());
    if (fd < 0) {
        if (errore)
            *errore = erroresistema(errno);
        return false;
    }
    auto fallito = [&](int numero) {
        if (errore && numero)
            *errore = erroresistema(numero);
        ::unlink(nome.constData());
        return false;
    };
    if (!scrivitutto(fd, dati, errore)) {
        ::close(fd);
        return fallito(0);
    }
    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat st {};
    const QByteArray destinazione = QFile::encodeName(info.absoluteFilePath());
    mode_t modo = 0;
    if (::stat(destinazione.constData(), &st) == 0) {
        modo = st.st_mode & 07777;
        // Its owner too, where the system lets us keep it (else the copy is ours).
        const bool tenuto = ::fchown(fd, st.st_uid, st.st_gid) == 0;
        Q_UNUSED(tenuto);
    } else {
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
        modo = 0666 & ~maschera;
    }
    ::fchmod(fd, privato ? 0600 : modo);
    if (::close(fd) != 0)
        return fallito(errno);
    if (::rename(nome.constData(), destinazione.constData()) != 0)
        return fallito(errno);
    // The rename itself reaches the disk with the folder.
    const int d = ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return true;
}

bool leggisicuro(const QString& file, qint64 massimo, QByteArray* dati, QString* errore, const QString& troppogrande)
{
    auto rifiuta = [&](const QString& perche) {
        if (errore)
            *errore = perche;
        return false;
    };
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return rifiuta(erroresistema(errno));
    struct Chiudi {
        int fd;
        ~Chiudi() { ::close(fd); }
    } chiudi{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return rifiuta(erroresistema(errno));
    if (S_ISDIR(st.st_mode))
        return rifiuta(erroresistema(EISDIR));
    if (!S_ISREG(st.st_mode))
        return rifiuta(QStringLiteral("non è un file ordinario ma un dispositivo o una pipe"));
    if (st.st_size > massimo)
        return rifiuta(troppogrande.isEmpty() ? QStringLiteral("il file è troppo grande") : troppogrande);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray b;
    b.resize(qsizetype(st.st_size) + 1);
    qsizetype letti = 0;
    // Never more than the bound, even from a file that grows while it is read.
    while (letti < b.size()) {
        const ssize_t n = ::read(fd, b.data() + letti, size_t(b.size() - letti));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return rifiuta(erroresistema(errno));
        }
        if (n == 0)
            break;
        letti += n;
        if (letti == b.size() && letti <= massimo)
            b.resize(std::min<qsizetype>(b.size() * 2, massimo + 1));
    }
    if (letti > massimo)
        return rifiuta(troppogrande.isEmpty() ? QStringLiteral("il file è troppo grande") : troppogrande);
    b.resize(letti);
    if (dati)
        *dati = std::move(b);
    return true;
}

bool eliminafile(const QString& file, QString* errore)
{
    if (::unlink(QFile::encodeName(file).constData()) == 0)
        return true;
    if (errore)
        *errore = erroresistema(errno);
    return false;
}

QString testosalvataggiofallito(const QString& file, const QString& errore, bool esisteva)
{
    QString testo = QStringLiteral("Impossibile salvare il file \"%1\": %2.").arg(file, errore);
    if (esisteva)
        testo += QStringLiteral(" Il file precedente non è stato modificato.");
    return testo;
}
