#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

// Velno's own drawings for the buttons no icon theme has: ":ordinanomi", ":ordinadate",
// ":controllo" (ABC with a tick), ":grafico1" (one holding), ":grafico10" (a series).
// Painted, not widgets: they need a QGuiApplication only.
QIcon iconavelno(const QString& nome);

// The Azioni window's pictures, idle or highlighted: the balance's scales, the ranking's
// rising bars, the plan's notebook, `lato` pixels square.
enum class TipoImmagine { Bilancio, Graduatoria, Piano };
QPixmap disegnaimmagine(TipoImmagine tipo, bool evidenziata, int lato);
// A lit bulb, the tip window's picture.
QPixmap lampadina(int lato);
