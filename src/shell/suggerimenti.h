#pragma once
#include <QString>
#include <QStringList>

// The tips of the day: one per line of a plain text file, shown one at a time and paged
// both ways. Forward from the last comes back to the first; back from the first stays.
class Suggerimenti {
public:
    static const QString nomefile;   // "SuggerimentiVelno.TXT"
    // What the tip window says when the file is missing.
    static QString testomancante();

    // Appends every line of `file` (empty lines included) and moves to the next tip.
    // False, with nothing changed, when the name is empty or no such file can be read.
    bool LoadTips(const QString& file);
    void successivo();
    void precedente();

    int corrente() const { return m_corrente; }   // 1-based; 0 before the first is shown
    int quanti() const { return int(m_suggerimenti.size()); }
    // The current tip; empty when there is none.
    QString testo() const;

private:
    QStringList m_suggerimenti;
    int m_corrente = 0;
};
