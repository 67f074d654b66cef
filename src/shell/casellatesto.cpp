#include "shell/casellatesto.h"

#include <QMimeData>

namespace {
bool vuoto(const QMimeData* m) { return !m || m->formats().isEmpty(); }
} // namespace

bool CasellaTesto::canInsertFromMimeData(const QMimeData* sorgente) const
{
    return !vuoto(sorgente) && QPlainTextEdit::canInsertFromMimeData(sorgente);
}

void CasellaTesto::insertFromMimeData(const QMimeData* sorgente)
{
    if (vuoto(sorgente))
        return;
    QPlainTextEdit::insertFromMimeData(sorgente);
}
