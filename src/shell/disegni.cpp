#include "shell/disegni.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap tela(int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    return pm;
}

void disegna(QPainter& p, const QString& nome, double u)
{
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    const QColor blu(32, 74, 135), verde(78, 154, 6), rosso(204, 0, 0), grigio(85, 87, 83);
    auto freccia = [&](QPointF da, QPointF a, const QColor& c) {
        p.setPen(QPen(c, 1.6 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(da, a);
        QPainterPath punta;
        punta.moveTo(a + QPointF(-2.5 * u, -2.5 * u));
        punta.lineTo(a);
        punta.lineTo(a + QPointF(2.5 * u, -2.5 * u));
        p.setBrush(Qt::NoBrush);
        p.drawPath(punta);
    };
    if (nome == u":ordinanomi") {
        f.setPixelSize(int(6.5 * u));
        p.setFont(f);
        p.setPen(blu);
        p.drawText(QRectF(0, 0, 9 * u, 8 * u), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRectF(0, 8 * u, 9 * u, 8 * u), Qt::AlignCenter, QStringLiteral("Z"));
        freccia(QPointF(12 * u, 2 * u), QPointF(12 * u, 14 * u), verde);
    } else if (nome == u":ordinadate") {
        p.setPen(QPen(grigio, 0.8 * u));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1 * u, 2.5 * u, 9 * u, 11 * u));
        p.setBrush(rosso);
        p.drawRect(QRectF(1 * u, 2.5 * u, 9 * u, 2.5 * u));
        p.setPen(QPen(grigio, 0.8 * u));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawPoint(QPointF((3 + 2.5 * c) * u, (7 + 2.3 * r) * u));
        freccia(QPointF(13 * u, 2 * u), QPointF(13 * u, 14 * u), verde);
    } else if (nome == u":controllo") {
        f.setPixelSize(int(6 * u));
        p.setFont(f);
        p.setPen(blu);
        p.drawText(QRectF(0, 0, 16 * u, 8 * u), Qt::AlignCenter, QStringLiteral("ABC"));
        p.setPen(QPen(verde, 2.2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath spunta;
        spunta.moveTo(4 * u, 11 * u);
        spunta.lineTo(7 * u, 14 * u);
        spunta.lineTo(13 * u, 8.5 * u);
        p.drawPath(spunta);
    } else if (nome == u":grafico1" || nome == u":grafico10") {
        p.setPen(QPen(grigio, 1 * u));
        p.drawLine(QPointF(1.5 * u, 1 * u), QPointF(1.5 * u, 14.5 * u));
        p.drawLine(QPointF(1.5 * u, 14.5 * u), QPointF(15 * u, 14.5 * u));
        auto linea = [&](const QColor& c, std::initializer_list<double> y) {
            p.setPen(QPen(c, 1.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath l;
            double x = 3;
            bool primo = true;
            for (double v : y) {
                if (primo)
                    l.moveTo(x * u, v * u);
                else
                    l.lineTo(x * u, v * u);
                primo = false;
                x += 3;
            }
            p.setBrush(Qt::NoBrush);
            p.drawPath(l);
        };
        linea(blu, {11, 8, 9, 5, 3});
        if (nome == u":grafico10") {
            linea(rosso, {6, 7, 11, 10, 12});
            linea(verde, {13, 11, 7, 8, 6});
        }
    }
}

} // namespace

QIcon iconavelno(const QString& nome)
{
    QIcon i;
    for (int lato : {16, 22, 32}) {
        QPixmap pm = tela(lato);
        QPainter p(&pm);
        disegna(p, nome, lato / 16.0);
        p.end();
        i.addPixmap(pm);
    }
    return i;
}
