#pragma once
#include "charts/grigliagrafico.h"

#include <QPolygonF>
#include <QRectF>
#include <vector>

class QPainter;

// Where a value was drawn, for its tool tip.
struct ZonaGrafico {
    QPolygonF area;
    int riga = 0;
    int colonna = 0;
};

// Draws the grid as a 3-D chart of its kind (bars, ribbons, areas, steps) inside
// `rettangolo`: title, floor and walls with the value axis, dates under the front edge,
// legend of the series on the right. Oblique projection, series one behind the other (the
// first in front); unset cells leave gaps. Returns the drawn values' areas, the nearest last.
std::vector<ZonaGrafico> disegna3d(QPainter& p, const GrigliaGrafico& g, const QRectF& rettangolo);

// "31/03/99 - Fiat: 15.200,45": what a value's tool tip says.
QString testodato(const GrigliaGrafico& g, int riga, int colonna);
