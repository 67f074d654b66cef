#pragma once
#include <QString>
#include <QStringList>
#include <memory>

// The splash tune's player. Every failure (no sound device, no sound bank, no file) is
// silence: a player never reports, never blocks its caller. This one is silence itself.
class Suono {
public:
    virtual ~Suono() = default;
    virtual void apri(const QString&) {}   // "open"
    virtual void suona() {}                // "play": from where it paused
    virtual void pausa() {}                // "pause"
    virtual void chiudi() {}               // "close"
};

// The splash's multimedia control: the tune's file name and its commands by name. Commands
// given before the splash is first painted wait, so that nothing slow runs before the
// first frame; `attiva` then sends them in order.
class ControlloMidi {
public:
    explicit ControlloMidi(std::unique_ptr<Suono> suono);

    QString nomefile;
    // "open", "play", "pause" or "close"; any other command is ignored.
    void comando(const QString& c);
    void attiva();
    bool attivo() const { return m_attivo; }

private:
    void esegui(const QString& c);
    std::unique_ptr<Suono> m_suono;
    QStringList m_inattesa;       // commands waiting for the first paint
    QStringList m_filedaaprire;   // the file name each waiting "open" was given
    bool m_attivo = false;
};
