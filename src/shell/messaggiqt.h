#pragma once
#include "shared/messaggi.h"

// Message boxes shown with QMessageBox; the buttons come out in Italian through qtbase_it.
class MessaggiQt : public Messaggi {
public:
    Risposta mostra(const Messaggio& m) override;
};
