#pragma once
#include <QWidget>
#include <array>

class QComboBox;
class QPushButton;
class QRadioButton;
class Finestre;

// The delete-data dialog: everything, one holding, or one quotation date.
class cancella : public QWidget {
    Q_OBJECT
public:
    explicit cancella(Finestre& finestre);

    int scelta = 0;                           // the option pending, 0 when none

public slots:
    void Option1_Click(int indice);
    void avanti_Click();
    void cmdannulla_Click();

private:
    // The controls: from outside the window they are found by their object names.
    std::array<QRadioButton*, 4> Option1{};   // 1..3
    QComboBox* Combo1 = nullptr;              // holding names
    QComboBox* Combo2 = nullptr;              // quotation dates
    QPushButton *avanti = nullptr, *cmdannulla = nullptr;

    Finestre& m_finestre;
};
