#include "shell/casellagriglia.h"
#include "shell/arredo.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

bool CasellaGriglia::incolla(QClipboard::Mode modo)
{
    const QMimeData* m = QGuiApplication::clipboard()->mimeData(modo);
    if (!m || !m->hasText() || !incollamultiplo || !multiplo)
        return false;
    const QString testo = m->text();
    return multiplo(testo) && incollamultiplo(testo);
}

void CasellaGriglia::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste) && incolla(QClipboard::Clipboard)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void CasellaGriglia::mouseReleaseEvent(QMouseEvent* e)
{
    // The middle button pastes the selection on X11.
    if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() && !isReadOnly()
        && incolla(QClipboard::Selection)) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void CasellaGriglia::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    if (QAction* a = vocedimenu(menu, QKeySequence::Paste)) {
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, this, [this] {
            if (!incolla(QClipboard::Clipboard))
                paste();
        });
    }
    storianelmenu(menu, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}
