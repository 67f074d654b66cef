#pragma once
#include "shell/clsresize.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class Finestre;
struct Messaggio;

// The help contents: one row per help page and one for the tip of the day, each a "--->"
// button and a title that opens its window. "&Chiudi" hides the window, which keeps its
// state; "&Stampa" prints the whole guide and saves it in the user's folder.
class sommario : public QWidget {
    Q_OBJECT
public:
    explicit sommario(Finestre& finestre);

    static constexpr int righe = 14;

public slots:
    void puls_Click(int indice);
    void lbl_Mousedown(int indice);
    void lbl_MouseUp(int indice);
    void lbl_MouseMove(int indice);
    void form_MouseMove();
    void cmdchiudi_Click();
    void cmdstampa_Click();
    void uscita_Click();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // The controls: from outside the window they are found by their object names.
    std::array<QPushButton*, righe + 1> puls{};   // 1-based
    std::array<QLabel*, righe + 1> lbl{};
    QPushButton* cmdchiudi = nullptr;
    QPushButton* cmdstampa = nullptr;
    QPushButton* uscita = nullptr;
    void apririga(int indice);
    void mostra(const Messaggio& m);
    Finestre& m_finestre;
    clsResize m_resize;
};
