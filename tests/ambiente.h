#pragma once
#include "doppi.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

#include <QCoreApplication>

class frmAzioni;

// The program as a test of its windows drives it: its state, the recording message and file
// dialogs, the navigator. `fine` counts the ends of the program (the application never ends).
// A test's own fixture derives from it and adds what it needs.
struct AmbienteFinestre {
    ModuloVelno modulo;
    MessaggiRegistrati messaggi;
    DialoghiRegistrati dialoghi;
    Finestre finestre{modulo, messaggi, dialoghi};
    int fine = 0;

    AmbienteFinestre() { finestre.allafine = [this] { ++fine; }; }
    // Windows unloaded and not yet deleted go with the fixture.
    ~AmbienteFinestre() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    AmbienteFinestre(const AmbienteFinestre&) = delete;
    AmbienteFinestre& operator=(const AmbienteFinestre&) = delete;

    // The tables, filled by hand: a window shows them once redrawn or opened.
    Portfolio& p() { return modulo.azioni.dati(); }
    SalesBalance& v() { return modulo.vendite.dati(); }
    frmAzioni& a() { return finestre.azioni(); }
};
