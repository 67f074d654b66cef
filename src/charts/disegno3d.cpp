#include "charts/disegno3d.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

QString testodato(const GrigliaGrafico& g, int riga, int colonna)
{
    const auto v = g.dato(riga, colonna);
    if (!v)
        return QString();
    return g.etichettariga(riga) + QStringLiteral(" - ") + g.etichettacolonna(colonna) + QStringLiteral(": ") +
           valoreitaliano(*v);
}

namespace {

// The projection: x to the right, values up, depth (in series) receding up and right.
struct Proiezione {
    double sinistra = 0, basso = 0;   // front bottom-left corner of the plot
    double larghezza = 0, altezza = 0; // of the front plane
    QPointF passo;                     // screen offset of one series of depth
    ScalaValori scala;
    int categorie = 1;

    double larghezzacategoria() const { return larghezza / categorie; }
    double x(int r) const { return sinistra + (r - 0.5) * larghezzacategoria(); }
    double y(double v) const
    {
        return basso - (v - scala.inizio) / (scala.fine - scala.inizio) * altezza;
    }
    QPointF punto(double x, double y, double z) const { return QPointF(x + z * passo.x(), y - z * passo.y()); }
};

void faccia(QPainter& p, const QPolygonF& f, const QColor& c)
{
    p.setBrush(c);
    p.setPen(QPen(c.darker(150), 0.8));
    p.drawPolygon(f);
}

QPolygonF quadrilatero(const Proiezione& pr, QPointF a, QPointF b, double za, double zb)
{
    // a, b on the front plane; the face runs from depth za to zb behind them.
    return QPolygonF({pr.punto(a.x(), a.y(), za), pr.punto(b.x(), b.y(), za), pr.punto(b.x(), b.y(), zb),
                      pr.punto(a.x(), a.y(), zb)});
}

// A box from x0 to x1, between values' heights y0 and y1, depth z0..z1: right side, top, front.
QPolygonF scatola(QPainter& p, const Proiezione& pr, double x0, double x1, double ya, double yb, double z0, double z1,
                  const QColor& c)
{
    const double alto = std::min(ya, yb), basso = std::max(ya, yb);
    faccia(p, quadrilatero(pr, {x1, alto}, {x1, basso}, z0, z1), c.darker(145));
    faccia(p, quadrilatero(pr, {x0, alto}, {x1, alto}, z0, z1), c.darker(118));
    const QPolygonF fronte({pr.punto(x0, alto, z0), pr.punto(x1, alto, z0), pr.punto(x1, basso, z0),
                            pr.punto(x0, basso, z0)});
    faccia(p, fronte, c);
    return QPolygonF({pr.punto(x0, basso, z0), pr.punto(x0, alto, z0), pr.punto(x0, alto, z1), pr.punto(x1, alto, z1),
                      pr.punto(x1, basso, z1), pr.punto(x1, basso, z0)});
}

} // namespace

std::vector<ZonaGrafico> disegna3d(QPainter& p, const GrigliaGrafico& g, const QRectF& rettangolo)
{
    std::vector<ZonaGrafico> zone;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rettangolo, Qt::white);
    const QRectF R = rettangolo.adjusted(6, 4, -6, -6);

    // The same type as the other kinds of chart.
    QFont fonte(QStringLiteral("Nimbus Sans"));
    fonte.setPointSizeF(7.5);
    QFont fontetitolo = fonte;
    fontetitolo.setBold(true);
    fontetitolo.setPointSizeF(10);
    QFont fontelegenda = fonte;
    fontelegenda.setPointSizeF(8);
    const QFontMetricsF fm(fonte), fmt(fontetitolo), fml(fontelegenda);

    double alto = R.top();
    if (!g.titolo().isEmpty()) {
        p.setFont(fontetitolo);
        p.setPen(Qt::black);
        const QRectF striscia(R.left(), R.top(), R.width(), fmt.height() * 1.6);
        p.drawText(striscia, Qt::AlignCenter, fmt.elidedText(g.titolo(), Qt::ElideRight, striscia.width()));
        alto = striscia.bottom();
    }

    const int nr = g.righe(), nc = g.colonne();

    // Legend on the right: a square of each series' colour and its name.
    p.setFont(fontelegenda);
    double larghezzalegenda = 0;
    const double quadretto = fml.height() * 0.75;
    if (nc > 0) {
        double nomi = 0;
        for (int c = 1; c <= nc; ++c)
            nomi = std::max(nomi, fml.horizontalAdvance(g.etichettacolonna(c)));
        larghezzalegenda = std::min(R.width() * 0.28, nomi + quadretto + 14);
        const double riga = fml.height() * 1.35;
        double y = alto + std::max(0.0, (R.bottom() - alto - riga * nc) / 2);
        const double x = R.right() - larghezzalegenda + 6;
        for (int c = 1; c <= nc; ++c, y += riga) {
            p.setBrush(coloreserie(c));
            p.setPen(QPen(coloreserie(c).darker(150), 0.8));
            p.drawRect(QRectF(x, y + (riga - quadretto) / 2, quadretto, quadretto));
            p.setPen(Qt::black);
            const QRectF testo(x + quadretto + 4, y, larghezzalegenda - quadretto - 10, riga);
            p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter,
                       fml.elidedText(g.etichettacolonna(c), Qt::ElideRight, testo.width()));
        }
    }

    p.setFont(fonte);
    // The value axis: bars, areas and steps stand on 0, a ribbon follows its values.
    const TipoGrafico tipo = g.tipo();
    const auto estremi = g.estremi();
    Proiezione pr;
    pr.scala = estremi ? scalavalori(estremi->first, estremi->second, tipo != TipoGrafico::Linee3D)
                       : scalavalori(0, 1, true);
    pr.categorie = std::max(1, nr);
    double etichette = 0;
    for (int k = 0; k <= pr.scala.tacche(); ++k)
        etichette = std::max(etichette, fm.horizontalAdvance(numeroitaliano(pr.scala.inizio + k * pr.scala.passo,
                                                                            pr.scala.decimali)));
    const QRectF area(R.left() + etichette + 8, alto + fm.height() * 0.5,
                      R.width() - larghezzalegenda - etichette - 14, R.bottom() - alto - fm.height() * 2.1);
    if (area.width() < 20 || area.height() < 20) {
        p.restore();
        return zone;
    }
    const int nserie = std::max(1, nc);
    double profx = area.width() * std::min(0.32, 0.06 + 0.025 * nserie);
    double profy = profx * 0.75;
    if (profy > area.height() * 0.4) {
        profy = area.height() * 0.4;
        profx = profy / 0.75;
    }
    pr.sinistra = area.left();
    pr.basso = area.bottom();
    pr.larghezza = area.width() - profx;
    pr.altezza = area.height() - profy;
    pr.passo = QPointF(profx / nserie, profy / nserie);

    // Floor, back wall and left wall, with a line at every step of the axis.
    const QColor bordo(160, 160, 160);
    auto parete = [&](const QPolygonF& f, const QColor& c) {
        p.setBrush(c);
        p.setPen(QPen(bordo, 0.8));
        p.drawPolygon(f);
    };
    const double destra = pr.sinistra + pr.larghezza;
    const double cima = pr.basso - pr.altezza;
    parete(QPolygonF({pr.punto(pr.sinistra, pr.basso, 0), pr.punto(destra, pr.basso, 0),
                      pr.punto(destra, pr.basso, nserie), pr.punto(pr.sinistra, pr.basso, nserie)}),
           QColor(228, 228, 228));
    parete(QPolygonF({pr.punto(pr.sinistra, cima, nserie), pr.punto(destra, cima, nserie),
                      pr.punto(destra, pr.basso, nserie), pr.punto(pr.sinistra, pr.basso, nserie)}),
           QColor(246, 246, 246));
    parete(QPolygonF({pr.punto(pr.sinistra, cima, 0), pr.punto(pr.sinistra, cima, nserie),
                      pr.punto(pr.sinistra, pr.basso, nserie), pr.punto(pr.sinistra, pr.basso, 0)}),
           QColor(236, 236, 236));
    for (int k = 0; k <= pr.scala.tacche(); ++k) {
        const double v = pr.scala.inizio + k * pr.scala.passo;
        const double y = pr.y(v);
        p.setPen(QPen(QColor(200, 200, 200), 0.8));
        p.drawLine(pr.punto(pr.sinistra, y, 0), pr.punto(pr.sinistra, y, nserie));
        p.drawLine(pr.punto(pr.sinistra, y, nserie), pr.punto(destra, y, nserie));
        p.setPen(Qt::black);
        p.drawText(QRectF(R.left(), y - fm.height() / 2, etichette + 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   numeroitaliano(v, pr.scala.decimali));
    }

    // Dates under the front edge; when they do not fit, every second (third...) one.
    const double lc = pr.larghezzacategoria();
    double piularga = 0;
    for (int r = 1; r <= nr; ++r)
        piularga = std::max(piularga, fm.horizontalAdvance(g.etichettariga(r)));
    const int ogni = std::max(1, int(std::ceil((piularga + 6) / lc)));
    p.setPen(Qt::black);
    for (int r = 1; r <= nr; r += ogni)
        p.drawText(QRectF(pr.x(r) - piularga, pr.basso + 3, 2 * piularga, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   g.etichettariga(r));

    // The series from the back one to the front one; in each, left to right.
    const double zero = std::clamp(0.0, pr.scala.inizio, pr.scala.fine);
    const double yzero = pr.y(zero);
    for (int c = nc; c >= 1; --c) {
        const QColor colore = coloreserie(c);
        const double z0 = (c - 1) + 0.15, z1 = (c - 1) + 0.85;
        switch (tipo) {
        case TipoGrafico::Barre3D:
        case TipoGrafico::Passo3D:
            for (int r = 1; r <= nr; ++r) {
                const auto v = g.dato(r, c);
                if (!v)
                    continue;
                const double meta = tipo == TipoGrafico::Passo3D ? lc / 2 : lc * 0.28;
                zone.push_back({scatola(p, pr, pr.x(r) - meta, pr.x(r) + meta, pr.y(*v), yzero, z0, z1, colore), r, c});
            }
            break;
        case TipoGrafico::Linee3D: {
            const double spessore = std::max(2.0, pr.altezza * 0.015);
            for (int r = 1; r <= nr; ++r) {
                const auto v = g.dato(r, c);
                if (!v)
                    continue;
                const QPointF a(pr.x(r), pr.y(*v));
                const auto w = g.dato(r + 1, c);
                if (w) {
                    const QPointF b(pr.x(r + 1), pr.y(*w));
                    faccia(p, quadrilatero(pr, a, b, z0, z1), colore.darker(118));
                    faccia(p, QPolygonF({pr.punto(a.x(), a.y(), z0), pr.punto(b.x(), b.y(), z0),
                                         pr.punto(b.x(), b.y() + spessore, z0), pr.punto(a.x(), a.y() + spessore, z0)}),
                           colore);
                } else if (!g.dato(r - 1, c)) {
                    // A value alone between gaps: a short piece of ribbon.
                    scatola(p, pr, a.x() - lc * 0.12, a.x() + lc * 0.12, a.y(), a.y() + spessore, z0, z1, colore);
                }
                const double m = std::max(4.0, lc * 0.12);
                zone.push_back({QPolygonF(QRectF(pr.punto(a.x(), a.y(), z0) - QPointF(m, m), QSizeF(2 * m, 2 * m))), r, c});
            }
            break;
        }
        case TipoGrafico::Area3D: {
            int r = 1;
            while (r <= nr) {
                if (!g.dato(r, c)) {
                    ++r;
                    continue;
                }
                int fine = r;
                while (fine + 1 <= nr && g.dato(fine + 1, c))
                    ++fine;
                if (fine == r) {
                    // One value between gaps: a narrow slab.
                    zone.push_back({scatola(p, pr, pr.x(r) - lc * 0.15, pr.x(r) + lc * 0.15, pr.y(*g.dato(r, c)), yzero,
                                            z0, z1, colore),
                                    r, c});
                    ++r;
                    continue;
                }
                QPolygonF fronte;
                fronte << pr.punto(pr.x(r), yzero, z0);
                for (int k = r; k <= fine; ++k) {
                    const QPointF a(pr.x(k), pr.y(*g.dato(k, c)));
                    fronte << pr.punto(a.x(), a.y(), z0);
                    if (k < fine)
                        faccia(p, quadrilatero(pr, a, QPointF(pr.x(k + 1), pr.y(*g.dato(k + 1, c))), z0, z1),
                               colore.darker(118));
                }
                fronte << pr.punto(pr.x(fine), yzero, z0);
                faccia(p, quadrilatero(pr, QPointF(pr.x(fine), pr.y(*g.dato(fine, c))), QPointF(pr.x(fine), yzero), z0, z1),
                       colore.darker(145));
                faccia(p, fronte, colore);
                for (int k = r; k <= fine; ++k) {
                    const double x0 = std::max(pr.x(r), pr.x(k) - lc / 2), x1 = std::min(pr.x(fine), pr.x(k) + lc / 2);
                    const double y = pr.y(*g.dato(k, c));
                    const QRectF striscia(QPointF(x0, std::min(y, yzero)), QPointF(x1, std::max(y, yzero)));
                    zone.push_back({QPolygonF(striscia).translated(pr.punto(0, 0, z0)), k, c});
                }
                r = fine + 1;
            }
            break;
        }
        default:
            break;
        }
    }
    p.restore();
    return zone;
}
