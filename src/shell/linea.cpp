#include "shell/linea.h"
#include "shell/clsresize.h"

#include <QPainter>

void Linea::imposta(int x1, int y1, int x2, int y2)
{
    m_x1 = x1; m_y1 = y1; m_x2 = x2; m_y2 = y2;
    const int t = clsResize::twip;
    const QRect r = QRect(QPoint(qMin(x1, x2) / t, qMin(y1, y2) / t),
                          QPoint(qMax(x1, x2) / t, qMax(y1, y2) / t)).adjusted(0, 0, 1, 1);
    setGeometry(r);
    update();
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int t = clsResize::twip;
    const QPoint o = pos();
    p.drawLine(QPoint(m_x1 / t, m_y1 / t) - o, QPoint(m_x2 / t, m_y2 / t) - o);
}
