#pragma once
#include "shell/disegni.h"

#include <QLabel>

// A picture of the Azioni window: reports the mouse moving over it and clicks.
class Immagine : public QLabel {
    Q_OBJECT
public:
    using Tipo = TipoImmagine;
    Immagine(Tipo tipo, bool evidenziata, QWidget* genitore);

signals:
    void clic();
    void passaggio();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};
