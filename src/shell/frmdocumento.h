#pragma once
#include <QMainWindow>
#include <functional>

class QTextDocument;
class QTextEdit;
class QUrl;
class Finestre;

// The document a print made, in Velno's own window: the user reads it, prints it, saves it
// as PDF or as a word-processor file, or opens it in the desktop's word processor.
class frmDocumento : public QMainWindow {
    Q_OBJECT
public:
    frmDocumento(Finestre& finestre, QTextDocument* documento);

    QTextDocument* documento() const { return m_documento; }

    // Hands a file to the desktop; QDesktopServices unless a test sets another.
    std::function<bool(const QUrl&)> apriesterno;

public slots:
    void stampa_Click();
    void anteprima_Click();
    void salvapdf_Click();
    void salvadocx_Click();
    void elaboratore_Click();

private:
    // The controls: from outside the window they are found by their object names.
    QTextEdit* testo = nullptr;
    QString titolomessaggi() const;
    Finestre& m_finestre;
    QTextDocument* m_documento;
};
