#pragma once
#include "shell/casellatesto.h"
#include "documenti/documentoazioni.h"
#include "shell/finestravelno.h"

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class Immagine;
struct Portfolio;
class DocumentoAzioni;
template <class D> class Archiviazione;

// The Azioni window: the Portfolio's editor, a grid of 10 holdings by 5 quotation columns
// that writes every keystroke into the tables and redraws from them when scrolled.
class frmAzioni : public FinestraVelno<QMainWindow> {
    Q_OBJECT
public:
    explicit frmAzioni(Finestre& finestre);
    ~frmAzioni() override;

    // Window state
    int primotitolo = 1, primacolonna = 1;
    int ultimosaldo = 0;   // the column of the last saldo asked (1..5)

    // Redraws
    void aggiornatitoli();
    void aggiornaquotazioni();
    void nascondimarcatori();
    // The whole-Portfolio check, its message shown when it fails; true when it passed.
    bool controlloinput();
    // Clears the totals and scroll bars after everything was deleted.
    void azzeravisualizzazione();

public slots:
    void nome_Change(int i);
    void na_Change(int i);
    void prezzo_Change(int i);
    void dataacquisto_Change(int i);
    void valore_Change(int K, int i);
    void giorno_Change(int j);
    void saldo_Click(int K);
    void ordinamentoazioni_click();
    void apri_Click();
    void salva_Click();
    void salvanome_Click();
    void eliminare_click();
    void solodati_Click();
    void ordinamentoquotazioni_click();
    void VScroll1_Change();
    void HScroll1_Change();
    void prima_Click();
    void dopo_click();
    void sinistra_click();
    void destra_click();
    void cmdazione_Click(int i);
    void contr_Click();
    void avanti_Click();
    void canc_Click();
    void suggerimenti_Click();
    void finestra_Click();
    void fin1_Click();
    void fin3_Click();
    void fin4_Click();
    void Image1_Click();
    void Image2_Click();
    void Image4_Click();
    // Quotations brought in at once: a CSV file of a day's prices, a pasted column or row.
    void importa_Click();
    bool incollaquotazioni_Grid(int K, int i, const QString& testo);
    bool incolladate_Grid(int j, const QString& testo);

signals:
    // A passed check asked for the charts window.
    void aprigrafici();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // The controls: from outside the window they are found by their object names.
    std::array<QPushButton*, 11> cmdazione{};
    std::array<QComboBox*, 11> nome{};
    std::array<QLineEdit*, 11> na{}, prezzo{}, dataacquisto{};
    std::array<QLineEdit*, 6> giorno{};
    // valore[K][i]: visible column K = 1..5, row i = 1..10 (valore1 .. valore5).
    std::array<std::array<QLineEdit*, 11>, 6> valore{};
    std::array<QPushButton*, 6> saldo{};
    std::array<QLabel*, 6> guadagno{};
    QLabel *totaleiniziale = nullptr, *totaledatato = nullptr, *totalecorrente = nullptr, *totaleal = nullptr,
           *totinvestito = nullptr, *totale = nullptr, *Label2 = nullptr, *Label5 = nullptr;
    QScrollBar *VScroll1 = nullptr, *HScroll1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    CasellaTesto* strategia = nullptr;
    Immagine* Image1 = nullptr;   // highlighted pictures (respond to clicks)
    Immagine *Image2 = nullptr, *Image4 = nullptr;
    Immagine* bil = nullptr;      // their idle forms
    Immagine *Image3 = nullptr, *Image5 = nullptr;

    void costruiscicontrolli();
    void calcolacosto();
    // A purchase field of row i typed: stored, then the totals.
    void acquisto_Change(DocumentoAzioni::Campo campo, int i, const QLineEdit* casella);
    // Redraws the grid from the tables: `righe` fills the holding boxes, then the quotations
    // and dates follow; the edits this raises are stored but computed once by the caller.
    void ridisegna(const std::function<void()>& righe);
    // The check, then the archive written (its name asked with `titolo` when it has none).
    bool scriviarchivio(const QString& titolo);
    Archiviazione<DocumentoAzioni> archivio();
    // The grid, its totals and the notes from the tables, as after an open.
    void mostratabelle();
    void costruiscimenu();
    void pictureover(QWidget* sopra);
    Portfolio& p();

    bool m_ridisegno = false;
    bool m_propria = false;   // this window's handler is changing the Portfolio: it redraws
    int m_saldoinsospeso = 0;   // the last quotation column whose box a redraw changed
    bool m_mostrata = false;
};
