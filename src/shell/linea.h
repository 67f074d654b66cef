#pragma once
#include <QWidget>

// A line drawn on a window from (X1, Y1) to (X2, Y2), in twips of its parent.
class Linea : public QWidget {
    Q_OBJECT
public:
    explicit Linea(QWidget* genitore = nullptr) : QWidget(genitore)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }
    void imposta(int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
};
