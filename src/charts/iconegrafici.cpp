#include "charts/iconegrafici.h"
#include "charts/grigliagrafico.h"

#include <QPainter>
#include <QPixmap>

QIcon iconatipo(TipoGrafico tipo)
{
    QIcon icona;
    for (int lato : {24, 48}) {
        QPixmap pm(lato, lato);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(lato / 24.0, lato / 24.0);
        const QColor c1 = coloreserie(1), c2 = coloreserie(2), c3 = coloreserie(3);
        auto faccia = [&](const QPolygonF& f, const QColor& c) {
            p.setPen(QPen(c.darker(160), 0.6));
            p.setBrush(c);
            p.drawPolygon(f);
        };
        // A box seen obliquely: right side, top, front.
        auto scatola = [&](double x, double y, double l, double a, double d, const QColor& c) {
            faccia(QPolygonF({{x + l, y}, {x + l + d, y - d}, {x + l + d, y + a - d}, {x + l, y + a}}), c.darker(145));
            faccia(QPolygonF({{x, y}, {x + d, y - d}, {x + l + d, y - d}, {x + l, y}}), c.darker(118));
            faccia(QPolygonF(QRectF(x, y, l, a)), c);
        };
        p.setPen(QPen(QColor(85, 87, 83), 1));
        if (tipo != TipoGrafico::Torta) {
            p.drawLine(QPointF(2.5, 2), QPointF(2.5, 21.5));
            p.drawLine(QPointF(2.5, 21.5), QPointF(22, 21.5));
        }
        switch (tipo) {
        case TipoGrafico::Barre:
            p.setPen(Qt::NoPen);
            p.fillRect(QRectF(5, 11, 4, 10), c1);
            p.fillRect(QRectF(10, 6, 4, 15), c2);
            p.fillRect(QRectF(15, 13, 4, 8), c3);
            break;
        case TipoGrafico::Torta:
            p.setPen(QPen(Qt::white, 0.8));
            p.setBrush(c1);
            p.drawPie(QRectF(2, 2, 20, 20), 90 * 16, 150 * 16);
            p.setBrush(c2);
            p.drawPie(QRectF(2, 2, 20, 20), 240 * 16, 80 * 16);
            p.setBrush(c3);
            p.drawPie(QRectF(2, 2, 20, 20), 320 * 16, 130 * 16);
            break;
        case TipoGrafico::Linee:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c1, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({{4, 17}, {9, 11}, {14, 13}, {20, 5}}));
            p.setPen(QPen(c2, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({{4, 9}, {9, 14}, {14, 18}, {20, 15}}));
            break;
        case TipoGrafico::Area3D:
            faccia(QPolygonF({{4, 12}, {8, 9}, {13, 11}, {18, 6}, {18, 20}, {4, 20}}).translated(3, -3), c2.darker(118));
            faccia(QPolygonF({{4, 12}, {8, 9}, {13, 11}, {18, 6}, {18, 20}, {4, 20}}), c2);
            faccia(QPolygonF({{4, 16}, {9, 13}, {14, 15}, {18, 12}, {18, 20}, {4, 20}}), c1);
            break;
        case TipoGrafico::Linee3D:
            faccia(QPolygonF({{4, 11}, {10, 6}, {13, 3}, {7, 8}}), c2.darker(118));
            faccia(QPolygonF({{10, 6}, {17, 10}, {20, 7}, {13, 3}}), c2.darker(130));
            faccia(QPolygonF({{4, 17}, {10, 12}, {13, 9}, {7, 14}}), c1.darker(118));
            faccia(QPolygonF({{10, 12}, {17, 16}, {20, 13}, {13, 9}}), c1.darker(130));
            break;
        case TipoGrafico::Barre3D:
            scatola(5, 10, 4, 11, 3, c1);
            scatola(11, 6, 4, 15, 3, c2);
            scatola(17, 13, 3, 8, 3, c3);
            break;
        case TipoGrafico::Passo3D:
            scatola(4, 14, 5, 7, 3, c1);
            scatola(9, 9, 5, 12, 3, c1);
            scatola(14, 12, 5, 9, 3, c1);
            break;
        }
        p.end();
        icona.addPixmap(pm);
    }
    return icona;
}
