#pragma once
#include <QColor>
#include <optional>

class QWidget;

// The seam for the common dialogs.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    // The colour dialog, starting from `iniziale`; nothing when the user cancels.
    virtual std::optional<QColor> colore(QWidget* genitore, const QColor& iniziale) = 0;
};
