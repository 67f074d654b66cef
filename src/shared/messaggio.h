#pragma once
#include <QString>

// A message box as a value: rules return it, the window hands it to Messaggi.
enum class Icona { Critica, Esclamativa, Informativa, Domanda };
enum class Pulsanti { Ok, SiNo, RipristinaIgnora };
enum class Risposta { Ok, Si, No, Ripristina, Ignora };

struct Messaggio {
    QString testo;
    QString titolo;
    Icona icona = Icona::Informativa;
    Pulsanti pulsanti = Pulsanti::Ok;   // SiNo always has No as the default button
    QString dettagli{};                 // shown on request under the text (a long list)

    bool operator==(const Messaggio&) const = default;
};
