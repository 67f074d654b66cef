#pragma once
#include <QString>

// The report channel: the operations every printed report uses, in the order it uses them.
// Tables and cells are numbered from 1; a carriage return in typed text ends a paragraph. Other
// control characters in a text (a form feed or a tab stop from a file) print as a blank: only
// nuovapagina() starts a page.
class Documento {
public:
    enum class Allineamento { Sinistra = 0, Centro = 1, Destra = 2, Giustificato = 3 };
    // A place in the document; every report asks only for the end of it.
    struct Intervallo {
        int posizione = -1;
    };

    virtual ~Documento() = default;

    virtual void avvia() = 0;                                     // 1 create the application
    virtual void visibile(bool si) = 0;                           // 2 make it visible
    virtual void aggiungidocumento() = 0;                         // 3 add a document, now current
    virtual void carattere(const QString& nome, double punti) = 0; // 4 font of the insertion point
    virtual void scrivi(const QString& testo) = 0;                // 5 type at the insertion point
    virtual Intervallo finedocumento() = 0;                       // 6 the "\endofdoc" range
    virtual void aggiungiparagrafo(Intervallo i) = 0;             // 7
    virtual int aggiungitabella(Intervallo i, int righe, int colonne) = 0; // 8 -> table number
    virtual void dimensionetabella(int tabella, double punti) = 0; // 9
    virtual void testocella(int tabella, int riga, int colonna, const QString& testo) = 0; // 10
    virtual void testointervallo(Intervallo i, double punti, const QString& testo) = 0;   // 11
    virtual void allineacolonna(int tabella, int colonna, Allineamento a) = 0;           // 12
    virtual void allineatutto(Allineamento a) = 0;                // 12, the whole document
    virtual void immagine(const QString& percorso) = 0;           // 13 inline picture
    virtual void formatotabella(int tabella, int formato) = 0;    // 14 automatic table format
    virtual bool salva(const QString& file, QString* errore) = 0; // 15
    virtual void nuovapagina() = 0;                               // what follows on a new page
    // The last `righe` rows of a table print on one page: its totals never stand alone.
    virtual void tieniinsieme(int tabella, int righe) = 0;
};

// Every report starts so: a new document on screen, `titolo` in 20-point Century Gothic on a
// line of its own, then `sottotitolo` in 16-point, typed as given (with its own line ends).
inline void iniziostampa(Documento& d, const QString& titolo, const QString& sottotitolo)
{
    const QString gotico = QStringLiteral("Century Gothic");
    d.avvia();
    d.visibile(true);
    d.aggiungidocumento();
    d.carattere(gotico, 20);
    d.scrivi(titolo + u'\r');
    d.carattere(gotico, 16);
    d.scrivi(sottotitolo);
}

// What a report of a window's figures starts with: the program's name and description, the
// report's title in 12-point, then an empty table of `righe` x `colonne` in `punti`-point.
inline int iniziotabella(Documento& d, const QString& programma, const QString& descrizione, const QString& titolo,
                         int righe, int colonne, int punti)
{
    iniziostampa(d, programma.toUpper(), u'(' + descrizione + QStringLiteral(")\r\r"));
    d.carattere(QStringLiteral("Century Gothic"), 12);
    d.scrivi(titolo);
    d.aggiungiparagrafo(d.finedocumento());
    const int t = d.aggiungitabella(d.finedocumento(), righe, colonne);
    d.dimensionetabella(t, punti);
    return t;
}
