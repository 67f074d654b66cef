#pragma once
#include "shared/messaggio.h"
#include "shell/clsresize.h"

#include <QWidget>
#include <array>
#include <memory>

class CasellaTesto;
class QLabel;
class QPushButton;
class Finestre;
class ModuloVelno;

// The strategic plan: thirteen notes (the whole year and each month) kept in the Portfolio,
// written through at every keystroke, and their print.
class piano : public QWidget {
    Q_OBJECT
public:
    explicit piano(Finestre& finestre);
    ~piano() override;

    // Controls: arrays indexed 0..12 (0 is the whole year).
    std::array<CasellaTesto*, 13> Text1{};
    std::array<QLabel*, 13> label2{};
    QLabel* passo = nullptr;
    QPushButton* stampa = nullptr;
    QPushButton* indietro = nullptr;
    QPushButton* aiuto = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdesci = nullptr;

    // The boxes reloaded from the Portfolio's notes.
    void riempi();

public slots:
    void Text1_Change(int indice);
    void stampa_Click();
    void aiuto_Click();
    void indietro_Click();
    void Command1_Click();
    void cmdesci_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void costruiscicontrolli();
    void mostra(const Messaggio& m);

    Finestre& m_finestre;
    ModuloVelno& m_modulo;
    std::unique_ptr<clsResize> m_resize;
    bool m_scrivendo = false;
};
