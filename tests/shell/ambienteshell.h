#pragma once
#include "ambiente.h"
#include "doppi.h"
#include "documenti/modulovelno.h"
#include "shell/filedistribuiti.h"
#include "shell/finestre.h"
#include "shell/suono.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

// Records the tune's commands as "open <file name>", "play", "pause", "close".
class SuonoRegistrato : public Suono {
public:
    explicit SuonoRegistrato(QStringList& registro) : m_registro(registro) {}
    void apri(const QString& file) override
    {
        m_registro << QStringLiteral("open ") + (file.isEmpty() ? QStringLiteral("-") : QFileInfo(file).fileName());
    }
    void suona() override { m_registro << QStringLiteral("play"); }
    void pausa() override { m_registro << QStringLiteral("pause"); }
    void chiudi() override { m_registro << QStringLiteral("close"); }

private:
    QStringList& m_registro;
};

// A program's worth of windows with recording seams; `fine` counts the ends of the program.
// The user's Velno folder is a temporary one: the totals files and pictures the windows write
// never land in the folder the tests run from.
struct Ambiente : AmbienteFinestre {
    QTemporaryDir utente;
    QStringList suono;
    Ambiente()
    {
        modulo.cartella = utente.path();
        finestre.creasuono = [this] { return std::unique_ptr<Suono>(std::make_unique<SuonoRegistrato>(suono)); };
    }
};

// Velno's own shipped files, from the sources.
inline void filedisorgente()
{
    impostacartelledistribuite({QStringLiteral(VELNO_SORGENTI "/data")});
}

// Deletes the windows a test unloaded.
inline void eliminarimandate() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
