#pragma once
#include <memory>
#include "shared/documento.h"

#include <QPointer>
#include <QTextDocument>
#include <QTextCursor>
#include <QTextFormat>
#include <QTextTable>
#include <functional>
#include <vector>


// The report channel over QTextDocument: the document Velno's own window shows, prints and
// saves as PDF, .docx or .odt.
class DocumentoTesto : public Documento {
public:
    DocumentoTesto();
    ~DocumentoTesto() override;

    void avvia() override {}
    void visibile(bool si) override;
    void aggiungidocumento() override;
    void carattere(const QString& nome, double punti) override;
    void scrivi(const QString& testo) override;
    Intervallo finedocumento() override;
    void aggiungiparagrafo(Intervallo i) override;
    int aggiungitabella(Intervallo i, int righe, int colonne) override;
    void dimensionetabella(int tabella, double punti) override;
    void testocella(int tabella, int riga, int colonna, const QString& testo) override;
    void testointervallo(Intervallo i, double punti, const QString& testo) override;
    void allineacolonna(int tabella, int colonna, Allineamento a) override;
    void allineatutto(Allineamento a) override;
    void immagine(const QString& percorso) override;
    void formatotabella(int tabella, int formato) override;
    bool salva(const QString& file, QString* errore) override;
    void nuovapagina() override;
    void tieniinsieme(int tabella, int righe) override;

    QTextDocument* documento() const { return m_documento; }
    QTextTable* tabella(int n) const;
    int tabelle() const { return int(m_tabelle.size()); }
    // Gives the current document away (to the window that shows it).
    QTextDocument* cedi();

    // Called with each new document once the channel is visible: the window that shows it.
    std::function<void(DocumentoTesto&)> mostra;

private:
    void assicuradocumento();
    QPointer<QTextDocument> m_documento;
    bool m_proprio = true;
    bool m_visibile = false;
    QTextCharFormat m_carattere;
    std::vector<QTextTable*> m_tabelle;
    std::vector<double> m_dimensionitabelle;
};

// A cursor selecting the whole content of a table cell.
QTextCursor selezionacella(const QTextTableCell& cella);

// PDF of a document, A4.
bool salvapdf(QTextDocument* d, const QString& file, QString* errore);

// The copy of `d` to print on `dispositivo` (a printer, a PDF): free of the width it has on
// screen, and with the rows each table keeps together (tieniinsieme) on one page.
class QPaintDevice;
std::unique_ptr<QTextDocument> impaginastampa(const QTextDocument* d, QPaintDevice* dispositivo);
