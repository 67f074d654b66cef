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

QPixmap disegnaimmagine(TipoImmagine tipo, bool evidenziata, int lato)
{
    QPixmap pm = tela(lato);
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
    case TipoImmagine::Bilancio:   // a pair of scales
        p.drawLine(QPointF(8 * u, 3 * u), QPointF(8 * u, 13 * u));
        p.drawLine(QPointF(3 * u, 5 * u), QPointF(13 * u, 5 * u));
        p.drawLine(QPointF(5 * u, 13 * u), QPointF(11 * u, 13 * u));
        p.setBrush(tratto);
        p.drawChord(QRectF(1.5 * u, 6 * u, 5 * u, 4 * u), 180 * 16, 180 * 16);
        p.drawChord(QRectF(9.5 * u, 6 * u, 5 * u, 4 * u), 180 * 16, 180 * 16);
        break;
    case TipoImmagine::Graduatoria: // rising bars
        p.setBrush(evidenziata ? QColor(0, 128, 0) : QColor(120, 120, 120));
        for (int k = 0; k < 4; ++k)
            p.drawRect(QRectF((3 + 2.6 * k) * u, (12 - 2.2 * k) * u, 2 * u, (1.5 + 2.2 * k) * u));
        break;
    case TipoImmagine::Piano:      // a notebook
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4 * u, 2.5 * u, 8 * u, 11 * u));
        for (int k = 0; k < 4; ++k)
            p.drawLine(QPointF(5.5 * u, (5 + 2 * k) * u), QPointF(10.5 * u, (5 + 2 * k) * u));
        break;
    }
    return pm;
}

QPixmap lampadina(int lato)
{
    QPixmap pm = tela(lato);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 32.0;
    QRadialGradient luce(QPointF(14 * u, 10 * u), 12 * u);
    luce.setColorAt(0, QColor(255, 255, 220));
    luce.setColorAt(1, QColor(252, 210, 40));
    p.setPen(QPen(QColor(160, 120, 0), 1.2 * u));
    p.setBrush(luce);
    QPainterPath bulbo;
    bulbo.addEllipse(QPointF(16 * u, 12 * u), 9 * u, 9 * u);
    QPainterPath collo;
    collo.moveTo(11 * u, 18 * u);
    collo.lineTo(21 * u, 18 * u);
    collo.lineTo(19.5 * u, 23 * u);
    collo.lineTo(12.5 * u, 23 * u);
    collo.closeSubpath();
    p.drawPath(bulbo.united(collo));
    p.setBrush(QColor(136, 138, 133));
    p.setPen(QPen(QColor(85, 87, 83), 0.8 * u));
    for (int k = 0; k < 3; ++k)
        p.drawRoundedRect(QRectF(12.5 * u, (23.5 + 2.2 * k) * u, 7 * u, 1.8 * u), 0.6 * u, 0.6 * u);
    p.setPen(QPen(QColor(252, 175, 62), 1.4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3 * u, 12 * u), QPointF(5.5 * u, 12 * u));
    p.drawLine(QPointF(26.5 * u, 12 * u), QPointF(29 * u, 12 * u));
    p.drawLine(QPointF(6 * u, 3 * u), QPointF(8 * u, 5 * u));
    p.drawLine(QPointF(26 * u, 3 * u), QPointF(24 * u, 5 * u));
    return pm;
}
