#pragma once
#include "shared/documentotesto.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

// The text of cell (r, k) of a report's table, both counted from 1.
inline QString cella(QTextTable* t, int r, int k) { return selezionacella(t->cellAt(r - 1, k - 1)).selectedText(); }

// The first table of a report, or nullptr.
inline QTextTable* primatabella(QTextDocument* d)
{
    for (QTextFrame* f : d->rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f))
            return t;
    return nullptr;
}
