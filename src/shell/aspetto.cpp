#include "shell/aspetto.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

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
