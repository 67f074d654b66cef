#pragma once
#include "shared/messaggio.h"
#include "shell/arredo.h"
#include "shell/clsresize.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class Finestre;
class ModuloVelno;
class QToolBar;

// What every working window of Velno has: the navigator and the program state it works with,
// its controls kept in proportion, its messages; with a toolbar, the 22 buttons' actions.
// `Q` is the Qt class the window is (QMainWindow, or QWidget for the windows without menus).
template <class Q> class FinestraVelno : public Q {
public:
    // Button k (1..22) of the toolbar, as a click on it.
    void Toolbar1_ButtonClick(int indice);
    // The colour dialog for the window's background.
    void colorare_Click();
    // The window's "AIUTO" box.
    void aiuto_Click();
    // What these handlers do in every window that has them (a window whose button of the
    // same name does something else has a handler of its own).
    void Command1_Click();   // the help contents
    void guida_Click();
    void fin1_Click();       // the Azioni window
    void cmdazioni_Click();
    void Command5_Click();
    void fin2_Click();       // the card, from the first holding
    void fin5_Click();       // the charts
    // The archive's commands are the Azioni window's (the balance has its own archive).
    void apri_Click();
    void salva_Click();
    void salvanome_Click();
    void eliminare_click();
    void cmdesci_Click();    // leaving Velno, once confirmed
    void esci_Click();
    void uscita_Click();
    void informazioni_Click();   // about Velno
    void inform_Click();
    void image1_click();     // the ranking of the last two dated columns

    QToolBar* Toolbar1 = nullptr;
    PulsantiBarra pulsante{};

protected:
    FinestraVelno(Finestre& finestre, const char* nome, const QString& titolo);
    ~FinestraVelno() override;

    // The window sized as every Velno window is first, then to its design size (in pixels),
    // never smaller.
    void adatta(QSize progetto);
    // The central area of a main window at its design size, where the controls are placed.
    QWidget* area(QSize progetto);
    virtual void mostra(const Messaggio& m);
    // A message with the program's check title.
    Messaggio avviso(const QString& testo, Icona icona) const;
    // The "AIUTO" box: the window's lines of advice, one under the other.
    void mostraaiuto(const QString& titolo = QStringLiteral("Velno: aiuto"));

    Finestre& m_finestre;
    ModuloVelno& m_modulo;
    std::unique_ptr<clsResize> m_resize;
    QWidget* m_area = nullptr;
};

extern template class FinestraVelno<QMainWindow>;
extern template class FinestraVelno<QWidget>;
