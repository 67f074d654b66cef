#pragma once
#include "shell/clsresize.h"
#include "shell/guide.h"

#include <QWidget>

class QLabel;
class QPushButton;
class Finestre;

// What every help window does: a title, a fixed text, and the buttons to close it, print
// it and go back to the contents. Each page is a class of its own below.
class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    FinestraGuida(Finestre& finestre, const char* nome);

    QLabel* Label1 = nullptr;   // title
    QLabel* Label2 = nullptr;   // text
    // The text as written: paragraphs separated by a blank line (the label shows them
    // with a narrower gap, so that the longest pages fit their window).
    const QString& testo() const { return m_testo; }
    QPushButton* cmdChiudi = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdSommario = nullptr;

public slots:
    void cmdchiudi_Click();
    void cmdSommario_Click();
    void cmdstampa_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Finestre& m_finestre;
    clsResize m_resize;
    QString m_testo;
};

class manuale : public FinestraGuida {
    Q_OBJECT
public:
    explicit manuale(Finestre& finestre) : FinestraGuida(finestre, "manuale") {}
};
class guidafunzionamento : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidafunzionamento(Finestre& finestre) : FinestraGuida(finestre, "guidafunzionamento") {}
};
class guidaarchivio : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidaarchivio(Finestre& finestre) : FinestraGuida(finestre, "guidaarchivio") {}
};
class guidaAZIONI : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidaAZIONI(Finestre& finestre) : FinestraGuida(finestre, "guidaAZIONI") {}
};
class guidasaldo : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidasaldo(Finestre& finestre) : FinestraGuida(finestre, "guidasaldo") {}
};
class guidaquotazioni : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidaquotazioni(Finestre& finestre) : FinestraGuida(finestre, "guidaquotazioni") {}
};
class guidasingola : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidasingola(Finestre& finestre) : FinestraGuida(finestre, "guidasingola") {}
};
class guidagraduatoria : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidagraduatoria(Finestre& finestre) : FinestraGuida(finestre, "guidagraduatoria") {}
};
class guidabilancio : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidabilancio(Finestre& finestre) : FinestraGuida(finestre, "guidabilancio") {}
};
class guidAMENSILE : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidAMENSILE(Finestre& finestre) : FinestraGuida(finestre, "guidAMENSILE") {}
};
class guidagrafici : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidagrafici(Finestre& finestre) : FinestraGuida(finestre, "guidagrafici") {}
};
class guidapiano : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidapiano(Finestre& finestre) : FinestraGuida(finestre, "guidapiano") {}
};
class guidaeuro : public FinestraGuida {
    Q_OBJECT
public:
    explicit guidaeuro(Finestre& finestre) : FinestraGuida(finestre, "guidaeuro") {}
};

// The help window of contents row `riga` (1..13, the order of pagineguida()): created
// unshown when it is not loaded, or shown and brought to the front.
FinestraGuida& finestraguida(Finestre& finestre, int riga);
FinestraGuida& mostraguida(Finestre& finestre, int riga);
