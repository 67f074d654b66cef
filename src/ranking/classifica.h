#pragma once
#include "ranking/graduatoria.h"
#include "shell/finestravelno.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

// The ranking window: the holdings ranked by their percentage change between two quotation
// columns, 15 ranks at a time. It only reads the Portfolio.
class classifica : public FinestraVelno<QWidget> {
    Q_OBJECT
public:
    explicit classifica(Finestre& finestre);
    ~classifica() override;

    static constexpr int righe = 15;

    // Window state: the chosen columns, the factor and the ranking.
    Graduatoria stato;
    int mostrafinale = 0;

    // Opened from a picture: ranks the last two dated columns (the horizontal bar on the last
    // dated column). The caller refuses first when there is no holding.
    void posizionaultimacolonna();

public slots:
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void HScroll1_Change();
    void ordina();
    void stampa_Click();
    void Command2_Click();
    void Command3_Click();
    void image1_click();

private:
    // The controls: from outside the window they are found by their object names.
    QScrollBar* VScroll1 = nullptr;   // first rank shown
    QScrollBar* VScroll2 = nullptr;   // initial column
    QScrollBar* VScroll3 = nullptr;   // final column
    QScrollBar* HScroll1 = nullptr;   // a column against the one before it
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, righe + 1> numero{}, Label1{}, Label2{};
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr,
           *passo = nullptr;
    QPushButton *stampa = nullptr, *Command5 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command1 = nullptr,
                *aiuto = nullptr, *cmdesci = nullptr;
    QToolButton* Image1 = nullptr;

    void costruiscicontrolli();
    // A chooser moved: its hint, its step back into the allowed columns, or the ranking.
    void scegli(const SceltaColonna& s, QScrollBar* barra, QLabel* suggerimento);
    void mostra(const Messaggio& m) override;
    const Portfolio& p() const;
    // Sets a scroll bar's value and runs its handler once, even when the value stays.
    static void imposta(QScrollBar* barra, int valore, void (classifica::*gestore)(), classifica* w);
    // Ranks the Portfolio again after it changed under the ranking on screen.
    void segui();
    bool m_silenzio = false;   // a ranking redone by itself shows no message
};
