#include "shared/dialoghiqt.h"

#include <QColorDialog>

std::optional<QColor> DialoghiQt::colore(QWidget* genitore, const QColor& iniziale)
{
    const QColor c = QColorDialog::getColor(iniziale.isValid() ? iniziale : QColor(Qt::lightGray), genitore);
    if (!c.isValid())
        return std::nullopt;
    return c;
}
