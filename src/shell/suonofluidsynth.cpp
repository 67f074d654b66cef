#include "shell/suonofluidsynth.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

enum Tipo { Apri, Suona, Pausa, Chiudi };

// ALSA prints its own complaints (no sound card) straight to the terminal; FluidSynth has
// loaded it already, so its error handler is silenced the same way.
void nessunerrore(const char*, int, const char*, int, const char*, ...) {}

void zittisciAlsa()
{
    static const bool fatto = [] {
        using Imposta = int (*)(decltype(&nessunerrore));
        QLibrary alsa(QStringLiteral("asound"), 2);
        if (auto imposta = reinterpret_cast<Imposta>(alsa.resolve("snd_lib_error_set_handler")))
            imposta(&nessunerrore);
        return true;
    }();
    Q_UNUSED(fatto);
}

// FluidSynth's functions, looked up once the library is loaded: linking it would load its
// sixty-odd dependencies (audio servers, codecs, SDL) before the splash could be painted.
struct Fluid {
#define VELNO_FLUID(f) decltype(&::f) f = nullptr;
    VELNO_FLUID(new_fluid_settings)
    VELNO_FLUID(delete_fluid_settings)
    VELNO_FLUID(fluid_settings_setstr)
    VELNO_FLUID(fluid_settings_setnum)
    VELNO_FLUID(fluid_settings_setint)
    VELNO_FLUID(new_fluid_synth)
    VELNO_FLUID(delete_fluid_synth)
    VELNO_FLUID(fluid_synth_sfload)
    VELNO_FLUID(fluid_synth_all_notes_off)
    VELNO_FLUID(new_fluid_audio_driver)
    VELNO_FLUID(delete_fluid_audio_driver)
    VELNO_FLUID(new_fluid_player)
    VELNO_FLUID(delete_fluid_player)
    VELNO_FLUID(fluid_player_add)
    VELNO_FLUID(fluid_player_play)
    VELNO_FLUID(fluid_player_stop)
    VELNO_FLUID(fluid_player_get_status)
    VELNO_FLUID(fluid_is_midifile)
    VELNO_FLUID(fluid_is_soundfont)
    VELNO_FLUID(fluid_set_log_function)
#undef VELNO_FLUID

    bool carica()
    {
        static QLibrary libreria(QStringLiteral("fluidsynth"), 3);
        if (!libreria.isLoaded() && !libreria.load())
            return false;
        bool tutte = true;
        auto risolvi = [&](auto& f, const char* nome) {
            f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(libreria.resolve(nome));
            tutte = tutte && f;
        };
#define VELNO_RISOLVI(f) risolvi(f, #f);
        VELNO_RISOLVI(new_fluid_settings)
        VELNO_RISOLVI(delete_fluid_settings)
        VELNO_RISOLVI(fluid_settings_setstr)
        VELNO_RISOLVI(fluid_settings_setnum)
        VELNO_RISOLVI(fluid_settings_setint)
        VELNO_RISOLVI(new_fluid_synth)
        VELNO_RISOLVI(delete_fluid_synth)
        VELNO_RISOLVI(fluid_synth_sfload)
        VELNO_RISOLVI(fluid_synth_all_notes_off)
        VELNO_RISOLVI(new_fluid_audio_driver)
        VELNO_RISOLVI(delete_fluid_audio_driver)
        VELNO_RISOLVI(new_fluid_player)
        VELNO_RISOLVI(delete_fluid_player)
        VELNO_RISOLVI(fluid_player_add)
        VELNO_RISOLVI(fluid_player_play)
        VELNO_RISOLVI(fluid_player_stop)
        VELNO_RISOLVI(fluid_player_get_status)
        VELNO_RISOLVI(fluid_is_midifile)
        VELNO_RISOLVI(fluid_is_soundfont)
        VELNO_RISOLVI(fluid_set_log_function)
#undef VELNO_RISOLVI
        if (!tutte)
            return false;
        zittisciAlsa();
        // The library's own complaints (no audio server, no device) would reach the terminal.
        for (int livello = FLUID_PANIC; livello <= FLUID_DBG; ++livello)
            fluid_set_log_function(livello, nullptr, nullptr);
        return true;
    }
};

// Whether `driver` may find a device on this machine, from the traces a sound server or a
// sound card leaves: where none can, the library and its dependencies (10 MB with the
// synthesizer) are not loaded at all. Any other driver (a file, in tests) is tried.
bool dispositivopossibile(const QString& driver)
{
    if (driver == u"pulseaudio") {
        const QString utente = qEnvironmentVariable("XDG_RUNTIME_DIR");
        return qEnvironmentVariableIsSet("PULSE_SERVER")
            || (!utente.isEmpty() && QFileInfo::exists(utente + QStringLiteral("/pulse/native")))
            || QFileInfo::exists(QStringLiteral("/run/pulse/native")) || QFileInfo::exists(QStringLiteral("/var/run/pulse/native"));
    }
    if (driver == u"alsa")
        return QFileInfo::exists(QStringLiteral("/dev/snd")) || QFileInfo::exists(QStringLiteral("/etc/asound.conf"))
            || QFileInfo::exists(QDir::homePath() + QStringLiteral("/.asoundrc"));
    return true;
}

struct Comando {
    Tipo tipo;
    QString file;
};

} // namespace

// Shared by the object and its worker thread, so that a worker stuck in a sound server's
// call can be left behind at exit without touching freed memory.
struct SuonoFluidSynth::Stato {
    SuonoFluidSynth::Opzioni opzioni;
    std::mutex mutex;
    std::condition_variable cambiato;
    std::deque<Comando> coda;
    bool occupato = false;
    bool fine = false;
    bool terminato = false;
    std::thread lavoratore;
    std::atomic<SuonoFluidSynth::Silenzio> silenzio{SuonoFluidSynth::Silenzio::File};
    std::atomic<bool> suonando{false};

    // Owned by the worker thread alone.
    Fluid fluid;
    bool libreria = false;
    QString file;
    fluid_settings_t* impostazioni = nullptr;
    fluid_synth_t* sintetizzatore = nullptr;
    fluid_audio_driver_t* uscita = nullptr;
    fluid_player_t* lettore = nullptr;

    void lavora();
    void esegui(const Comando& c);
    void apri(const QString& nome);
    bool nuovolettore();
    void chiudi();
};

void SuonoFluidSynth::Stato::lavora()
{
    for (;;) {
        Comando c;
        {
            std::unique_lock blocco(mutex);
            cambiato.wait(blocco, [this] { return fine || !coda.empty(); });
            if (coda.empty())
                break;
            c = std::move(coda.front());
            coda.pop_front();
            occupato = true;
        }
        esegui(c);
        {
            std::lock_guard blocco(mutex);
            occupato = false;
        }
        cambiato.notify_all();
    }
    chiudi();
    {
        std::lock_guard blocco(mutex);
        terminato = true;
    }
    cambiato.notify_all();
}

void SuonoFluidSynth::Stato::esegui(const Comando& c)
{
    switch (c.tipo) {
    case Apri:
        apri(c.file);
        break;
    case Suona:
        if (!lettore)
            break;
        // A tune that has ended starts again from the beginning.
        if (fluid.fluid_player_get_status(lettore) == FLUID_PLAYER_DONE && !nuovolettore())
            break;
        suonando = fluid.fluid_player_play(lettore) == FLUID_OK;
        break;
    case Pausa:
        if (!lettore)
            break;
        fluid.fluid_player_stop(lettore);   // keeps its place: "play" goes on from there
        fluid.fluid_synth_all_notes_off(sintetizzatore, -1);
        suonando = false;
        break;
    case Chiudi:
        chiudi();
        break;
    }
}

void SuonoFluidSynth::Stato::apri(const QString& nome)
{
    chiudi();
    silenzio = Silenzio::File;
    if (nome.isEmpty() || !QFileInfo(nome).isFile())
        return;
    QStringList driver;
    for (const QString& d : opzioni.driver)
        if (dispositivopossibile(d))
            driver << d;
    if (driver.isEmpty()) {
        silenzio = Silenzio::Dispositivo;
        return;
    }
    if (!libreria)
        libreria = fluid.carica();
    if (!libreria) {
        silenzio = Silenzio::Libreria;
        return;
    }
    const QByteArray locale = QFile::encodeName(nome);
    if (!fluid.fluid_is_midifile(locale.constData()))
        return;

    QString banco;
    for (const QString& b : opzioni.banchi)
        if (QFileInfo(b).isFile() && fluid.fluid_is_soundfont(QFile::encodeName(b).constData())) {
            banco = b;
            break;
        }
    if (banco.isEmpty()) {
        silenzio = Silenzio::Banco;
        return;
    }
    impostazioni = fluid.new_fluid_settings();
    if (!impostazioni) {
        silenzio = Silenzio::Libreria;
        return;
    }
    fluid.fluid_settings_setnum(impostazioni, "synth.gain", 0.5);
    // Only the samples of the instruments the tune plays are read from the bank, when it
    // plays them: the whole bank's samples would take 6 MB more.
    fluid.fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 1);
    sintetizzatore = fluid.new_fluid_synth(impostazioni);
    if (!sintetizzatore) {
        chiudi();
        silenzio = Silenzio::Libreria;
        return;
    }
    // Only drivers that fail at once when there is no device: never one that starts a server.
    for (const QString& d : driver) {
        fluid.fluid_settings_setstr(impostazioni, "audio.driver", d.toLatin1().constData());
        uscita = fluid.new_fluid_audio_driver(impostazioni, sintetizzatore);
        if (uscita)
            break;
    }
    if (!uscita) {
        chiudi();
        silenzio = Silenzio::Dispositivo;
        return;
    }
    // The bank is read only where the tune can be heard (its instruments alone take 8 MB).
    if (fluid.fluid_synth_sfload(sintetizzatore, QFile::encodeName(banco).constData(), 1) == FLUID_FAILED) {
        chiudi();
        silenzio = Silenzio::Banco;
        return;
    }
    file = nome;
    if (!nuovolettore()) {
        chiudi();
        silenzio = Silenzio::File;
        return;
    }
    silenzio = Silenzio::Nessuno;
}

bool SuonoFluidSynth::Stato::nuovolettore()
{
    if (lettore) {
        fluid.fluid_player_stop(lettore);
        fluid.delete_fluid_player(lettore);
    }
    lettore = fluid.new_fluid_player(sintetizzatore);
    if (lettore && fluid.fluid_player_add(lettore, QFile::encodeName(file).constData()) == FLUID_OK)
        return true;
    if (lettore)
        fluid.delete_fluid_player(lettore);
    lettore = nullptr;
    return false;
}

void SuonoFluidSynth::Stato::chiudi()
{
    suonando = false;
    if (lettore) {
        fluid.fluid_player_stop(lettore);
        fluid.delete_fluid_player(lettore);
        lettore = nullptr;
    }
    if (uscita) {
        fluid.delete_fluid_audio_driver(uscita);
        uscita = nullptr;
    }
    if (sintetizzatore) {
        fluid.delete_fluid_synth(sintetizzatore);
        sintetizzatore = nullptr;
    }
    if (impostazioni) {
        fluid.delete_fluid_settings(impostazioni);
        impostazioni = nullptr;
    }
}

SuonoFluidSynth::Opzioni SuonoFluidSynth::predefinite()
{
    const QString cartella = QStringLiteral("/usr/share/sounds/sf2/");
    return Opzioni{{cartella + QStringLiteral("TimGM6mb.sf2"), cartella + QStringLiteral("default-GM.sf2"),
                    cartella + QStringLiteral("FluidR3_GM.sf2")},
                   {QStringLiteral("pulseaudio"), QStringLiteral("alsa")}};
}

SuonoFluidSynth::SuonoFluidSynth() : SuonoFluidSynth(predefinite()) {}

SuonoFluidSynth::SuonoFluidSynth(Opzioni opzioni) : m_stato(std::make_shared<Stato>())
{
    m_stato->opzioni = std::move(opzioni);
}

SuonoFluidSynth::~SuonoFluidSynth()
{
    Stato& s = *m_stato;
    if (!s.lavoratore.joinable())
        return;
    bool terminato;
    {
        std::unique_lock blocco(s.mutex);
        s.coda.clear();
        s.fine = true;
        s.cambiato.notify_all();
        // Leaving never waits on a sound server that does not answer.
        terminato = s.cambiato.wait_for(blocco, std::chrono::seconds(2), [&s] { return s.terminato; });
    }
    if (terminato)
        s.lavoratore.join();
    else
        s.lavoratore.detach();
}

void SuonoFluidSynth::invia(int tipo, const QString& file)
{
    Stato& s = *m_stato;
    {
        std::lock_guard blocco(s.mutex);
        s.coda.push_back(Comando{Tipo(tipo), file});
        if (!s.lavoratore.joinable()) {
            // The thread keeps the state alive even if this object is gone first.
            s.lavoratore = std::thread([stato = m_stato] { stato->lavora(); });
        }
    }
    s.cambiato.notify_all();
}

void SuonoFluidSynth::apri(const QString& file) { invia(Apri, file); }
void SuonoFluidSynth::suona() { invia(Suona); }
void SuonoFluidSynth::pausa() { invia(Pausa); }
void SuonoFluidSynth::chiudi() { invia(Chiudi); }

void SuonoFluidSynth::attendi()
{
    Stato& s = *m_stato;
    std::unique_lock blocco(s.mutex);
    s.cambiato.wait(blocco, [&s] { return (s.coda.empty() && !s.occupato) || s.terminato; });
}

SuonoFluidSynth::Silenzio SuonoFluidSynth::silenzio() const { return m_stato->silenzio; }
bool SuonoFluidSynth::suonando() const { return m_stato->suonando; }
