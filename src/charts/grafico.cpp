#include "charts/grafico.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QToolTip>
#include <QValueAxis>

namespace {

QFont fonte(double punti, bool grassetto = false)
{
    QFont f(QStringLiteral("Nimbus Sans"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void suggerisci(bool sopra, const QString& testo)
{
    if (sopra && !testo.isEmpty())
        QToolTip::showText(QCursor::pos(), testo);
    else
        QToolTip::hideText();
}

// The categories of the axis: Qt wants them all different, the dates may repeat (or be
// empty), so a repeated one gets invisible zero-width marks.
QStringList categorie(const GrigliaGrafico& g)
{
    QStringList c;
    for (int r = 1; r <= g.righe(); ++r) {
        QString e = g.etichettariga(r);
        while (c.contains(e))
            e += QChar(0x200B);
        c << e;
    }
    return c;
}

void torta(QChart* chart, const GrigliaGrafico& g)
{
    // The holdings' shares of the whole, each at the latest value charted for it.
    auto* serie = new QPieSeries;
    serie->setPieSize(0.62);
    QStringList nomi;
    for (int c = 1; c <= g.colonne(); ++c) {
        int r = g.righe();
        while (r >= 1 && !g.dato(r, c))
            --r;
        if (r < 1 || *g.dato(r, c) <= 0)
            continue;
        auto* fetta = serie->append(g.etichettacolonna(c), *g.dato(r, c));
        fetta->setColor(coloreserie(c));
        fetta->setBorderColor(Qt::white);
        fetta->setLabelFont(fonte(7.5));
        const QString testo = testodato(g, r, c);
        QObject::connect(fetta, &QPieSlice::hovered, fetta, [fetta, testo](bool sopra) {
            suggerisci(sopra, testo + QStringLiteral(" (") + numeroitaliano(fetta->percentage() * 100, 1) +
                                  QStringLiteral("%)"));
        });
        nomi << g.etichettacolonna(c);
    }
    chart->addSeries(serie);
    const auto fette = serie->slices();
    for (int i = 0; i < fette.size(); ++i) {
        fette[i]->setLabel(numeroitaliano(fette[i]->percentage() * 100, 1) + u'%');
        fette[i]->setLabelVisible(true);
        fette[i]->setLabelPosition(QPieSlice::LabelOutside);
    }
    // The legend names the holdings, the slices say their shares.
    const auto segni = chart->legend()->markers(serie);
    for (int i = 0; i < segni.size() && i < nomi.size(); ++i)
        segni[i]->setLabel(nomi[i]);
}

void barreelinee(QChart* chart, const GrigliaGrafico& g)
{
    const bool barre = g.tipo() == TipoGrafico::Barre;
    auto* asse = new QBarCategoryAxis;
    asse->append(categorie(g));
    asse->setLabelsFont(fonte(7.5));
    const auto estremi = g.estremi();
    const ScalaValori s = estremi ? scalavalori(estremi->first, estremi->second, barre) : scalavalori(0, 1, true);
    auto* valori = new QValueAxis;
    valori->setRange(s.inizio, s.fine);
    valori->setTickCount(s.tacche() + 1);
    valori->setLabelFormat(QStringLiteral("%.%1f").arg(s.decimali));
    valori->setLabelsFont(fonte(7.5));
    chart->addAxis(asse, Qt::AlignBottom);
    chart->addAxis(valori, Qt::AlignLeft);
    // Dates that do not fit side by side stand upright rather than being cut short. The
    // width of the plot does not depend on it, so the choice is made once for each size.
    double date = 0;
    const QFontMetricsF fm(asse->labelsFont());
    for (int r = 1; r <= g.righe(); ++r)
        date = std::max(date, fm.horizontalAdvance(g.etichettariga(r)));
    // Qt Charts gives each label the plot's width shared among one more place than there are
    // dates, less 4 pixels of padding on either side, and cuts what is wider.
    QObject::connect(chart, &QChart::plotAreaChanged, asse, [asse, date](const QRectF& area) {
        const qreal posto = area.width() / (asse->count() + 1) - 2 * 4;
        const int angolo = asse->count() > 0 && date + 4 > posto ? -90 : 0;
        if (asse->labelsAngle() != angolo)
            asse->setLabelsAngle(angolo);
    });

    if (barre) {
        auto* serie = new QBarSeries;
        for (int c = 1; c <= g.colonne(); ++c) {
            auto* insieme = new QBarSet(g.etichettacolonna(c));
            insieme->setColor(coloreserie(c));
            insieme->setBorderColor(coloreserie(c).darker(150));
            QStringList testi;
            for (int r = 1; r <= g.righe(); ++r) {
                *insieme << g.dato(r, c).value_or(0.0);   // no quotation: no bar
                testi << testodato(g, r, c);
            }
            QObject::connect(insieme, &QBarSet::hovered, insieme,
                             [testi](bool sopra, int i) { suggerisci(sopra, testi.value(i)); });
            serie->append(insieme);
        }
        chart->addSeries(serie);
        serie->attachAxis(asse);
        serie->attachAxis(valori);
        return;
    }

    for (int c = 1; c <= g.colonne(); ++c) {
        QStringList testi;
        for (int r = 1; r <= g.righe(); ++r)
            testi << testodato(g, r, c);
        // A missing quotation breaks the line: one piece for each run of values.
        bool primo = true;
        int r = 1;
        do {
            while (r <= g.righe() && !g.dato(r, c))
                ++r;
            auto* linea = new QLineSeries;
            linea->setName(g.etichettacolonna(c));
            QPen penna(coloreserie(c), 2);
            linea->setPen(penna);
            linea->setColor(coloreserie(c));
            linea->setPointsVisible(true);
            linea->setMarkerSize(5);
            for (; r <= g.righe() && g.dato(r, c); ++r)
                linea->append(r - 1, *g.dato(r, c));
            QObject::connect(linea, &QLineSeries::hovered, linea, [testi](const QPointF& punto, bool sopra) {
                suggerisci(sopra, testi.value(qRound(punto.x())));
            });
            chart->addSeries(linea);
            linea->attachAxis(asse);
            linea->attachAxis(valori);
            if (!primo)
                for (QLegendMarker* m : chart->legend()->markers(linea))
                    m->setVisible(false);
            primo = false;
        } while (r <= g.righe());
    }
}

} // namespace

QChart* costruiscichart(const GrigliaGrafico& g)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setTitle(g.titolo());
    chart->setTitleFont(fonte(10, true));
    // Italian numbers on the axes whatever the machine's locale: "1.234,5".
    chart->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(fonte(8));
    if (g.tipo() == TipoGrafico::Torta)
        torta(chart, g);
    else
        barreelinee(chart, g);
    return chart;
}

Grafico::Grafico(QWidget* genitore) : QWidget(genitore)
{
    m_vista = new QChartView(this);
    m_vista->setObjectName(QStringLiteral("vista"));
    m_vista->setRenderHint(QPainter::Antialiasing);
    m_vista->setFrameShape(QFrame::NoFrame);
    // The tips come from the series' hover signals; the view's own tool-tip event, finding no
    // item with a tip, would hide them a moment after they appear.
    m_vista->viewport()->installEventFilter(this);
    // The view starts with an empty chart of its own, which it lets go of when it is given
    // the first one to show: it is ours to delete, as every chart it showed.
    m_chart = m_vista->chart();
    m_vista->hide();
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

Grafico::~Grafico()
{
    // The view does not own the chart it shows.
    delete m_chart;
}

void Grafico::aggiorna()
{
    if (m_griglia.modifiche() != m_disegnate) {
        m_disegnate = m_griglia.modifiche();
        if (tipo3d(m_griglia.tipo())) {
            m_vista->hide();
            update();
        } else {
            QChart* nuovo = costruiscichart(m_griglia);
            m_vista->setChart(nuovo);
            delete m_chart;
            m_chart = nuovo;
            m_vista->show();
        }
    }
    setVisible(m_griglia.visibile());
}

QImage Grafico::immagine(const QSize& dimensione) const
{
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    const QRectF tutto(QPointF(0, 0), QSizeF(dimensione));
    if (tipo3d(m_griglia.tipo())) {
        disegna3d(p, m_griglia, tutto);
        return img;
    }
    QGraphicsScene scena;
    QChart* chart = costruiscichart(m_griglia);
    scena.addItem(chart);   // the scene owns it now
    chart->setGeometry(tutto);
    // Twice: the first layout may turn the dates upright, which asks for another.
    chart->layout()->activate();
    chart->layout()->activate();
    p.setRenderHint(QPainter::Antialiasing);
    scena.render(&p, tutto, tutto);
    return img;
}

void Grafico::paintEvent(QPaintEvent*)
{
    if (!tipo3d(m_griglia.tipo()))
        return;
    QPainter p(this);
    m_zone = disegna3d(p, m_griglia, QRectF(rect()));
}

void Grafico::resizeEvent(QResizeEvent* e)
{
    m_vista->setGeometry(rect());
    QWidget::resizeEvent(e);
}

bool Grafico::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_vista->viewport() && e->type() == QEvent::ToolTip)
        return true;
    return QWidget::eventFilter(o, e);
}

bool Grafico::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && tipo3d(m_griglia.tipo())) {
        auto* h = static_cast<QHelpEvent*>(e);
        // The nearest value drawn at that point is the last one drawn there.
        for (auto z = m_zone.rbegin(); z != m_zone.rend(); ++z)
            if (z->area.containsPoint(h->pos(), Qt::OddEvenFill)) {
                QToolTip::showText(h->globalPos(), testodato(m_griglia, z->riga, z->colonna), this);
                return true;
            }
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    return QWidget::event(e);
}
