#pragma once
#include <QString>

class Documento;
class QImage;

// The chart's picture as a PNG file, through the safe write; the folder is created when
// missing. False, with the reason in Italian, when the picture could not be written.
bool salvaimmaginegrafico(const QImage& immagine, const QString& file, QString* errore);

// The charts print: the heading, then the picture of the chart in a new document.
void stampagrafico(Documento& d, const QString& immagine);
