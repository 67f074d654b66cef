#include "charts/grigliagrafico.h"
#include "shared/numeri.h"

#include <algorithm>
#include <cmath>

bool tipo3d(TipoGrafico t)
{
    return t == TipoGrafico::Barre3D || t == TipoGrafico::Linee3D || t == TipoGrafico::Area3D ||
           t == TipoGrafico::Passo3D;
}

void GrigliaGrafico::impostatipo(TipoGrafico t)
{
    m_tipo = t;
    ++m_modifiche;
}

void GrigliaGrafico::impostatitolo(const QString& t)
{
    m_titolo = t;
    ++m_modifiche;
}

void GrigliaGrafico::dimensiona(int righe, int colonne)
{
    m_righe = std::max(0, righe);
    m_colonne = std::max(0, colonne);
    m_etichetterighe.assign(std::size_t(m_righe), QString());
    m_etichettecolonne.assign(std::size_t(m_colonne), QString());
    m_dati.assign(std::size_t(m_righe) * std::size_t(m_colonne), std::nullopt);
    ++m_modifiche;
}

namespace {
// Label k (1-based) of `etichette`; none outside them.
QString etichetta(const std::vector<QString>& etichette, int k)
{
    return k >= 1 && k <= int(etichette.size()) ? etichette[std::size_t(k - 1)] : QString();
}
bool impostaetichetta(std::vector<QString>& etichette, int k, const QString& testo)
{
    if (k < 1 || k > int(etichette.size()))
        return false;
    etichette[std::size_t(k - 1)] = testo;
    return true;
}
} // namespace

QString GrigliaGrafico::etichettariga(int r) const { return etichetta(m_etichetterighe, r); }
QString GrigliaGrafico::etichettacolonna(int c) const { return etichetta(m_etichettecolonne, c); }

void GrigliaGrafico::impostaetichettariga(int r, const QString& testo)
{
    if (impostaetichetta(m_etichetterighe, r, testo))
        ++m_modifiche;
}

void GrigliaGrafico::impostaetichettacolonna(int c, const QString& testo)
{
    if (impostaetichetta(m_etichettecolonne, c, testo))
        ++m_modifiche;
}

std::optional<double> GrigliaGrafico::dato(int r, int c) const
{
    return dentro(r, c) ? m_dati[indice(r, c)] : std::nullopt;
}

void GrigliaGrafico::impostadato(int r, int c, double v)
{
    if (!dentro(r, c) || !std::isfinite(v))
        return;
    m_dati[indice(r, c)] = v;
    ++m_modifiche;
}

void GrigliaGrafico::impostavisibile(bool si)
{
    m_visibile = si;   // shown or hidden, what is drawn stays the same
}

std::optional<std::pair<double, double>> GrigliaGrafico::estremi() const
{
    std::optional<std::pair<double, double>> e;
    for (const auto& d : m_dati) {
        if (!d)
            continue;
        if (!e)
            e = std::make_pair(*d, *d);
        else
            e = std::make_pair(std::min(e->first, *d), std::max(e->second, *d));
    }
    return e;
}

QColor coloreserie(int k)
{
    // Ten colours that stay apart on screen and on paper.
    static const QColor tavolozza[10] = {
        QColor(52, 101, 164), QColor(204, 0, 0),    QColor(78, 154, 6),   QColor(245, 121, 0),
        QColor(117, 80, 123), QColor(143, 89, 2),   QColor(237, 212, 0),  QColor(6, 152, 154),
        QColor(85, 87, 83),   QColor(214, 66, 138),
    };
    const int i = ((k - 1) % 10 + 10) % 10;
    return tavolozza[i];
}

int ScalaValori::tacche() const
{
    return passo > 0 ? int(std::lround((fine - inizio) / passo)) : 1;
}

ScalaValori scalavalori(double minimo, double massimo, bool conzero)
{
    if (!std::isfinite(minimo) || !std::isfinite(massimo)) {
        minimo = 0;
        massimo = 1;
    }
    if (minimo > massimo)
        std::swap(minimo, massimo);
    if (conzero) {
        minimo = std::min(minimo, 0.0);
        massimo = std::max(massimo, 0.0);
    }
    if (massimo - minimo <= 0) {
        // One value alone: a band around it.
        const double a = std::fabs(massimo) > 0 ? std::fabs(massimo) * 0.1 : 1.0;
        if (minimo < 0 || !conzero)
            minimo -= a;
        massimo += a;
        if (conzero && minimo > 0)
            minimo = 0;
    }
    // About five steps of 1, 2 or 5 times a power of ten.
    const double grezzo = (massimo - minimo) / 5;
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = potenza;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * potenza >= grezzo) {
            passo = m * potenza;
            break;
        }
    ScalaValori s;
    s.passo = passo;
    s.inizio = std::floor(minimo / passo + 1e-9) * passo;
    s.fine = std::ceil(massimo / passo - 1e-9) * passo;
    if (s.fine <= s.inizio)
        s.fine = s.inizio + passo;
    s.decimali = passo >= 1 ? 0 : std::min(6, int(std::ceil(-std::log10(passo) - 1e-9)));
    return s;
}

QString numeroitaliano(double v, int decimali)
{
    QString formato = QStringLiteral("##,##0");
    if (decimali > 0)
        formato += u'.' + QString(decimali, u'0');
    return formatta(v, formato);
}

QString valoreitaliano(double v)
{
    QString t = numeroitaliano(v, 2);
    if (t.endsWith(u"00"))
        t.chop(3);
    else if (t.endsWith(u'0'))
        t.chop(1);
    return t;
}

QString titolografico(TipoGrafico t)
{
    switch (t) {
    case TipoGrafico::Barre: return QStringLiteral("Andamento quotazioni con grafico a barre");
    case TipoGrafico::Torta: return QStringLiteral("Patrimonio azionario (dimensioni e percentuali)");
    case TipoGrafico::Linee: return QStringLiteral("Andamento quotazioni con grafico a linee");
    case TipoGrafico::Area3D: return QStringLiteral("Andamento quotazioni con grafico ad area su 3 dimensioni");
    case TipoGrafico::Linee3D: return QStringLiteral("Andamento quotazioni con grafico a nastro su 3 dimensioni");
    case TipoGrafico::Barre3D: return QStringLiteral("Andamento quotazioni con grafico a barre su 3 dimensioni");
    case TipoGrafico::Passo3D: return QStringLiteral("Andamento quotazioni con grafico a passo su 3 dimensioni");
    }
    return QString();
}
