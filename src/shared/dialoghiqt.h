#pragma once
#include "shared/dialoghi.h"

class DialoghiQt : public Dialoghi {
public:
    QString apri(QWidget* genitore, const RichiestaFile& r) override;
    QString salva(QWidget* genitore, const RichiestaFile& r) override;
    std::optional<QColor> colore(QWidget* genitore, const QColor& iniziale) override;
};
