#pragma once
#include <QObject>
#include <QString>
#include <optional>

// What both documents are: tables that belong to an archive (or to none yet), may hold
// changes not yet saved, and announce what happens to them as a whole.
class DocumentoArchiviato : public QObject {
    Q_OBJECT
public:
    // The archive the document belongs to (empty: never saved nor opened).
    QString nomefile() const { return m_nomefile; }
    void impostanomefile(const QString& file) { m_nomefile = file; }
    // Whether something changed since the last open, save or clear.
    bool modificato() const { return m_modificato; }

signals:
    void sostituito();   // opened or brought back
    void svuotato();     // every row emptied
    void cambiato();     // after any change
    void salvato();      // the tables are what the archive holds

protected:
    // A change made: unsaved, and told.
    void cambio()
    {
        m_modificato = true;
        emit cambiato();
    }
    // The tables now belong to `file`; `salvato`: they are what it holds.
    void appartiene(const QString& file, bool salvato)
    {
        m_nomefile = file;
        m_modificato = !salvato;
    }
    // The whole document was replaced (after appartiene).
    void annunciasostituzione(bool salvato)
    {
        emit sostituito();
        emit cambiato();
        if (salvato)
            emit this->salvato();
    }
    // Written to `file`.
    void salvatoin(const QString& file)
    {
        appartiene(file, true);
        emit salvato();
    }

    // `letto`, when the file could be read, becomes `documento`, as what `file` holds.
    template <class D, class T> static bool apertura(D& documento, std::optional<T> letto, const QString& file)
    {
        if (letto)
            documento.sostituisci(std::move(*letto), file, true);
        return letto.has_value();
    }

private:
    QString m_nomefile;
    bool m_modificato = false;
};
