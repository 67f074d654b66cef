#pragma once
#include "charts/grigliagrafico.h"

#include <QIcon>

// A small drawing of each kind of chart, for its button (painted: no widget).
QIcon iconatipo(TipoGrafico tipo);
