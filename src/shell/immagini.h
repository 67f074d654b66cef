#pragma once
#include <QLabel>

// A picture of the Azioni window: reports the mouse moving over it and clicks.
class Immagine : public QLabel {
    Q_OBJECT
public:
    enum class Tipo { Bilancio, Graduatoria, Piano };
    Immagine(Tipo tipo, bool evidenziata, QWidget* genitore);

signals:
    void clic();
    void passaggio();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

QPixmap disegnaimmagine(Immagine::Tipo tipo, bool evidenziata, int lato);
