#pragma once
#include <QString>

class QTextDocument;

// A word-processor file (.docx, Office Open XML) of a document: its paragraphs with fonts,
// sizes, bold and alignment, its tables and page breaks, and "URW Gothic" named as the
// stand-in for "Century Gothic".
bool salvadocx(const QTextDocument* d, const QString& file, QString* errore);

// The document part (word/document.xml) alone.
QByteArray documentoxml(const QTextDocument* d);
