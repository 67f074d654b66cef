#pragma once
#include "shell/clsresize.h"
#include "shell/suono.h"

#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class Finestre;

// The start-up window: the program's name and version over the opening tune. A click opens
// the Azioni window, a key leaves. After the exit confirmation it shows again as the
// closing screen.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(Finestre& finestre);
    ~frmSplash() override;


public slots:
    void Form_Click();
    // Shown again as the closing screen: its caption says so and the tune plays.
    void chiusura();
    void label_click(int indice);
    void image1_click();
    void Form_KeyPress();

signals:
    // The first frame is on screen.
    void dipinta();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::unique_ptr<ControlloMidi> MMControl1;   // the opening tune
    // The controls: from outside the window they are found by their object names.
    std::array<QLabel*, 9> label{};   // items 2..8 (item 1 unused)
    QLabel* Image1 = nullptr;
    QFrame* Shape1 = nullptr;
    Finestre& m_finestre;
    clsResize m_resize;
    bool m_dipinta = false;
    bool m_chiusa = false;
};
