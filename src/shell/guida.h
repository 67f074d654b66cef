#pragma once
#include "shell/clsresize.h"
#include "shell/guide.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Finestre;

// A help window: a title, a fixed text, and the buttons to close it, print it and go back
// to the contents. One class for every page, made for the page named `nome`.
class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    FinestraGuida(Finestre& finestre, const char* nome);

    // The text as written: paragraphs separated by a blank line (the label shows them
    // with a narrower gap, so that the longest pages fit their window).
    const QString& testo() const { return m_testo; }

public slots:
    void cmdchiudi_Click();
    void cmdSommario_Click();
    void cmdstampa_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // The controls: from outside the window they are found by their object names.
    QLabel* Label1 = nullptr;   // title
    QLabel* Label2 = nullptr;   // text
    QPushButton* cmdChiudi = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdSommario = nullptr;
    Finestre& m_finestre;
    clsResize m_resize;
    QString m_testo;
};
