#pragma once
#include <QIcon>
#include <QString>

// Velno's own drawings for the buttons no icon theme has: ":ordinanomi", ":ordinadate",
// ":controllo" (ABC with a tick), ":grafico1" (one holding), ":grafico10" (a series).
// Painted, not widgets: they need a QGuiApplication only.
QIcon iconavelno(const QString& nome);
