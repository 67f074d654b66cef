#pragma once
#include <QString>
#include <functional>
#include <vector>

struct Scena;

// The kinds of handler a user reaches: each button (and clickable picture or label), menu
// item, toolbar button, scroll step, keystroke into a box, choice from a list, chart kind,
// print (the document built and shown), and a print's file output (PDF, .docx, the word
// processor's copy), which alone may take longer than a frame.
enum class Famiglia { Pulsanti, Menu, Barra, Scorrimento, Battitura, Scelta, TipiGrafico, Stampa, FileStampa };
inline constexpr Famiglia famiglie[] = {Famiglia::Pulsanti,    Famiglia::Menu,        Famiglia::Barra,
                                        Famiglia::Scorrimento, Famiglia::Battitura,   Famiglia::Scelta,
                                        Famiglia::TipiGrafico, Famiglia::Stampa,      Famiglia::FileStampa};
QString nomefamiglia(Famiglia f);

// What the user does, and how the control is put back afterwards (untimed).
struct Azione {
    std::function<void()> fai;
    std::function<void()> dopo;
};

// One handler of one window: `prepara` brings the window up and finds the control (untimed)
// and returns what the user does.
struct Gestore {
    QString nome;   // "frmAzioni saldo_3", "grafici HScroll1 +1"
    Famiglia famiglia;
    std::function<Azione()> prepara;
};

// Every handler of every window of the program, found by walking each window's controls.
std::vector<Gestore> catalogo(Scena& s);

// One use of `g`: prepared, done and every event it raised handled (paints included), timed;
// then the program is put back. A handler that opened a document window is a print.
struct Tempo {
    double ms;    // elapsed
    double cpu;   // the process's processor time, ms: what a busy machine does not inflate
};
Tempo misura(Scena& s, Gestore& g);

// The windows of the program brought up at full scale: the splash and the seven working
// windows (Azioni, card, charts, ranking, balance, monthly, plan), or, with `tutte`, every
// window (the delete dialog, the contents, about, tips, the thirteen help pages too) and
// the document of the Azioni window's print. `dopo` is told each one.
void mostratutte(Scena& s, bool tutte, const std::function<void(const char*)>& dopo = {});
