#pragma once
#include "shell/finestravelno.h"

#include <array>

class CasellaTesto;
class QLabel;
class QPushButton;

// The strategic plan: thirteen notes (the whole year and each month) kept in the Portfolio,
// written through at every keystroke, and their print.
class piano : public FinestraVelno<QWidget> {
    Q_OBJECT
public:
    explicit piano(Finestre& finestre);
    ~piano() override;

    // The boxes reloaded from the Portfolio's notes.
    void riempi();

public slots:
    void Text1_Change(int indice);
    void stampa_Click();
    void indietro_Click();

private:
    // The controls: from outside the window they are found by their object names.
    std::array<CasellaTesto*, 13> Text1{};
    std::array<QLabel*, 13> label2{};
    QLabel* passo = nullptr;

    void costruiscicontrolli();

    bool m_scrivendo = false;
};
