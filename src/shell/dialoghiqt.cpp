#include "shell/dialoghiqt.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QStringList>

namespace {

// "Tutti i file (*.*)|*.*|File Velno-azioni- | Velno-azioni-*" as Qt's name filters.
QStringList filtri(const QString& filtro)
{
    const QStringList parti = filtro.split(u'|');
    QStringList r;
    for (qsizetype k = 0; k + 1 < parti.size(); k += 2) {
        QString modello = parti[k + 1].trimmed();
        if (modello == u"*.*")
            modello = QStringLiteral("*");   // every file, with or without a dot
        r << parti[k].trimmed() + QStringLiteral(" (") + modello + u')';
    }
    return r;
}

QString mostra(QWidget* genitore, const RichiestaFile& r, QFileDialog::AcceptMode modo, const QString& cartella)
{
    QFileDialog d(genitore, r.titolo);
    impostadialogo(d, r, modo, cartella);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}

} // namespace

void impostadialogo(QFileDialog& d, const RichiestaFile& r, QFileDialog::AcceptMode modo, const QString& cartella)
{
    if (!cartella.isEmpty())
        d.setDirectory(cartella);
    d.setAcceptMode(modo);
    d.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The filters read as their descriptions alone: "Tutti i file (*.*)" already says what
    // it takes (every file, with or without a dot), without Qt adding "(*)" after it.
    d.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList f = filtri(r.filtro);
    d.setNameFilters(f);
    if (r.indicefiltro >= 1 && r.indicefiltro <= f.size())
        d.selectNameFilter(f[r.indicefiltro - 1]);
}

QString DialoghiQt::apri(QWidget* genitore, const RichiestaFile& r)
{
    return mostra(genitore, r, QFileDialog::AcceptOpen, cartellainiziale);
}

QString DialoghiQt::salva(QWidget* genitore, const RichiestaFile& r)
{
    return mostra(genitore, r, QFileDialog::AcceptSave, cartellainiziale);
}

std::optional<QColor> DialoghiQt::colore(QWidget* genitore, const QColor& iniziale)
{
    const QColor c = QColorDialog::getColor(iniziale.isValid() ? iniziale : QColor(Qt::lightGray), genitore);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QString> DialoghiQt::data(QWidget* genitore, const QString& titolo, const QString& domanda,
                                        const QString& proposta)
{
    bool ok = false;
    const QString t = QInputDialog::getText(genitore, titolo, domanda, QLineEdit::Normal, proposta, &ok);
    if (!ok)
        return std::nullopt;
    return t.trimmed();
}

std::optional<int> DialoghiQt::scelta(QWidget* genitore, const QString& titolo, const QString& domanda,
                                      const QStringList& voci)
{
    bool ok = false;
    const QString v = QInputDialog::getItem(genitore, titolo, domanda, voci, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    const qsizetype k = voci.indexOf(v);
    return k < 0 ? std::nullopt : std::optional<int>(int(k));
}
