#include "shared/docx.h"
#include "shared/documentotesto.h"

#include "shared/scritturasicura.h"

#include <QBuffer>
#include <QImage>
#include <QUrl>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <numeric>
#include <algorithm>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamWriter>
#include <zip.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

const char* const W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const char* const WP = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
const char* const A = "http://schemas.openxmlformats.org/drawingml/2006/main";
const char* const PIC = "http://schemas.openxmlformats.org/drawingml/2006/picture";
const char* const R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// What the document part refers to outside itself: its pictures, as PNG files in word/media.
struct Contesto {
    const QTextDocument* documento = nullptr;
    std::vector<QByteArray> immagini;
};

// An inline picture: the image resource as PNG, referred to as rIdN (N from 100: the fixed
// relationships use small numbers).
void immagine(QXmlStreamWriter& x, const QTextImageFormat& f, Contesto& ctx)
{
    const QVariant risorsa = ctx.documento->resource(QTextDocument::ImageResource, QUrl(f.name()));
    const QImage img = risorsa.value<QImage>();
    if (img.isNull())
        return;
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    ctx.immagini.push_back(png);
    const int n = int(ctx.immagini.size());
    const double larghezza = f.width() > 0 ? f.width() : img.width();
    const double altezza = f.height() > 0 ? f.height() : img.height();
    const QString cx = QString::number(qRound64(larghezza * 9525)), cy = QString::number(qRound64(altezza * 9525));
    x.writeStartElement(QStringLiteral("w:r"));
    x.writeStartElement(QStringLiteral("w:drawing"));
    x.writeStartElement(QString::fromLatin1(WP), QStringLiteral("inline"));
    x.writeEmptyElement(QString::fromLatin1(WP), QStringLiteral("extent"));
    x.writeAttribute(QStringLiteral("cx"), cx);
    x.writeAttribute(QStringLiteral("cy"), cy);
    x.writeEmptyElement(QString::fromLatin1(WP), QStringLiteral("docPr"));
    x.writeAttribute(QStringLiteral("id"), QString::number(n));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("Immagine %1").arg(n));
    x.writeStartElement(QString::fromLatin1(A), QStringLiteral("graphic"));
    x.writeStartElement(QString::fromLatin1(A), QStringLiteral("graphicData"));
    x.writeAttribute(QStringLiteral("uri"), QString::fromLatin1(PIC));
    x.writeStartElement(QString::fromLatin1(PIC), QStringLiteral("pic"));
    x.writeStartElement(QString::fromLatin1(PIC), QStringLiteral("nvPicPr"));
    x.writeEmptyElement(QString::fromLatin1(PIC), QStringLiteral("cNvPr"));
    x.writeAttribute(QStringLiteral("id"), QString::number(n));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("image%1.png").arg(n));
    x.writeEmptyElement(QString::fromLatin1(PIC), QStringLiteral("cNvPicPr"));
    x.writeEndElement();
    x.writeStartElement(QString::fromLatin1(PIC), QStringLiteral("blipFill"));
    x.writeEmptyElement(QString::fromLatin1(A), QStringLiteral("blip"));
    x.writeAttribute(QString::fromLatin1(R), QStringLiteral("embed"), QStringLiteral("rId%1").arg(99 + n));
    x.writeStartElement(QString::fromLatin1(A), QStringLiteral("stretch"));
    x.writeEmptyElement(QString::fromLatin1(A), QStringLiteral("fillRect"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeStartElement(QString::fromLatin1(PIC), QStringLiteral("spPr"));
    x.writeStartElement(QString::fromLatin1(A), QStringLiteral("xfrm"));
    x.writeEmptyElement(QString::fromLatin1(A), QStringLiteral("off"));
    x.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    x.writeEmptyElement(QString::fromLatin1(A), QStringLiteral("ext"));
    x.writeAttribute(QStringLiteral("cx"), cx);
    x.writeAttribute(QStringLiteral("cy"), cy);
    x.writeEndElement();
    x.writeStartElement(QString::fromLatin1(A), QStringLiteral("prstGeom"));
    x.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    x.writeEmptyElement(QString::fromLatin1(A), QStringLiteral("avLst"));
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndElement();   // pic
    x.writeEndElement();   // graphicData
    x.writeEndElement();   // graphic
    x.writeEndElement();   // inline
    x.writeEndElement();   // drawing
    x.writeEndElement();   // r
}

QString jc(Qt::Alignment a)
{
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignJustify)
        return QStringLiteral("both");
    return QString();
}

// The font a run is written with: "Century Gothic" becomes URW Gothic, which is what
// Velno draws it with and what a word processor on Linux finds (it knows no alias for it).
QString famiglia(const QTextCharFormat& f)
{
    const QStringList fam = f.fontFamilies().toStringList();
    if (fam.isEmpty())
        return QString();
    if (fam.constFirst().compare(QStringLiteral("Century Gothic"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("URW Gothic");
    return fam.constFirst();
}

// Width in points of `testo` in the cell's font; an estimate when no fonts are at hand.
double larghezzapunti(const QString& testo, const QTextCharFormat& f)
{
    const double punti = f.fontPointSize() > 0 ? f.fontPointSize() : 11;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return testo.size() * punti * 0.62;
    QFont font(famiglia(f).isEmpty() ? QStringLiteral("DejaVu Sans") : famiglia(f));
    font.setPointSizeF(punti);
    font.setBold(f.fontWeight() >= QFont::Bold);
    // Measured at a fine size, so that hinting does not round the widths down.
    QFont grande = font;
    grande.setPointSizeF(punti * 10);
    return QFontMetricsF(grande).horizontalAdvance(testo) / 10.0 * 72.0 / QFontMetricsF(grande).fontDpi();
}

void proprietacarattere(QXmlStreamWriter& x, const QTextCharFormat& f)
{
    x.writeStartElement(QStringLiteral("w:rPr"));
    const QString nome = famiglia(f);
    if (!nome.isEmpty()) {
        x.writeEmptyElement(QStringLiteral("w:rFonts"));
        x.writeAttribute(QStringLiteral("w:ascii"), nome);
        x.writeAttribute(QStringLiteral("w:hAnsi"), nome);
        x.writeAttribute(QStringLiteral("w:cs"), nome);
    }
    if (f.fontWeight() >= QFont::Bold)
        x.writeEmptyElement(QStringLiteral("w:b"));
    if (f.fontItalic())
        x.writeEmptyElement(QStringLiteral("w:i"));
    if (f.fontPointSize() > 0) {
        const QString mezzipunti = QString::number(qRound(f.fontPointSize() * 2));
        x.writeEmptyElement(QStringLiteral("w:sz"));
        x.writeAttribute(QStringLiteral("w:val"), mezzipunti);
        x.writeEmptyElement(QStringLiteral("w:szCs"));
        x.writeAttribute(QStringLiteral("w:val"), mezzipunti);
    }
    x.writeEndElement();
}

void paragrafo(QXmlStreamWriter& x, const QTextBlock& b, Contesto& ctx)
{
    x.writeStartElement(QStringLiteral("w:p"));
    x.writeStartElement(QStringLiteral("w:pPr"));
    if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        x.writeEmptyElement(QStringLiteral("w:pageBreakBefore"));
    x.writeEmptyElement(QStringLiteral("w:spacing"));
    x.writeAttribute(QStringLiteral("w:before"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    if (const QString a = jc(b.blockFormat().alignment()); !a.isEmpty()) {
        x.writeEmptyElement(QStringLiteral("w:jc"));
        x.writeAttribute(QStringLiteral("w:val"), a);
    }
    proprietacarattere(x, b.charFormat());   // the paragraph mark: an empty line keeps its size
    x.writeEndElement();
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fr = it.fragment();
        if (!fr.isValid())
            continue;
        if (fr.charFormat().isImageFormat()) {
            immagine(x, fr.charFormat().toImageFormat(), ctx);
            continue;
        }
        x.writeStartElement(QStringLiteral("w:r"));
        proprietacarattere(x, fr.charFormat());
        const QStringList righe = fr.text().split(QChar::LineSeparator);
        for (qsizetype k = 0; k < righe.size(); ++k) {
            if (k > 0)
                x.writeEmptyElement(QStringLiteral("w:br"));
            x.writeStartElement(QStringLiteral("w:t"));
            x.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            x.writeCharacters(righe[k]);
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndElement();
}

void bordo(QXmlStreamWriter& x, const QString& lato, bool visibile)
{
    x.writeEmptyElement(QStringLiteral("w:") + lato);
    x.writeAttribute(QStringLiteral("w:val"), visibile ? QStringLiteral("single") : QStringLiteral("nil"));
    x.writeAttribute(QStringLiteral("w:sz"), QStringLiteral("4"));
    x.writeAttribute(QStringLiteral("w:space"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:color"), QStringLiteral("000000"));
}

void tabella(QXmlStreamWriter& x, QTextTable* t, Contesto& ctx)
{
    x.writeStartElement(QStringLiteral("w:tbl"));
    x.writeStartElement(QStringLiteral("w:tblPr"));
    x.writeEmptyElement(QStringLiteral("w:tblW"));
    x.writeAttribute(QStringLiteral("w:w"), QStringLiteral("5000"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("pct"));
    x.writeStartElement(QStringLiteral("w:tblBorders"));
    const bool bordi = t->format().border() > 0;
    for (const char* lato : {"top", "left", "bottom", "right", "insideH", "insideV"})
        bordo(x, QString::fromLatin1(lato), bordi);
    x.writeEndElement();
    x.writeEmptyElement(QStringLiteral("w:tblLayout"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
    // The cell margins the widths below count on, the same in every word processor.
    x.writeStartElement(QStringLiteral("w:tblCellMar"));
    for (const char* lato : {"left", "right"}) {
        x.writeEmptyElement(QStringLiteral("w:") + QString::fromLatin1(lato));
        x.writeAttribute(QStringLiteral("w:w"), QStringLiteral("57"));
        x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    }
    x.writeEndElement();
    x.writeEndElement();
    // Column widths after their content, measured in the cells' own font, so that a word
    // processor that keeps the grid as given (LibreOffice does) never breaks a word or a
    // figure: every column gets at least its widest word and the cell margins; what is
    // left goes to the columns whose texts are longer than that.
    constexpr double pagina = 9638;    // twips between the margins of an A4 page
    constexpr double margine = 57;     // twips on each side of a cell's text (0.1 cm)
    constexpr double gioco = 40;       // rounding, borders
    std::vector<double> minimo(std::size_t(t->columns())), desiderato(std::size_t(t->columns()));
    for (int k = 0; k < t->columns(); ++k) {
        double parola = 0, testo = 0;
        for (int r = 0; r < t->rows(); ++r) {
            const QTextTableCell c = t->cellAt(r, k);
            for (auto it = c.begin(); !it.atEnd(); ++it) {
                const QTextBlock b = it.currentBlock();
                if (!b.isValid())
                    continue;
                const QTextCharFormat f = b.begin().atEnd() ? b.charFormat() : b.begin().fragment().charFormat();
                for (const QString& riga : b.text().split(QChar::LineSeparator)) {
                    testo = std::max(testo, larghezzapunti(riga, f));
                    for (const QString& w : riga.split(u' ', Qt::SkipEmptyParts))
                        parola = std::max(parola, larghezzapunti(w, f));
                }
            }
        }
        minimo[std::size_t(k)] = parola * 20 + 2 * margine + gioco;
        desiderato[std::size_t(k)] = std::max(testo * 20 + 2 * margine + gioco, minimo[std::size_t(k)]);
    }
    const double summin = std::accumulate(minimo.begin(), minimo.end(), 0.0);
    const double sumdes = std::accumulate(desiderato.begin(), desiderato.end(), 0.0);
    std::vector<double> larghezze(minimo.size());
    for (std::size_t k = 0; k < minimo.size(); ++k) {
        if (sumdes <= pagina)
            larghezze[k] = desiderato[k] * pagina / sumdes;
        else if (summin <= pagina && sumdes > summin)
            larghezze[k] = minimo[k] + (pagina - summin) * (desiderato[k] - minimo[k]) / (sumdes - summin);
        else
            larghezze[k] = minimo[k] * pagina / summin;   // too many columns: shrink them all alike
    }
    x.writeStartElement(QStringLiteral("w:tblGrid"));
    for (double l : larghezze) {
        x.writeEmptyElement(QStringLiteral("w:gridCol"));
        x.writeAttribute(QStringLiteral("w:w"), QString::number(qRound(l)));
    }
    x.writeEndElement();
    for (int r = 0; r < t->rows(); ++r) {
        x.writeStartElement(QStringLiteral("w:tr"));
        for (int k = 0; k < t->columns(); ++k) {
            const QTextTableCell cella = t->cellAt(r, k);
            x.writeStartElement(QStringLiteral("w:tc"));
            x.writeStartElement(QStringLiteral("w:tcPr"));
            x.writeEmptyElement(QStringLiteral("w:tcW"));
            x.writeAttribute(QStringLiteral("w:w"), QString::number(qRound(larghezze[std::size_t(k)])));
            x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
            const QBrush fondo = cella.format().background();
            if (fondo.style() != Qt::NoBrush) {
                x.writeEmptyElement(QStringLiteral("w:shd"));
                x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("clear"));
                x.writeAttribute(QStringLiteral("w:color"), QStringLiteral("auto"));
                x.writeAttribute(QStringLiteral("w:fill"), fondo.color().name().mid(1).toUpper());
            }
            x.writeEndElement();
            bool scritto = false;
            for (auto it = cella.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid()) {
                    paragrafo(x, it.currentBlock(), ctx);
                    scritto = true;
                }
            }
            if (!scritto)
                x.writeEmptyElement(QStringLiteral("w:p"));   // every cell needs a paragraph
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndElement();
}

// A document on screen does not show the empty block that holds a table's place, nor the
// empty block that closes it: the file leaves them out too, so that the two agree (a last
// paragraph stays, as every word-processor file ends with one).
void cornice(QXmlStreamWriter& x, QTextFrame* f, Contesto& ctx)
{
    bool dopotabella = false;
    for (auto it = f->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* figlia = it.currentFrame()) {
            if (auto* t = qobject_cast<QTextTable*>(figlia)) {
                tabella(x, t, ctx);
                dopotabella = true;
                continue;
            }
            cornice(x, figlia, ctx);
        } else if (const QTextBlock b = it.currentBlock(); b.isValid()) {
            auto dopo = it;
            ++dopo;
            const bool ultimo = dopo.atEnd();
            const bool primaditabella = !ultimo && qobject_cast<QTextTable*>(dopo.currentFrame());
            const bool vuoto = b.text().isEmpty();
            if (!(vuoto && primaditabella) && !(vuoto && dopotabella && !ultimo))
                paragrafo(x, b, ctx);
        }
        dopotabella = false;
    }
}

QByteArray xml(const std::function<void(QXmlStreamWriter&)>& corpo)
{
    QByteArray b;
    QXmlStreamWriter x(&b);
    x.writeStartDocument(QStringLiteral("1.0"), true);
    corpo(x);
    x.writeEndDocument();
    return b;
}

const char* const tipicontenuto =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Default Extension=\"png\" ContentType=\"image/png\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/fontTable.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml\"/>"
    "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
    "</Types>";

const char* const relazioni =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
    "Target=\"docProps/core.xml\"/>"
    "</Relationships>";

QByteArray relazionidocumento(const Contesto& ctx)
{
    QByteArray r = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                   "<Relationship Id=\"rId1\" "
                   "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/fontTable\" "
                   "Target=\"fontTable.xml\"/>";
    for (std::size_t k = 1; k <= ctx.immagini.size(); ++k)
        r += QStringLiteral("<Relationship Id=\"rId%1\" "
                            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/image\" "
                            "Target=\"media/image%2.png\"/>")
                 .arg(99 + k)
                 .arg(k)
                 .toUtf8();
    return r + "</Relationships>";
}

const char* const proprieta =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:creator>Velno</dc:creator></cp:coreProperties>";

QByteArray tabellacaratteri()
{
    return xml([](QXmlStreamWriter& x) {
        x.writeNamespace(QString::fromLatin1(W), QStringLiteral("w"));
        x.writeStartElement(QString::fromLatin1(W), QStringLiteral("fonts"));
        auto carattere = [&](const char* nome, const char* alternativo, const char* famiglia) {
            x.writeStartElement(QStringLiteral("w:font"));
            x.writeAttribute(QStringLiteral("w:name"), QString::fromLatin1(nome));
            x.writeEmptyElement(QStringLiteral("w:altName"));
            x.writeAttribute(QStringLiteral("w:val"), QString::fromLatin1(alternativo));
            x.writeEmptyElement(QStringLiteral("w:family"));
            x.writeAttribute(QStringLiteral("w:val"), QString::fromLatin1(famiglia));
            x.writeEndElement();
        };
        carattere("URW Gothic", "Century Gothic", "swiss");
        carattere("Times New Roman", "Nimbus Roman", "roman");
        carattere("Arial", "Nimbus Sans", "swiss");
        x.writeEndElement();
    });
}

#define VELNO_ZIP_FUNZIONI VELNO_ZIP(zip_close) VELNO_ZIP(zip_discard) VELNO_ZIP(zip_error_init) VELNO_ZIP(zip_file_add) VELNO_ZIP(zip_open_from_source) VELNO_ZIP(zip_source_buffer) VELNO_ZIP(zip_source_buffer_create) VELNO_ZIP(zip_source_close) VELNO_ZIP(zip_source_free) VELNO_ZIP(zip_source_keep) VELNO_ZIP(zip_source_open) VELNO_ZIP(zip_source_read) VELNO_ZIP(zip_source_stat)

// libzip brings libcrypto with it, over a megabyte of memory for a program that writes a .docx
// now and then: it is loaded the first time one is written.
struct LibZip {
#define VELNO_ZIP(f) decltype(&::f) f = nullptr;
    VELNO_ZIP_FUNZIONI
#undef VELNO_ZIP
    QString errore;   // why it could not be loaded; empty once it is
};

const LibZip& libzip()
{
    static const LibZip l = [] {
        LibZip z;
        void* h = dlopen("libzip.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!h) {
            z.errore = QStringLiteral("libreria libzip non disponibile (%1)").arg(QString::fromLocal8Bit(dlerror()));
            return z;
        }
#define VELNO_ZIP(f)                                                                         \
    z.f = reinterpret_cast<decltype(&::f)>(dlsym(h, #f));                                    \
    if (!z.f && z.errore.isEmpty())                                                          \
        z.errore = QStringLiteral("libreria libzip incompleta (manca %1)").arg(QLatin1String(#f));
        VELNO_ZIP_FUNZIONI
#undef VELNO_ZIP
        return z;
    }();
    return l;
}

struct Zip {
    zip_source_t* sorgente = nullptr;
    zip_t* archivio = nullptr;
    ~Zip()
    {
        if (archivio)
            libzip().zip_discard(archivio);
        if (sorgente)
            libzip().zip_source_free(sorgente);
    }
};

bool aggiungi(zip_t* z, const char* nome, const QByteArray& dati)
{
    // libzip copies nothing: the buffer is duplicated for it to free.
    void* copia = std::malloc(std::size_t(dati.size()));
    if (!copia)
        return false;
    std::memcpy(copia, dati.constData(), std::size_t(dati.size()));
    zip_source_t* s = libzip().zip_source_buffer(z, copia, zip_uint64_t(dati.size()), 1);
    if (!s) {
        std::free(copia);
        return false;
    }
    if (libzip().zip_file_add(z, nome, s, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
        libzip().zip_source_free(s);
        return false;
    }
    return true;
}

} // namespace

namespace {
QByteArray documentoxml(const QTextDocument* d, Contesto& ctx)
{
    ctx.documento = d;
    return xml([d, &ctx](QXmlStreamWriter& x) {
        x.writeNamespace(QString::fromLatin1(W), QStringLiteral("w"));
        x.writeNamespace(QString::fromLatin1(WP), QStringLiteral("wp"));
        x.writeNamespace(QString::fromLatin1(A), QStringLiteral("a"));
        x.writeNamespace(QString::fromLatin1(PIC), QStringLiteral("pic"));
        x.writeNamespace(QString::fromLatin1(R), QStringLiteral("r"));
        x.writeStartElement(QString::fromLatin1(W), QStringLiteral("document"));
        x.writeStartElement(QStringLiteral("w:body"));
        cornice(x, d->rootFrame(), ctx);
        x.writeStartElement(QStringLiteral("w:sectPr"));
        x.writeEmptyElement(QStringLiteral("w:pgSz"));
        x.writeAttribute(QStringLiteral("w:w"), QStringLiteral("11906"));
        x.writeAttribute(QStringLiteral("w:h"), QStringLiteral("16838"));
        x.writeEmptyElement(QStringLiteral("w:pgMar"));
        for (const char* lato : {"w:top", "w:right", "w:bottom", "w:left"})
            x.writeAttribute(QString::fromLatin1(lato), QStringLiteral("1134"));
        x.writeAttribute(QStringLiteral("w:header"), QStringLiteral("708"));
        x.writeAttribute(QStringLiteral("w:footer"), QStringLiteral("708"));
        x.writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
    });
}
} // namespace

QByteArray documentoxml(const QTextDocument* d)
{
    Contesto ctx;
    return documentoxml(d, ctx);
}

bool salvadocx(const QTextDocument* d, const QString& file, QString* errore)
{
    auto fallisce = [&](const QString& perche) {
        if (errore)
            *errore = perche;
        return false;
    };
    // Built in memory, then written through a temporary file: a failure never leaves half a file.
    if (!libzip().errore.isEmpty())
        return fallisce(libzip().errore);
    Zip z;
    zip_error_t ze;
    libzip().zip_error_init(&ze);
    z.sorgente = libzip().zip_source_buffer_create(nullptr, 0, 0, &ze);
    if (!z.sorgente)
        return fallisce(QStringLiteral("il documento non si può comporre in memoria"));
    libzip().zip_source_keep(z.sorgente);
    z.archivio = libzip().zip_open_from_source(z.sorgente, ZIP_TRUNCATE, &ze);
    if (!z.archivio)
        return fallisce(QStringLiteral("il documento non si può comporre in memoria"));
    Contesto ctx;
    const QByteArray corpo = documentoxml(d, ctx);
    bool aggiunti = aggiungi(z.archivio, "[Content_Types].xml", QByteArray(tipicontenuto))
        && aggiungi(z.archivio, "_rels/.rels", QByteArray(relazioni))
        && aggiungi(z.archivio, "docProps/core.xml", QByteArray(proprieta))
        && aggiungi(z.archivio, "word/_rels/document.xml.rels", relazionidocumento(ctx))
        && aggiungi(z.archivio, "word/fontTable.xml", tabellacaratteri())
        && aggiungi(z.archivio, "word/document.xml", corpo);
    for (std::size_t k = 0; aggiunti && k < ctx.immagini.size(); ++k)
        aggiunti = aggiungi(z.archivio, QStringLiteral("word/media/image%1.png").arg(k + 1).toUtf8().constData(),
                            ctx.immagini[k]);
    if (!aggiunti)
        return fallisce(QStringLiteral("il documento non si può comporre in memoria"));
    if (libzip().zip_close(z.archivio) < 0)
        return fallisce(QStringLiteral("il documento non si può comporre in memoria"));
    z.archivio = nullptr;

    QByteArray dati;
    zip_stat_t st;
    if (libzip().zip_source_stat(z.sorgente, &st) < 0 || libzip().zip_source_open(z.sorgente) < 0)
        return fallisce(QStringLiteral("archivio in memoria non leggibile"));
    dati.resize(qsizetype(st.size));
    const zip_int64_t letti = libzip().zip_source_read(z.sorgente, dati.data(), st.size);
    libzip().zip_source_close(z.sorgente);
    if (letti != zip_int64_t(st.size))
        return fallisce(QStringLiteral("archivio in memoria non leggibile"));

    QString perche;
    if (!scrivisicuro(file, dati, &perche))
        return fallisce(perche);
    return true;
}
