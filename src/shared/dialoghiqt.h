#pragma once
#include "shared/dialoghi.h"

#include <QFileDialog>

// A file dialog made ready for a request: mode, filters as the user reads them, the filter
// chosen first.
void impostadialogo(QFileDialog& d, const RichiestaFile& r, QFileDialog::AcceptMode modo);

class DialoghiQt : public Dialoghi {
public:
    QString apri(QWidget* genitore, const RichiestaFile& r) override;
    QString salva(QWidget* genitore, const RichiestaFile& r) override;
    std::optional<QColor> colore(QWidget* genitore, const QColor& iniziale) override;
};
