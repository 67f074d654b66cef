#include "shell/frmdocumento.h"
#include "shared/dialoghi.h"
#include "shared/docx.h"
#include "shared/documentotesto.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

#include <QAction>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QFileInfo>
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

namespace {
QTemporaryDir* copie = nullptr;
} // namespace

QString frmDocumento::cartellacopie()
{
    // The copies handed to the word processor are the user's alone (a folder of their own,
    // 0700, in the session's runtime folder) and go when Velno ends.
    if (!copie) {
        QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (base.isEmpty() || !QFileInfo(base).isDir())
            base = QDir::tempPath();
        copie = new QTemporaryDir(QDir(base).filePath(QStringLiteral("velno-stampe-XXXXXX")));
        qAddPostRoutine([] {
            delete copie;
            copie = nullptr;
        });
    }
    return copie->isValid() ? copie->path() : QString();
}

bool frmDocumento::salvacome(const QString& filtro, const QString& estensione)
{
    QString file = m_finestre.dialoghi().salva(this, RichiestaFile{QStringLiteral("Salva documento"), filtro, 1});
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().compare(estensione, Qt::CaseInsensitive) != 0) {
        file += u'.' + estensione;
        // The dialog asked about the name typed: the name written may be another file's.
        if (QFileInfo::exists(file)
            && m_finestre.messaggi().mostra(Messaggio{
                   QStringLiteral("Il file \"%1\" esiste già. Sostituirlo?").arg(file),
                   m_finestre.modulo().nomeprogramma + QStringLiteral(": stampa dati finestra"), Icona::Domanda,
                   Pulsanti::SiNo}) != Risposta::Si)
            return false;
    }
    QString errore;
    const bool fatto = estensione == u"pdf" ? salvapdf(m_documento, file, &errore) : salvadocx(m_documento, file, &errore);
    if (!fatto)
        m_finestre.messaggi().mostra(Messaggio{QStringLiteral("Impossibile salvare il documento \"%1\": %2.").arg(file, errore),
                                               m_finestre.modulo().nomeprogramma + QStringLiteral(": stampa dati finestra"),
                                               Icona::Critica});
    return fatto;
}

void frmDocumento::salvapdf_Click()
{
    salvacome(QStringLiteral("Documento PDF|*.pdf"), QStringLiteral("pdf"));
}

void frmDocumento::salvadocx_Click()
{
    salvacome(QStringLiteral("Documento di Word|*.docx"), QStringLiteral("docx"));
}

void frmDocumento::elaboratore_Click()
{
    const QString cartella = cartellacopie();
    const QString file = QDir(cartella).filePath(
        QStringLiteral("Velno-stampa-%1.docx").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"))));
    QString errore;
    const QString titolo = m_finestre.modulo().nomeprogramma + QStringLiteral(": stampa dati finestra");
    if (!salvadocx(m_documento, file, &errore)) {
        m_finestre.messaggi().mostra(
            Messaggio{QStringLiteral("Impossibile preparare il documento \"%1\": %2.").arg(file, errore), titolo, Icona::Critica});
        return;
    }
    if (!apriesterno || !apriesterno(QUrl::fromLocalFile(file)))
        m_finestre.messaggi().mostra(Messaggio{
            QStringLiteral("Nessun elaboratore di testi del desktop ha aperto il documento. È stato salvato in \"%1\".").arg(file),
            titolo, Icona::Esclamativa});
}
