#include "shell/aspetto.h"
#include "shell/disegni.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QTranslator>

QFont caratterefinestra() { return QFont(QStringLiteral("Nimbus Sans"), 8); }

QFont caratterepesante(double punti)
{
    QFont f;
    f.setFamilies({QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(punti);
    f.setWeight(QFont::Black);
    return f;
}

QIcon iconaprogramma()
{
    QIcon i;
    for (int lato : {48, 128, 256})
        i.addFile(QStringLiteral(":/velno/velno-%1.png").arg(lato), QSize(lato, lato));
    return i;
}

QPixmap immagineprogramma()
{
    constexpr int lato = 128;
    const QByteArray pixel = QResource(QStringLiteral(":/velno/velno-128.rgba")).uncompressedData();
    if (pixel.size() != lato * lato * 4)
        return QPixmap();
    const QImage immagine(reinterpret_cast<const uchar*>(pixel.constData()), lato, lato, lato * 4,
                          QImage::Format_RGBA8888);
    return QPixmap::fromImage(immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void preparaapplicazione()
{
    QCoreApplication::setApplicationName(QStringLiteral("Velno"));
    QGuiApplication::setDesktopFileName(QStringLiteral("velno"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    impostaicone();
    auto* qtbase = new QTranslator(QCoreApplication::instance());
    if (qtbase->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtbase);
}

void impostaicone()
{
    QStringList cartelle = QIcon::themeSearchPaths();
    const QByteArray xdg = qgetenv("XDG_DATA_DIRS");
    const QStringList dati = xdg.isEmpty() ? QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}
                                           : QString::fromLocal8Bit(xdg).split(u':', Qt::SkipEmptyParts);
    for (const QString& d : dati) {
        const QString icone = d + QStringLiteral("/icons");
        if (!cartelle.contains(icone))
            cartelle << icone;
    }
    QIcon::setThemeSearchPaths(cartelle);
    QIcon::setThemeName(QStringLiteral("Tango"));
}

QIcon icona(const QString& nome)
{
    if (nome.startsWith(u':'))
        return iconavelno(nome);
    return QIcon::fromTheme(nome);
}
