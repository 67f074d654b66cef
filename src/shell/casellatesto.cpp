#include "shell/casellatesto.h"

#include <QSignalBlocker>
#include "shared/campi.h"
#include "shared/numeri.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace {
bool vuoto(const QMimeData* m) { return !m || m->formats().isEmpty(); }

// Longer runs with no blank are not wrapped: 5,000 letters wrap in a few milliseconds.
constexpr qsizetype corsamassima = 5000;

bool corsalunga(QStringView t)
{
    qsizetype corsa = 0;
    for (QChar c : t) {
        corsa = c.isSpace() ? 0 : corsa + 1;
        if (corsa > corsamassima)
            return true;
    }
    return false;
}
} // namespace

CasellaTesto::CasellaTesto(QWidget* genitore) : QPlainTextEdit(genitore)
{
    // What is typed is a step of the document's history: the box keeps none of its own.
    setUndoRedoEnabled(false);
    // Only the paragraph being typed can have grown a long run.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (lineWrapMode() != NoWrap)
            adatta(textCursor().block().text());
    });
}

QString CasellaTesto::testotroppolungo()
{
    return QStringLiteral("Un testo può contenere al massimo %1 caratteri: quanto digitato o incollato in più non è "
                          "stato inserito.")
        .arg(formattamigliaia(double(testomassimo)));
}

void CasellaTesto::adatta(QStringView testo)
{
    if (corsalunga(testo))
        setLineWrapMode(NoWrap);
}

void CasellaTesto::mostratesto(const QString& testo)
{
    setLineWrapMode(corsalunga(testo) ? NoWrap : WidgetWidth);
    setPlainText(testo);
}

void CasellaTesto::aggiornatesto(const QString& testo)
{
    if (toPlainText() == QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
        return;
    const QSignalBlocker blocco(this);
    mostratesto(testo);
}

qsizetype CasellaTesto::lunghezzasenza() const
{
    const QTextCursor c = textCursor();
    return document()->characterCount() - 1 - (c.selectionEnd() - c.selectionStart());
}

bool CasellaTesto::canInsertFromMimeData(const QMimeData* sorgente) const
{
    return !vuoto(sorgente) && QPlainTextEdit::canInsertFromMimeData(sorgente);
}

void CasellaTesto::insertFromMimeData(const QMimeData* sorgente)
{
    if (vuoto(sorgente))
        return;
    const QString testo = sorgente->text();
    if (lunghezzasenza() + testo.size() > testomassimo) {
        emit troppolungo();
        return;
    }
    adatta(testo);
    QPlainTextEdit::insertFromMimeData(sorgente);
}

void CasellaTesto::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    if (!t.isEmpty() && (t[0].isPrint() || t[0] == u'\r' || t[0] == u'\t') && !(e->modifiers() & Qt::ControlModifier)
        && lunghezzasenza() + t.size() > testomassimo && !isReadOnly()) {
        emit troppolungo();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}
