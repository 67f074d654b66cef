#include "shell/frmdocumento.h"
#include "shell/copiedocumento.h"
#include "shared/documentotesto.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

#include <QAction>
#include <QDesktopServices>
#include <QLayout>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

namespace {

// The report has no margin of its own (the page gives it one when printed): on screen it keeps
// clear of the frame, on the same white as the page.
class VistaDocumento : public QTextEdit {
public:
    explicit VistaDocumento(QWidget* genitore) : QTextEdit(genitore)
    {
        setViewportMargins(10, 6, 10, 6);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }
};

} // namespace

frmDocumento::frmDocumento(Finestre& finestre, QTextDocument* documento)
    : m_finestre(finestre), m_documento(documento)
{
    setObjectName(QStringLiteral("frmDocumento"));
    setWindowTitle(finestre.modulo().nomeprogramma + QStringLiteral(": documento di stampa"));
    m_documento->setParent(this);
    testo = new VistaDocumento(this);
    testo->setObjectName(QStringLiteral("testo"));
    testo->setReadOnly(true);
    // A report fills its document after this window is made: the view takes the document
    // once the print's handler is over, so that it is laid out once, not again at every
    // cell typed (a hundred-row table took minutes).
    // It is laid out at the view's final width, with room for the scroll bar a report needs,
    // so that no change of width lays it out again.
    testo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (layout())
                layout()->activate();
            // No page yet: the view's own width comes with it, and the layout is made once.
            m_documento->setPageSize(QSizeF(0, 0));
            testo->setDocument(m_documento);
        },
        Qt::QueuedConnection);
    setCentralWidget(testo);
    apriesterno = [](const QUrl& u) { return QDesktopServices::openUrl(u); };

    QToolBar* barra = addToolBar(QStringLiteral("documento"));
    barra->setObjectName(QStringLiteral("barra"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    auto voce = [&](const char* nome, const QString& testo, const QString& breve, const char* tema,
                    QStyle::StandardPixmap riserva, void (frmDocumento::*gestore)()) {
        // The style's own icon only where the theme has none: it is decoded as soon as made.
        const QString nometema = QString::fromLatin1(tema);
        QAction* a = new QAction(QIcon::hasThemeIcon(nometema) ? QIcon::fromTheme(nometema) : style()->standardIcon(riserva),
                                 testo, this);
        a->setIconText(breve);
        a->setToolTip(QString(testo).remove(u'&'));
        a->setObjectName(QString::fromLatin1(nome));
        connect(a, &QAction::triggered, this, gestore);
        barra->addAction(a);
        file->addAction(a);
        return a;
    };
    voce("stampa", QStringLiteral("&Stampa..."), QStringLiteral("Stampa"), "document-print", QStyle::SP_FileIcon, &frmDocumento::stampa_Click)
        ->setShortcut(QKeySequence::Print);
    voce("anteprima", QStringLiteral("&Anteprima di stampa..."), QStringLiteral("Anteprima"), "document-print-preview",
         QStyle::SP_FileDialogContentsView, &frmDocumento::anteprima_Click);
    voce("salvapdf", QStringLiteral("Salva come &PDF..."), QStringLiteral("PDF"), "document-save-as", QStyle::SP_DialogSaveButton,
         &frmDocumento::salvapdf_Click);
    voce("salvadocx", QStringLiteral("Salva per l'&elaboratore di testi (.docx)..."), QStringLiteral(".docx"),
         "document-save",
         QStyle::SP_DriveFDIcon, &frmDocumento::salvadocx_Click);
    voce("elaboratore", QStringLiteral("Apri nell'elaboratore di &testi"), QStringLiteral("Apri nell'elaboratore di testi"),
         "document-open", QStyle::SP_DialogOpenButton,
         &frmDocumento::elaboratore_Click);
    file->addSeparator();
    QAction* chiudi = file->addAction(QStringLiteral("&Chiudi"), this, &QWidget::close);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    chiudi->setShortcut(QKeySequence::Close);
    resize(820, 640);
}

void frmDocumento::stampa_Click()
{
    QPrinter stampante(QPrinter::HighResolution);
    QPrintDialog d(&stampante, this);
    d.setWindowTitle(QStringLiteral("Stampa"));
    if (d.exec() == QDialog::Accepted) {
        impaginastampa(m_documento, &stampante)->print(&stampante);
    }
}

void frmDocumento::anteprima_Click()
{
    QPrinter stampante(QPrinter::HighResolution);
    QPrintPreviewDialog d(&stampante, this);
    connect(&d, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        impaginastampa(m_documento, p)->print(p);
    });
    d.exec();
}

void frmDocumento::salvapdf_Click()
{
    salvadocumentocome(m_documento, m_finestre.dialoghi(), m_finestre.messaggi(), this, titolomessaggi(),
                       QStringLiteral("Documento PDF|*.pdf"), QStringLiteral("pdf"));
}

void frmDocumento::salvadocx_Click()
{
    salvadocumentocome(m_documento, m_finestre.dialoghi(), m_finestre.messaggi(), this, titolomessaggi(),
                       QStringLiteral("Documento di Word|*.docx"), QStringLiteral("docx"));
}

void frmDocumento::elaboratore_Click()
{
    consegnaelaboratore(m_documento, m_finestre.messaggi(), titolomessaggi(), apriesterno);
}

QString frmDocumento::titolomessaggi() const
{
    return m_finestre.modulo().nomeprogramma + QStringLiteral(": stampa dati finestra");
}
