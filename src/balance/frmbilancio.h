#pragma once
#include "shell/finestravelno.h"

#include <QLabel>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class Immagine;
struct SalesBalance;
class DocumentoBilancio;
template <class D> class Archiviazione;

// A label that answers a click (the line numbers of the balance).
class EtichettaClic : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clic();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

// The annual balance of shares sold: ten lines over up to 100 sales, each picked from the
// holdings of the Portfolio, with the sale typed beside it; cost, gain and percentage per
// sale and for the year, in lire or in euro; the "Velno-bilancio-" archive and the yearly
// totals file.
class bilancio : public FinestraVelno<QMainWindow> {
    Q_OBJECT
public:
    explicit bilancio(Finestre& finestre);
    ~bilancio() override;

    // The lists of the ten stock boxes: the names of the holdings, in holding order. What
    // the boxes show stays.
    void caricanomi(const QStringList& nomi);
    // The first page of sales shown again (when the balance has any).
    void primapagina();
    // True while the balance is shown in euro.
    bool ineuro() const;

public slots:
    void nomea_Click(int i);
    void nomea_Change(int i);
    void datavendita_Change(int i);
    void datavendita_LostFocus(int i);
    void na_LostFocus(int i);
    void prezzo_LostFocus(int i);
    void na_Change(int i);
    void prezzo_Change(int i);
    void numero_Click(int i);
    void VScroll1_Change();
    void mens_Click();
    void cmdeuro_Click();
    void cmdlira_Click();
    void apri_Click();
    void salva_Click();
    void salvanome_Click();
    void eliminare_click();
    void solodati_Click();
    void cancelladati_Click();
    void fin_Click();
    void fin3_Click();
    void fin4_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The controls: from outside the window they are found by their object names.
    std::array<EtichettaClic*, 11> numero{};
    std::array<QComboBox*, 11> nomea{};
    std::array<QLabel*, 11> dataacquisto{};
    std::array<QLineEdit*, 11> datavendita{};
    std::array<QLabel*, 11> nacq{};
    std::array<QLineEdit*, 11> na{};
    std::array<QLabel*, 11> prezzo0{};
    std::array<QLineEdit*, 11> prezzo{};
    std::array<QLabel*, 11> pagato{}, realizzato{}, percento{};
    QScrollBar* VScroll1 = nullptr;
    QLabel *anno = nullptr, *valori = nullptr, *totpagato = nullptr, *totguadagno = nullptr, *mediapercento = nullptr,
           *stato = nullptr;
    QPushButton *cmdeuro = nullptr, *cmdlira = nullptr;
    Immagine* image1 = nullptr;

    void costruiscicontrolli();
    void costruiscimenu();
    int riga(int i) const;
    SalesBalance& b();
    const SalesBalance& b() const;
    // Line i from its row, without raising the boxes' handlers.
    void riempilinea(int i);
    void mostrafigure(int i);
    // The totals of the year, the captions formatted.
    void ricalcolatotali();
    void scorri(int passo);
    // The figure typed in line i's box, checked once it is left.
    void controllacifra(QLineEdit* casella, bool quantita, int i);
    // The rows switched to euro or back, and shown from the first page.
    void valuta(bool euro);
    // The caption and the two buttons of the currency shown.
    void mostravaluta(bool euro);
    // The lines, the year and the totals of an empty balance.
    void mostravuoto();
    // The balance's year, on screen and in the document.
    void mostraanno(int anno);
    DocumentoBilancio& d();
    Archiviazione<DocumentoBilancio> archivio();
    // The check, then the archive written (its name asked with `titolo` when it has none).
    bool scrivibilancio(const QString& titolo);

    bool m_riempimento = false;
};
