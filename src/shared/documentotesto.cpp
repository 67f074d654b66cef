#include "shared/documentotesto.h"
#include "shared/docx.h"

#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include "shared/scritturasicura.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QUrl>

#include <memory>

namespace {

// "Century Gothic" is not on a Debian desktop: URW Gothic is its look-alike.
void sostituzioni()
{
    static const bool fatto = [] {
        QFont::insertSubstitution(QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"));
        return true;
    }();
    Q_UNUSED(fatto);
}

Qt::Alignment allineamento(Documento::Allineamento a)
{
    switch (a) {
    case Documento::Allineamento::Centro: return Qt::AlignHCenter;
    case Documento::Allineamento::Destra: return Qt::AlignRight;
    case Documento::Allineamento::Giustificato: return Qt::AlignJustify;
    case Documento::Allineamento::Sinistra: break;
    }
    return Qt::AlignLeft;
}

// Characters in a row with no break after which the row may break: no word of a report is as
// long, but a pasted line of figures or a code may be. Laid out whole, such a row widens its
// table past the page, and Qt takes seconds over it (the time grows with its square).
constexpr int corsamassima = 60;
// A paragraph longer than this is printed as paragraphs about this long, broken at a blank:
// Qt takes minutes to lay out one of 200,000 characters across pages.
constexpr int paragrafomassimo = 10000;

// Types text at the cursor: CR (or CR LF, or LF) ends a paragraph; any other control character
// (a form feed, a tab stop, typed or read from a file) is a blank, never a page or line break.
void digita(QTextCursor& c, const QString& testo, const QTextCharFormat& f)
{
    QString t = testo;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(u'\n', u'\r');
    QString pezzo;
    auto svuota = [&] {
        if (!pezzo.isEmpty())
            c.insertText(pezzo, f);
        pezzo.clear();
    };
    auto acapo = [&] {
        svuota();
        QTextBlockFormat b = c.blockFormat();
        b.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        c.insertBlock(b, f);
    };
    int corsa = 0;       // characters since the last blank
    int paragrafo = 0;   // characters since the paragraph began
    for (QChar ch : t) {
        if (ch != u'\r' && (ch.unicode() < 0x20 || ch.unicode() == 0x7F))
            ch = u' ';
        corsa = ch.isSpace() || ch == QChar(0x200B) ? 0 : corsa + 1;
        paragrafo = ch == u'\r' ? 0 : paragrafo + 1;
        if (corsa > corsamassima) {
            corsa = 1;
            if (paragrafo > paragrafomassimo) {
                acapo();
                paragrafo = 1;
            } else {
                pezzo += QChar(0x200B);   // a break that shows nothing
            }
        } else if (paragrafo > paragrafomassimo && ch == u' ') {
            ch = u'\r';
        }
        if (ch == u'\r') {
            paragrafo = 0;
            acapo();
        } else {
            pezzo += ch;
        }
    }
    svuota();
}

QTextCursor allafine(QTextDocument* d)
{
    QTextCursor c(d);
    c.movePosition(QTextCursor::End);
    return c;
}

} // namespace

DocumentoTesto::DocumentoTesto()
{
    sostituzioni();
    m_carattere.setFontFamilies({QStringLiteral("Times New Roman")});
    m_carattere.setFontPointSize(12);
}

DocumentoTesto::~DocumentoTesto()
{
    if (m_proprio)
        delete m_documento.data();
}

void DocumentoTesto::visibile(bool si)
{
    m_visibile = si;
    if (si && m_documento && m_proprio && mostra)
        mostra(*this);
}

void DocumentoTesto::aggiungidocumento()
{
    if (m_proprio)
        delete m_documento.data();
    m_documento = new QTextDocument;
    m_proprio = true;
    m_documento->setDocumentMargin(0);
    // A report is typed once and only read afterwards: no undo history to keep.
    m_documento->setUndoRedoEnabled(false);
    // A word is never cut in two to fit a narrow column: the column grows instead.
    QTextOption opzioni = m_documento->defaultTextOption();
    opzioni.setWrapMode(QTextOption::WordWrap);
    m_documento->setDefaultTextOption(opzioni);
    QFont base(QStringLiteral("Times New Roman"));
    base.setPointSizeF(12);
    m_documento->setDefaultFont(base);
    m_tabelle.clear();
    m_dimensionitabelle.clear();
    if (m_visibile && mostra)
        mostra(*this);
}

QTextDocument* DocumentoTesto::cedi()
{
    m_proprio = false;
    return m_documento;
}

void DocumentoTesto::assicuradocumento()
{
    if (!m_documento)
        aggiungidocumento();
}

void DocumentoTesto::carattere(const QString& nome, double punti)
{
    m_carattere.setFontFamilies({nome});
    m_carattere.setFontPointSize(punti);
}

void DocumentoTesto::scrivi(const QString& testo)
{
    assicuradocumento();
    QTextCursor c = allafine(m_documento);
    digita(c, testo, m_carattere);
}

void DocumentoTesto::nuovapagina()
{
    assicuradocumento();
    QTextCursor c = allafine(m_documento);
    QTextBlockFormat b = c.blockFormat();
    b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.insertBlock(b, m_carattere);
}

namespace {
// On a table: how many of its last rows print together.
constexpr int righeinsieme = QTextFormat::UserProperty + 1;

QList<QTextTable*> tabelleinsieme(const QTextDocument* d)
{
    QList<QTextTable*> t;
    for (QTextFrame* f : d->rootFrame()->childFrames())
        if (auto* tab = qobject_cast<QTextTable*>(f); tab && tab->format().intProperty(righeinsieme) > 0)
            t << tab;
    return t;
}

QTextCursor iniziocella(QTextTable* t, int riga, int colonna = 0) { return t->cellAt(riga, colonna).firstCursorPosition(); }
} // namespace

void DocumentoTesto::tieniinsieme(int tabella, int righe)
{
    QTextTable* t = this->tabella(tabella);
    if (!t || righe < 2)
        return;
    QTextTableFormat f = t->format();
    f.setProperty(righeinsieme, righe);
    t->setFormat(f);
}

std::unique_ptr<QTextDocument> impaginastampa(const QTextDocument* d, QPaintDevice* dispositivo)
{
    // What print() lays out first is a copy at the width the document had on screen, in the
    // printer's pixels: a screen's 784 pixels are a finger's width at 1200 dpi, and a long
    // text in a table cell then wraps one letter a line, which took Qt minutes. The copy
    // printed has no width of its own until print() gives it the page's.
    auto senzalarghezza = [](const QTextDocument* origine) {
        std::unique_ptr<QTextDocument> c(origine->clone());
        c->setPageSize(QSizeF());
        return c;
    };
    if (!dispositivo || tabelleinsieme(d).isEmpty())
        return senzalarghezza(d);
    // Laid out as QTextDocument::print lays out a document without pages of its own: a
    // device without margins is given 2 mm, the text 2 cm more (given at 96 dpi, which the
    // layout scales to the device).
    if (auto* pagine = dynamic_cast<QPagedPaintDevice*>(dispositivo)) {
        const QMarginsF m = pagine->pageLayout().margins(QPageLayout::Millimeter);
        if (m.isNull())
            pagine->setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    }
    std::unique_ptr<QTextDocument> copia = senzalarghezza(d);
    copia->documentLayout()->setPaintDevice(dispositivo);
    const int margine = int((2 / 2.54) * 96);
    QTextFrameFormat cornice = copia->rootFrame()->frameFormat();
    cornice.setMargin(margine);
    copia->rootFrame()->setFrameFormat(cornice);
    const QSizeF pagina(dispositivo->width(), dispositivo->height());
    copia->setPageSize(pagina);
    const double scala = dispositivo->logicalDpiY() / 96.0;
    bool spostate = false;
    for (QTextTable* t : tabelleinsieme(copia.get())) {
        const int prima = std::max(1, t->rows() - t->format().intProperty(righeinsieme));
        QAbstractTextDocumentLayout* l = copia->documentLayout();
        const QRectF inizio = l->blockBoundingRect(iniziocella(t, prima).block());
        const QRectF fine = l->blockBoundingRect(iniziocella(t, t->rows() - 1).block());
        const int pagina1 = int(inizio.top() / pagina.height()), pagina2 = int(fine.top() / pagina.height());
        if (pagina1 == pagina2)
            continue;
        // An empty row before them, as tall as what is left of the page and a half line more
        // (it reads as the row above it grown to the page's foot): the rows kept together
        // start the next page.
        const double fondo = (pagina1 + 1) * pagina.height() - margine * scala;
        const double alto = fondo - inizio.top() - inizio.height() / 2;
        t->insertRows(prima, 1);
        for (int k = 0; k < t->columns(); ++k) {
            QTextTableCell cella = t->cellAt(prima, k);
            QTextTableCellFormat f = cella.format().toTableCellFormat();
            f.setBorder(0);
            f.setBorderStyle(QTextFrameFormat::BorderStyle_None);
            f.setBackground(Qt::NoBrush);
            f.setTopPadding(std::max(0.0, alto / scala));
            f.setBottomPadding(0);
            cella.setFormat(f);
        }
        spostate = true;
    }
    if (!spostate)
        return senzalarghezza(d);
    // Printed as the document would be: without pages or margins of its own, which print()
    // gives it again.
    std::unique_ptr<QTextDocument> stampa = senzalarghezza(copia.get());
    stampa->rootFrame()->setFrameFormat(d->rootFrame()->frameFormat());
    return stampa;
}

Documento::Intervallo DocumentoTesto::finedocumento()
{
    assicuradocumento();
    return Intervallo{m_documento->characterCount() - 1};
}

void DocumentoTesto::aggiungiparagrafo(Intervallo)
{
    assicuradocumento();
    QTextCursor c = allafine(m_documento);
    // The block that closes a table is not shown: a paragraph added after a table needs one
    // more, or a table added next would touch the first (a word processor shows one empty
    // line between them).
    if (const QTextBlock prima = c.block().previous(); prima.isValid() && QTextCursor(prima).currentTable())
        c.insertBlock(QTextBlockFormat(), m_carattere);
    c.insertBlock(QTextBlockFormat(), m_carattere);
}

int DocumentoTesto::aggiungitabella(Intervallo, int righe, int colonne)
{
    assicuradocumento();
    QTextCursor c = allafine(m_documento);
    QTextTableFormat f;
    f.setBorder(1);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    f.setBorderBrush(Qt::black);
    f.setCellPadding(2);
    f.setCellSpacing(0);
    f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable* t = c.insertTable(std::max(1, righe), std::max(1, colonne), f);
    // A table takes the font of the paragraph it is added at.
    QTextCursor tutta(m_documento);
    tutta.setPosition(t->firstPosition());
    tutta.setPosition(t->lastPosition(), QTextCursor::KeepAnchor);
    tutta.mergeCharFormat(m_carattere);
    for (int r = 0; r < t->rows(); ++r)
        for (int k = 0; k < t->columns(); ++k) {
            QTextTableCell cella = t->cellAt(r, k);
            QTextCharFormat cf = cella.format();
            cf.merge(m_carattere);
            cella.setFormat(cf);
        }
    m_tabelle.push_back(t);
    m_dimensionitabelle.push_back(m_carattere.fontPointSize());
    return int(m_tabelle.size());
}

QTextTable* DocumentoTesto::tabella(int n) const
{
    return n >= 1 && n <= int(m_tabelle.size()) ? m_tabelle[std::size_t(n - 1)] : nullptr;
}

void DocumentoTesto::dimensionetabella(int tabella, double punti)
{
    QTextTable* t = this->tabella(tabella);
    if (!t)
        return;
    m_dimensionitabelle[std::size_t(tabella - 1)] = punti;
    QTextCharFormat f;
    f.setFontPointSize(punti);
    for (int r = 0; r < t->rows(); ++r)
        for (int k = 0; k < t->columns(); ++k) {
            QTextTableCell cella = t->cellAt(r, k);
            QTextCursor c = selezionacella(cella);
            c.mergeCharFormat(f);
            c.mergeBlockCharFormat(f);
        }
}

void DocumentoTesto::testocella(int tabella, int riga, int colonna, const QString& testo)
{
    QTextTable* t = this->tabella(tabella);
    if (!t || riga < 1 || colonna < 1 || riga > t->rows() || colonna > t->columns())
        return;
    QTextTableCell cella = t->cellAt(riga - 1, colonna - 1);
    QTextCursor c = selezionacella(cella);
    c.removeSelectedText();
    QTextCharFormat f = m_carattere;
    f.setFontPointSize(m_dimensionitabelle[std::size_t(tabella - 1)]);
    digita(c, testo, f);
}

void DocumentoTesto::testointervallo(Intervallo, double punti, const QString& testo)
{
    assicuradocumento();
    QTextCursor c = allafine(m_documento);
    QTextCharFormat f = m_carattere;
    f.setFontPointSize(punti);
    digita(c, testo, f);
}

void DocumentoTesto::allineacolonna(int tabella, int colonna, Allineamento a)
{
    QTextTable* t = this->tabella(tabella);
    if (!t || colonna < 1 || colonna > t->columns())
        return;
    QTextBlockFormat b;
    b.setAlignment(allineamento(a));
    for (int r = 0; r < t->rows(); ++r) {
        QTextTableCell cella = t->cellAt(r, colonna - 1);
        QTextCursor c = selezionacella(cella);
        c.mergeBlockFormat(b);
    }
}

void DocumentoTesto::allineatutto(Allineamento a)
{
    assicuradocumento();
    QTextCursor c(m_documento);
    c.select(QTextCursor::Document);
    QTextBlockFormat b;
    b.setAlignment(allineamento(a));
    c.mergeBlockFormat(b);
}

void DocumentoTesto::immagine(const QString& percorso)
{
    assicuradocumento();
    const QImage img(percorso);
    if (img.isNull())
        return;
    const QUrl nome(QStringLiteral("velno-immagine-%1").arg(m_documento->characterCount()));
    m_documento->addResource(QTextDocument::ImageResource, nome, img);
    QTextImageFormat f;
    f.setName(nome.toString());
    f.setWidth(img.width());
    f.setHeight(img.height());
    QTextCursor c = allafine(m_documento);
    c.insertImage(f);
}

void DocumentoTesto::formatotabella(int tabella, int formato)
{
    QTextTable* t = this->tabella(tabella);
    if (!t)
        return;
    QTextTableFormat f = t->format();
    f.setBorder(formato == 0 ? 0 : 1);
    // Our format 9: a single thin rule around every cell (collapsed borders, so that two
    // cells share one line) under a shaded heading row.
    const bool filetti = formato == 9;
    if (filetti) {
        f.setBorderCollapse(true);
        f.setBorderBrush(Qt::black);
    }
    t->setFormat(f);
    if (formato == 0)
        return;
    if (filetti)
        for (int r = 0; r < t->rows(); ++r)
            for (int k = 0; k < t->columns(); ++k) {
                QTextTableCell cella = t->cellAt(r, k);
                QTextTableCellFormat cf = cella.format().toTableCellFormat();
                cf.setBorder(1);
                cf.setBorderBrush(Qt::black);
                cf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setLeftPadding(4);   // the text clear of the rules
                cf.setRightPadding(4);
                cella.setFormat(cf);
            }
    // A heading row in bold on a grey ground, as the automatic formats give.
    for (int k = 0; k < t->columns(); ++k) {
        QTextTableCell cella = t->cellAt(0, k);
        QTextCharFormat cf = cella.format();
        cf.setBackground(QColor(217, 217, 217));
        cella.setFormat(cf);
        QTextCursor c = selezionacella(cella);
        QTextCharFormat grassetto;
        grassetto.setFontWeight(QFont::Bold);
        c.mergeCharFormat(grassetto);
    }
}

bool DocumentoTesto::salva(const QString& file, QString* errore)
{
    assicuradocumento();
    const QString estensione = QFileInfo(file).suffix().toLower();
    if (estensione == u"pdf")
        return salvapdf(m_documento, file, errore);
    if (estensione == u"odt") {
        QTextDocumentWriter w(file, "odf");
        if (w.write(m_documento))
            return true;
        if (errore)
            *errore = QStringLiteral("scrittura non riuscita");   // Qt's reason would be in English
        return false;
    }
    return salvadocx(m_documento, file, errore);
}

QTextCursor selezionacella(const QTextTableCell& cella)
{
    QTextCursor c = cella.firstCursorPosition();
    c.setPosition(cella.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c;
}

bool salvapdf(QTextDocument* d, const QString& file, QString* errore)
{
    // Drawn in memory, then written whole: an existing PDF is replaced only by a complete one.
    QByteArray dati;
    {
        QBuffer b(&dati);
        b.open(QIODevice::WriteOnly);
        QPdfWriter w(&b);
        w.setPageSize(QPageSize(QPageSize::A4));
        // QTextDocument::print adds its own 2 cm margin to the page.
        w.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        w.setCreator(QStringLiteral("Velno"));
        impaginastampa(d, &w)->print(&w);
    }
    return scrivisicuro(file, dati, errore);
}
