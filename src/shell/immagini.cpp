#include "shell/immagini.h"

#include <QMouseEvent>
#include <QPainter>

QPixmap disegnaimmagine(Immagine::Tipo tipo, bool evidenziata, int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fondo = evidenziata ? QColor(255, 236, 140) : QColor(214, 214, 214);
    const QColor tratto = evidenziata ? QColor(150, 40, 20) : QColor(90, 90, 90);
    p.setPen(QPen(tratto, evidenziata ? 2 : 1));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(1, 1, lato - 2, lato - 2), 4, 4);
    const double u = lato / 16.0;
    p.setPen(QPen(tratto, 1.2));
    switch (tipo) {
    case Immagine::Tipo::Bilancio:   // a pair of scales
        p.drawLine(QPointF(8 * u, 3 * u), QPointF(8 * u, 13 * u));
        p.drawLine(QPointF(3 * u, 5 * u), QPointF(13 * u, 5 * u));
        p.drawLine(QPointF(5 * u, 13 * u), QPointF(11 * u, 13 * u));
        p.setBrush(tratto);
        p.drawChord(QRectF(1.5 * u, 6 * u, 5 * u, 4 * u), 180 * 16, 180 * 16);
        p.drawChord(QRectF(9.5 * u, 6 * u, 5 * u, 4 * u), 180 * 16, 180 * 16);
        break;
    case Immagine::Tipo::Graduatoria: // rising bars
        p.setBrush(evidenziata ? QColor(0, 128, 0) : QColor(120, 120, 120));
        for (int k = 0; k < 4; ++k)
            p.drawRect(QRectF((3 + 2.6 * k) * u, (12 - 2.2 * k) * u, 2 * u, (1.5 + 2.2 * k) * u));
        break;
    case Immagine::Tipo::Piano:      // a notebook
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4 * u, 2.5 * u, 8 * u, 11 * u));
        for (int k = 0; k < 4; ++k)
            p.drawLine(QPointF(5.5 * u, (5 + 2 * k) * u), QPointF(10.5 * u, (5 + 2 * k) * u));
        break;
    }
    return pm;
}

Immagine::Immagine(Tipo tipo, bool evidenziata, QWidget* genitore) : QLabel(genitore)
{
    setMouseTracking(true);
    setPixmap(disegnaimmagine(tipo, evidenziata, 32));
    setScaledContents(true);
    if (evidenziata)
        setCursor(Qt::PointingHandCursor);
}

void Immagine::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clic();
}

void Immagine::mouseMoveEvent(QMouseEvent* e)
{
    emit passaggio();
    e->accept();
}
