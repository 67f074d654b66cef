#pragma once
#include "shell/clsresize.h"
#include "shell/suggerimenti.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Finestre;

// The tip of the day, read from the shipped tips file. "&Chiudi" hides the window, which
// keeps its place among the tips for the next time.
class frmTip : public QWidget {
    Q_OBJECT
public:
    explicit frmTip(Finestre& finestre);

    bool LoadTips(const QString& file);
    void DisplayCurrentTip();

    const Suggerimenti& suggerimenti() const { return m_suggerimenti; }

public slots:
    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

private:
    // The controls: from outside the window they are found by their object names.
    QLabel *Picture1 = nullptr, *Label1 = nullptr, *lblTipText = nullptr;
    QPushButton *cmdNextTip = nullptr, *cmdprecedente = nullptr, *cmdOK = nullptr;

    Suggerimenti m_suggerimenti;
    clsResize m_resize;
};
