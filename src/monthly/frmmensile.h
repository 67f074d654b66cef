#pragma once
#include "monthly/mesi.h"
#include "shell/finestravelno.h"

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

// The monthly and multi-year balance, read-only: the sales of the balance year month by
// month, and the totals of every archived year from 1995, twelve years at a time with their
// running totals; in lire or in euro. Opened by the balance window.
class mensile : public FinestraVelno<QMainWindow> {
    Q_OBJECT
public:
    explicit mensile(Finestre& finestre);
    ~mensile() override;

    // Fills the window from the balance (already in lire, with rows): the monthly sums, the
    // balance's year, the totals files from the balance year down to 1995, in lire.
    void carica();

public slots:
    void VScroll1_Change();
    void lira_Click();
    void cmdeuro_Click();
    void cambiavaluta();
    void stampa_Click();
    void annuale_Click();

private:
    // The controls: from outside the window they are found by their object names.
    std::array<QLabel*, 13> lbl{};          // month lines 1..12
    std::array<QLabel*, 13> pagato{}, realizzato{}, percento{};
    QLabel *totpagato = nullptr, *totguadagno = nullptr, *mediapercento = nullptr, *anno = nullptr, *valori = nullptr;
    std::array<QLabel*, 13> ann{};          // year lines 1..12
    std::array<QLabel*, 13> pagatanno{}, guadagnanno{}, percentanno{};
    QLabel *totpagatanno = nullptr, *totguadagnanno = nullptr, *annipercento = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QPushButton *lira = nullptr, *cmdeuro = nullptr;
    QLabel* stato = nullptr;   // "sto caricando WORD" while the report is built

    void costruiscicontrolli();
    // The monthly sums and the years from the balance in memory; `file`: the years' files too.
    void aggiorna(bool file);
    void valuta(bool euro);
    double fattore() const;
    bool ineuro() const;
    SommeMensili m_somme;
    // This window's own currency: the balance window switches its rows independently.
    double m_fattore = 1.0;
};
