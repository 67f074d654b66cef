#pragma once
#include "charts/disegno3d.h"
#include "charts/grigliagrafico.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QChart;
class QChartView;

// The chart on the charts window: it holds the grid and draws it in its kind. Bars, lines
// and the pie go through Qt Charts; the 3-D kinds through our own painter. Nothing needs
// OpenGL, so the chart renders offscreen and into the print's picture alike.
class Grafico : public QWidget {
    Q_OBJECT
public:
    explicit Grafico(QWidget* genitore = nullptr);
    ~Grafico() override;

    GrigliaGrafico& griglia() { return m_griglia; }
    const GrigliaGrafico& griglia() const { return m_griglia; }

    // Shows the grid as it is now (nothing is rebuilt when it has not changed) and follows
    // its visibility.
    void aggiorna();
    // The chart drawn at any size, for the print.
    QImage immagine(const QSize& dimensione) const;

    QChartView* vista() const { return m_vista; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    GrigliaGrafico m_griglia;
    QChartView* m_vista = nullptr;
    QChart* m_chart = nullptr;
    quint64 m_disegnate = ~quint64(0);
    std::vector<ZonaGrafico> m_zone;   // where the 3-D kinds drew their values
};

// A new Qt chart of the grid (bars, lines or pie) with its tool tips; the caller owns it.
QChart* costruiscichart(const GrigliaGrafico& g);
