#pragma once
#include "shared/messaggio.h"

// The seam through which every window shows a message box.
class Messaggi {
public:
    virtual ~Messaggi() = default;
    virtual Risposta mostra(const Messaggio& m) = 0;
};
