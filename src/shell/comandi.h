#pragma once
#include "shell/arredo.h"

#include <QKeySequence>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class DocumentoArchiviato;
class QAction;
class QMainWindow;

// A window's commands, described once: each is one QAction, in its menu, on its toolbar
// button, or both (the menu shows the caption, the button the icon and the tool tip).
struct Comando {
    const char* nome = "";            // the action's object name (the menu item's)
    QString voce = {};                // the caption in the menu; empty: on the toolbar only
    int pulsante = 0;                 // the toolbar button 1..22 it also is; 0: none
    QString suggerimento = {};        // that button's tool tip
    std::function<void()> gestore = {};   // what it does (nothing when empty)
    bool attivo = true;               // false: listed, greyed
    QKeySequence tasto = {};
    QString icona = {};               // another icon for the button than the Azioni window's
};

// A menu of the menu bar: its object name, caption and commands; a command named "-" is a
// separator line.
struct MenuComandi {
    const char* nome;
    QString testo;
    std::vector<Comando> comandi;
};

inline Comando separatore() { return Comando{"-"}; }

// Handlers that call a member of `w`: `const auto f = gestoridi(this);` then f(&C::salva_Click).
template <class W> auto gestoridi(W* w)
{
    return [w](void (W::*g)()) { return std::function<void()>([w, g] { (w->*g)(); }); };
}

// The File menu of the windows with the toolbar: the archive's four commands (buttons 1..4),
// what the window adds, its print (button 5), the exit (button 22).
struct ComandiFile {
    std::function<void()> apri, salva, salvanome, elimina;
    Comando stampa;
    Comando esci;
    QString voceelimina = QStringLiteral("E&limina...");
    std::vector<Comando> altri = {};
};
MenuComandi menufile(const ComandiFile& c);

// The menus, then the 22-button toolbar "Toolbar1" of `finestra` from `menu` and from
// `barra` (the buttons no menu lists). A button with no command is a separator that keeps
// its index. pulsanti[k] is button k's action (null for a separator); the button itself is
// named "Toolbar1_k". Returns the toolbar.
QToolBar* costruiscicomandi(QMainWindow* finestra, const std::vector<MenuComandi>& menu,
                            const std::vector<Comando>& barra, PulsantiBarra& pulsanti);

// The window's own item of its Visualizza menu (action `nome`), ticked and staying ticked.
void spunta(QMainWindow* finestra, const char* nome);

// "Annulla" (Ctrl+Z) and "Ripeti" (Ctrl+Y, Ctrl+Shift+Z) of document `d` for `finestra`,
// captioned with the step they take back or do again and greyed when there is none. The text
// boxes of the window offer them in their own menus in place of their own undo.
std::pair<QAction*, QAction*> azionistoria(QWidget* finestra, DocumentoArchiviato& d);
// The same at the top of the window's menu `menu`, above a separator.
void vocistoria(QMainWindow* finestra, const char* menu, DocumentoArchiviato& d);
