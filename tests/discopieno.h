#pragma once
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// A real full disk: a 64 KiB tmpfs mounted in a temporary folder (root only), holding the
// files a test puts there, then filled to the last byte.
class DiscoPieno {
public:
    DiscoPieno()
    {
        if (::geteuid() != 0) {
            m_perche = QStringLiteral("serve root per montare un tmpfs");
            return;
        }
        if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                         QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_dir.path()})
            != 0) {
            m_perche = QStringLiteral("il sistema non permette di montare un tmpfs");
            return;
        }
        m_montato = true;
    }
    ~DiscoPieno()
    {
        if (m_montato)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool pronto() const { return m_montato; }
    QString perche() const { return m_perche; }
    QString percorso(const QString& nome) const { return QDir(m_dir.path()).filePath(nome); }

    // Fills every free byte with a filler file; true once the disk refuses more.
    bool riempi()
    {
        const int fd = ::open(QFile::encodeName(percorso(QStringLiteral(".riempitivo"))).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        const QByteArray blocco(512, 'x');
        bool pieno = false;
        for (int k = 0; k < 100000 && !pieno; ++k)
            if (::write(fd, blocco.constData(), size_t(blocco.size())) < 0)
                pieno = errno == ENOSPC;
        // Then the last bytes, one at a time.
        while (pieno && ::write(fd, "x", 1) == 1) {
        }
        ::close(fd);
        return pieno;
    }

private:
    QTemporaryDir m_dir;
    bool m_montato = false;
    QString m_perche;
};
