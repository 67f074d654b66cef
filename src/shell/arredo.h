#pragma once
#include "shell/aspetto.h"

#include <QKeySequence>
#include <QRect>
#include <QString>
#include <qnamespace.h>
#include <array>
#include <functional>
#include <map>

class QAction;
class QIcon;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;
class Finestre;

// The furniture shared by the Azioni, card, charts and balance windows: the 22-button
// toolbar, the menus, the window-number item at the right of the menu bar, the background
// colour. Each window passes its own texts and handlers.

// The 22 toolbar buttons' actions, element 0 unused; a separator that keeps its index (the
// card's 10 and 15) is null.
using PulsantiBarra = std::array<QAction*, 23>;

// The icon of toolbar button k (1..22) as the Azioni window uses it.
QIcon iconabarra(int k);

// The central area of a main window at its design size (in pixels), in the windows' font:
// the controls are placed on it at their design positions.
QWidget* areacentrale(QMainWindow* finestra, int larghezza, int altezza);

// A label of a window's area at `r`, in design pixels.
QLabel* etichetta(QWidget* area, const QString& nomeoggetto, const QString& testo, QRect r,
                  Qt::Alignment allinea = Qt::AlignLeft | Qt::AlignVCenter);
// A figure of a window: a sunken panel, not a white box, since nothing is typed in it.
QLabel* riquadro(QWidget* area, const QString& nomeoggetto, QRect r,
                 Qt::Alignment allinea = Qt::AlignRight | Qt::AlignVCenter);

// A button of a window's area at `r`, with its tool tip (none when empty); `clic` is what a
// click does.
QPushButton* bottone(QWidget* area, const QString& nomeoggetto, const QString& testo, QRect r,
                     const QString& suggerimento = {}, std::function<void()> clic = {});
// A scroll bar of a window's area over `minimo`..`massimo`, by steps of 1 and pages of
// `pagina`; `cambio` follows every new value.
QScrollBar* barra(QWidget* area, const QString& nomeoggetto, Qt::Orientation verso, int minimo, int massimo,
                  int pagina, QRect r, std::function<void()> cambio);
// An editable list of names of a window's area: what is typed stays as typed (nothing is
// completed or added to the list), twenty names show at a time.
QComboBox* elenco(QWidget* area, const QString& nomeoggetto, QRect r);
// A single-line box of a window's area; `cambio` follows every change of its text.
QLineEdit* casella(QWidget* area, const QString& nomeoggetto, QRect r, std::function<void()> cambio = {});

// A menu of the window's menu bar; the menu and its action get the object name.
QMenu* aggiungimenu(QMainWindow* finestra, const char* nomeoggetto, const QString& testo);
// The window-number item ("Fi&nestra n.2 di 7") at the right end of the menu bar.
QAction* voceangolo(QMainWindow* finestra, const char* nomeoggetto, const QString& testo,
                    std::function<void()> gestore);

// The menu (and window) shortcuts of `finestra` work from every control of it: a text box no longer
// takes Ctrl+A, Ctrl+C and the like for itself when the menu defines them (its context
// menu still copies and selects).
void scorciatoiedimenu(QWidget* finestra);

// The item of a text box's own menu that does `tasto` (QKeySequence::Undo, Redo or Paste):
// Qt names those of a multi-line box ("edit-paste"), not those of a single-line one, found by
// their place instead. Null when there is none (a read-only box).
QAction* vocedimenu(QMenu* menu, QKeySequence::StandardKey tasto);

// In the menu of text box `casella`, the window's "annulla" and "ripeti" (the document's
// history) in place of the box's own undo and redo; the menu as it is when it has none.
void storianelmenu(QMenu* menu, QWidget* casella);

// Every single-line box of `finestra` (combo boxes' included) shows the beginning of its
// text when it is filled by the program or loses the focus, not the tail of a long name.
void mostrainizio(QWidget* finestra);

// The colour dialog for a window's background, starting from the colour last chosen
// (or the area's own). The colour is kept in the shared module and applied to `area`.
// Cancelling changes nothing.
void coloredisfondo(Finestre& finestre, QWidget* finestra, QWidget* area);
