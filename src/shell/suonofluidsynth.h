#pragma once
#include "shell/suono.h"

#include <QStringList>
#include <memory>

// The tune played by FluidSynth with a General MIDI sound bank. The library, the bank and
// the sound device are taken up on a worker thread of its own, so no command ever waits for
// them; the library is loaded only then, so a machine without it starts just as fast and
// stays silent.
class SuonoFluidSynth : public Suono {
public:
    // Why the tune is not heard.
    enum class Silenzio { Nessuno, Libreria, Banco, File, Dispositivo };
    struct Opzioni {
        QStringList banchi;    // sound banks, the first that exists is used
        QStringList driver;    // audio drivers tried in order
    };
    static Opzioni predefinite();

    SuonoFluidSynth();
    explicit SuonoFluidSynth(Opzioni opzioni);
    ~SuonoFluidSynth() override;

    void apri(const QString& file) override;
    void suona() override;
    void pausa() override;
    void chiudi() override;

    // Waits until every command given so far has been carried out.
    void attendi();
    // What the last "open" ended in: Nessuno when the tune is ready on a sound device.
    Silenzio silenzio() const;
    // Whether the tune is playing on a sound device now.
    bool suonando() const;

    struct Stato;

private:
    void invia(int tipo, const QString& file = QString());
    std::shared_ptr<Stato> m_stato;
};
