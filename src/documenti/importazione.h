#pragma once
#include "portfolio/importa.h"

#include <QDate>
#include <functional>
#include <optional>

class DocumentoAzioni;
class Dialoghi;
class QWidget;

// The import of a day's quotations as the user goes through it: the file asked for, read,
// the column of the prices and the date asked when the file does not tell them, then the new
// column added to the Portfolio.
struct Importazione {
    // Nothing when the user cancelled or the file could not be read.
    std::optional<EsitoImporta> esito;
    // What the user is told at the end (the summary, or why nothing was read).
    std::optional<Messaggio> messaggio;
};

// `avanzamento` is told how far a long reading is (in per cent, from a tenth of a second on),
// and -1 when the reading is over. `oggi` is the date the question proposes.
Importazione importaquotazioni(DocumentoAzioni& documento, Dialoghi& dialoghi, QWidget* genitore,
                               const QString& titolocontrollo, const std::function<void(int)>& avanzamento,
                               QDate oggi);
