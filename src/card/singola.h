#pragma once
#include "documenti/documentoazioni.h"
#include "shell/finestravelno.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class CasellaTesto;
class Immagine;
struct Portfolio;

// The stock card: one holding at one quotation date, read from the Portfolio each time it
// is drawn. Only the notes, the ex-dividend date and the last dividend are editable, and
// they are written straight into the Portfolio's tables.
class singola : public FinestraVelno<QMainWindow> {
    Q_OBJECT
public:
    explicit singola(Finestre& finestre);
    ~singola() override;

    int saltascroll = 0;
    // The holding and quotation column the card shows.
    int titoloscheda = 1, colonnascheda = 1;
    int quotazionemancante = 0;

    // Fills every figure for the card state's holding and column.
    void riempischeda();
    // Moves the card's column to the first one dated on or after the purchase.
    void primaquotazione();
    // Shows holding n: VScroll1 to n and its fill, even when it already was at n.
    void portatitolo(int n);
    // After an archive was opened: the first holding again, or an empty card.
    void ridisegna();
    // Nothing shown: no figure, no notes; the three boxes take no typing.
    void svuota();
    // The holding and column on screen read again from the tables, which other windows may
    // have sorted or shortened meanwhile; a holding no longer there gives way to the last.
    void rileggi();
    // From a menu or toolbar: the first holding at its first column, or an empty card.
    void apridainizio();

public slots:
    void VScroll1_Change();
    void HScroll1_Change();
    void Text1_Change();
    void stac_Change();
    void divid_Change();
    void cancelladati_Click();
    void controllodati_Click();
    void hardcopy_Click();
    void usci_Click();
    void fin2_Click();
    void fin4_Click();
    void sugg_Click();
    void fin_Click();

protected:
    void changeEvent(QEvent* e) override;

private:
    // The controls: from outside the window they are found by their object names.
    QScrollBar* VScroll1 = nullptr;   // the holding shown
    QScrollBar* HScroll1 = nullptr;   // the quotation column shown
    QLabel* Label1 = nullptr;         // "n. 3"
    // lbl[1] the holding's name; lbl[2..9] the captions beside the figures.
    std::array<QLabel*, 10> lbl{};
    QLabel *datacq = nullptr, *quant = nullptr, *prez = nullptr, *lbl2 = nullptr, *agg = nullptr, *valin = nullptr,
           *tot = nullptr, *corr = nullptr, *guad = nullptr, *migliore = nullptr, *mdata = nullptr,
           *peggiore = nullptr, *pdata = nullptr, *moneta = nullptr, *attenz = nullptr, *perquot = nullptr;
    CasellaTesto* text1 = nullptr;
    QLineEdit *stac = nullptr, *divid = nullptr;
    Immagine* Image1 = nullptr;
    QPushButton *esci = nullptr;

    void costruiscicontrolli();
    void costruiscimenu();
    // Hides attenz; with no holdings tells so, empties the card and sets saltascroll.
    void controllovuoto();
    void colori(bool perdita);
    // A message box, once the scroll bars let go of the mouse.
    void mostra(const Messaggio& m) override;
    const Portfolio& p() const;
    // A field of the card typed: into the holding on screen, unless the boxes are filling.
    void campo_Change(DocumentoAzioni::Campo campo, const QString& testo);

    bool m_riempimento = false;   // the boxes are being filled from the tables
    // The holding on screen: the three fields write into it, whatever the card state says
    // after a row button was refused. 0 when the card shows none.
    int m_titolo = 0;
    int m_identita = 0;   // who the holding on the card is, wherever a sort moves it
    // After a sort or a deletion: the card's holding where it went.
    void segui();
};
