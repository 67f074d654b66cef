#pragma once
#include "shell/clsresize.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Finestre;

// The about window: the program's name, description, version and platform. "OK" hides it,
// so that it shows again at once.
class informa : public QWidget {
    Q_OBJECT
public:
    explicit informa(Finestre& finestre);

public slots:
    void cmdOK_Click();

private:
    // The controls: from outside the window they are found by their object names.
    QLabel *Image1 = nullptr, *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr;
    QPushButton* cmdOK = nullptr;

    clsResize m_resize;
};
