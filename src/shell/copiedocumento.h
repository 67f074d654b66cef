#pragma once
#include <QString>
#include <functional>

class Dialoghi;
class Messaggi;
class QTextDocument;
class QUrl;
class QWidget;

// The copies a print's document window makes of its document, as the user asks for them.

// Where the copies for the word processor go: a folder of the user's own, removed when the
// program ends.
QString cartellacopie();

// The document saved in a file the user names in the save dialog, as PDF or .docx
// (`estensione`, added when the name lacks it, asking before it replaces another file).
// `titolo` heads the messages; a failure is told. False when nothing was saved.
bool salvadocumentocome(QTextDocument* d, Dialoghi& dialoghi, Messaggi& messaggi, QWidget* genitore,
                        const QString& titolo, const QString& filtro, const QString& estensione);

// The document handed to the desktop's word processor through `apriesterno`, as a .docx copy
// in cartellacopie(); the user is told when the copy cannot be made or nobody opened it.
void consegnaelaboratore(QTextDocument* d, Messaggi& messaggi, const QString& titolo,
                         const std::function<bool(const QUrl&)>& apriesterno);
