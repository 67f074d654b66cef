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

    // "per sistemi Linux a 64 bit ": the system this build runs on.
    static QString piattaforma();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click();

private:
    clsResize m_resize;
};
