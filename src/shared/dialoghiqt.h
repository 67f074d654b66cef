#pragma once
#include "shared/dialoghi.h"

class DialoghiQt : public Dialoghi {
public:
    std::optional<QColor> colore(QWidget* genitore, const QColor& iniziale) override;
};
