#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The comma-separated "Write"/"Input" convention of the old program's files: texts in
// double quotes (a quote inside doubled, as comma-separated files do), bare numbers with
// "." as decimal separator, an empty cell as nothing, records ended by CR LF.

// The longest text (a note, the strategy) an archive may hold and a box may take: 2,500,000
// characters, far beyond what anybody types, within what a box shows in a fraction of a second.
constexpr qsizetype testomassimo = 2'500'000;

class ScrittoreCampi {
public:
    void testo(const QString& t);        // a quoted text
    void numero(double n);               // a bare number, ".5" for a half as the old Write did
    void numero(const QString& cifre);   // a number text ("14500", "7.489") bare, every digit kept
    void vuoto();                        // a never-typed cell: nothing between the commas
    void fineriga();                     // CR LF
    const QString& risultato() const { return m_testo; }

private:
    void separa();
    QString m_testo;
    bool m_iniziorecord = true;
};

struct Campo {
    QString testo;          // the text without quotes; an unquoted field trimmed of blanks
    bool virgolette = false;
    bool finerecord = false; // ended by a line end (or the end of the data), not by a comma
    int riga = 1;            // the line of the file where the field starts
};

class LettoreCampi {
public:
    explicit LettoreCampi(QString testo) : m_t(std::move(testo)) {}
    // The next field, or nothing when the data are over.
    std::optional<Campo> leggi();
    // The next field of an archive, which must close its record when `ultimo` (and must not
    // otherwise) and hold no more than `testomassimo` characters; nothing, with the reason
    // in `errore`, when it is missing or is not so.
    std::optional<Campo> leggi(bool ultimo, QString* errore);
    bool finito();

private:
    void saltaspazi();
    int rigaa(qsizetype posizione);
    QString m_t;
    qsizetype m_i = 0;
    qsizetype m_contata = 0;   // line ends are counted up to here
    int m_riga = 1;
};

// How an archive's reader refuses a file: the reason in `errore` (when asked), no result.
template <class T> std::optional<T> rifiutato(QString* errore, const QString& perche)
{
    if (errore)
        *errore = perche;
    return std::nullopt;
}
// Why a file's text is no archive at all (it holds a NUL), or nothing.
std::optional<QString> nontesto(const QString& testo);

// Windows-1252, as the old program wrote its files, whenever every character fits;
// otherwise UTF-8 with its byte-order mark, so that nothing typed is lost.
QByteArray codificaarchivio(const QString& testo);
// Either of the two above: UTF-8 when marked or valid as UTF-8, Windows-1252 otherwise.
QString decodificaarchivio(const QByteArray& dati);
// The decoded text of a file no larger than `massimo` bytes; nothing when it cannot be opened
// (`errore` then says why) or is larger (`errore` is then `troppogrande`).
std::optional<QString> leggifilearchivio(const QString& file, qint64 massimo, const QString& troppogrande, QString* errore);
