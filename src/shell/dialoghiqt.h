#pragma once
#include "shared/dialoghi.h"

#include <QFileDialog>

// A file dialog made ready for a request: mode, filters as the user reads them, the filter
// chosen first.
void impostadialogo(QFileDialog& d, const RichiestaFile& r, QFileDialog::AcceptMode modo,
                    const QString& cartella = QString());

class DialoghiQt : public Dialoghi {
public:
    // Where the file dialogs start (the user's Velno folder); empty: the dialog's own.
    QString cartellainiziale;

    QString apri(QWidget* genitore, const RichiestaFile& r) override;
    QString salva(QWidget* genitore, const RichiestaFile& r) override;
    std::optional<QColor> colore(QWidget* genitore, const QColor& iniziale) override;
    std::optional<int> scelta(QWidget* genitore, const QString& titolo, const QString& domanda,
                              const QStringList& voci) override;
    std::optional<QString> data(QWidget* genitore, const QString& titolo, const QString& domanda,
                                const QString& proposta) override;
};
