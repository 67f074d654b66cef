#pragma once
#include "shared/messaggio.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Documento;
class ModuloVelno;

// The thirteen help pages, in the order of the contents window's rows.
struct PaginaGuida {
    const char* nome;      // the window's class name, and its text's name
    const char* titolo;    // the caption of its title label
    const char* voce;      // its row in the contents window
    int larghezza;         // design width in twips
};
const std::array<PaginaGuida, 13>& pagineguida();

// The help text of page `nome`, built into the program: paragraphs separated by a blank
// line. Empty for a name that is no page.
QString testoguida(const QString& nome);
// The lines of the "AIUTO" box of the window named `finestra` (its object name), kept with
// the help texts.
QStringList consigli(const QString& finestra);

// One help page as a document: the program's name and description, "Guida: " and the
// title, then the text, justified.
void stampaguida(Documento& d, const QString& nomeprogramma, const QString& descrizione,
                 const QString& titolo, const QString& testo);

// The whole guide: every page under "Guida: " and its title, one page each.
struct SezioneGuida {
    QString titolo;
    QString testo;
};
void stampaguidaintera(Documento& d, const QString& nomeprogramma, const QString& descrizione,
                       const QList<SezioneGuida>& sezioni);

// The guide's file in the user's folder: "Velno-guida.docx".
QString nomefileguida(const QString& nomeprogramma);
// The whole guide printed into `d`, every page as its window shows it, then saved in the
// user's folder (not the program's: an installed program's folder is read-only). What to tell
// the user when it could not be saved; nothing otherwise.
std::optional<Messaggio> stampaesalvaguida(Documento& d, const ModuloVelno& m);
