#pragma once
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// What a file dialog is asked for. The filter is written as pairs "description|pattern|...".
struct RichiestaFile {
    QString titolo;          // empty: the dialog's own
    QString filtro;
    int indicefiltro = 1;    // from 1
    bool operator==(const RichiestaFile&) const = default;
};

// The seam for the common dialogs.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    // The file chosen to open, or to save to; empty when the user cancels.
    virtual QString apri(QWidget* genitore, const RichiestaFile& r) = 0;
    virtual QString salva(QWidget* genitore, const RichiestaFile& r) = 0;
    // The colour dialog, starting from `iniziale`; nothing when the user cancels.
    virtual std::optional<QColor> colore(QWidget* genitore, const QColor& iniziale) = 0;
    // A date typed by the user in answer to `domanda`, starting from `proposta`; nothing
    // when the user cancels. The caller checks it.
    virtual std::optional<QString> data(QWidget* genitore, const QString& titolo, const QString& domanda,
                                        const QString& proposta) = 0;
    // One of `voci` chosen in answer to `domanda` (its index); nothing when the user cancels.
    virtual std::optional<int> scelta(QWidget* genitore, const QString& titolo, const QString& domanda,
                                      const QStringList& voci) = 0;
};
