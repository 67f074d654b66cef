#include "shell/immagini.h"
#include "shell/disegni.h"

#include <QMouseEvent>

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
