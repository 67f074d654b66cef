// Renders every window to PNG, offscreen, with the examples Velno ships (the portfolio
// "Velno-azioni-esempio" and the balance "Velno-bilancio-esempio-1999"), opened from a
// Velno folder of its own as a newcomer opens them:
//   velno-screenshot <folder>
#include "card/singola.h"
#include "charts/grafici.h"
#include "charts/grafico.h"
#include "balance/frmbilancio.h"
#include "monthly/frmmensile.h"
#include "portfolio/frmazioni.h"
#include "plan/piano.h"
#include "ranking/classifica.h"
#include "shell/casellatesto.h"
#include "portfolio/cancella.h"
#include "shared/cartelle.h"
#include "shared/documentotesto.h"
#include "shared/docx.h"
#include "shell/frmdocumento.h"
#include "shared/dialoghi.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/filedistribuiti.h"
#include "shared/numeri.h"
#include "shell/finestre.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"
#include "controlli.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QIcon>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextStream>

namespace {
// Messages are not shown but told on the error output: none is expected with the examples.
class Silenzio : public Messaggi {
public:
    Risposta mostra(const Messaggio& m) override
    {
        QTextStream(stderr) << "messaggio: " << m.titolo << ": " << m.testo << '\n';
        return Risposta::No;
    }
};
// The open dialog answers with the file set last; every other dialog is cancelled.
class DialogoScelto : public Dialoghi {
public:
    QString file;
    QString apri(QWidget*, const RichiestaFile&) override { return file; }
    QString salva(QWidget*, const RichiestaFile&) override { return QString(); }
    std::optional<QColor> colore(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QString> data(QWidget*, const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<int> scelta(QWidget*, const QString&, const QString&, const QStringList&) override { return std::nullopt; }
};

void scritto(const QString& file) { QTextStream(stdout) << file << '\n'; }

void salva(QWidget& w, const QDir& cartella, const QString& nome)
{
    w.show();
    QApplication::processEvents();
    const QString file = cartella.filePath(nome + QStringLiteral(".png"));
    w.grab().save(file);
    scritto(file);
}

// The last document printed, as PDF.
void pdf(Finestre& finestre, int prima, const QDir& cartella, const QString& nome)
{
    if (finestre.documenti().size() <= prima)
        return;
    const QString file = cartella.filePath(nome + QStringLiteral(".pdf"));
    QString errore;
    if (salvapdf(finestre.documenti().constLast()->documento(), file, &errore))
        scritto(file);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    impostaicone();
    const QDir cartella(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(cartella.path());

    // A newcomer's Velno folder: the examples copied in as on the first start. The yearly
    // totals files and the pictures of prints go there, not among the screenshots.
    const QTemporaryDir utente;
    const QStringList esempi = copiaesempi(cartelladistribuita(QStringLiteral("esempi")), utente.path(),
                                           QDir(utente.path()).filePath(QStringLiteral(".esempi-copiati")));
    if (!esempi.contains(QStringLiteral("Velno-azioni-esempio"))) {
        QTextStream(stderr) << "velno-screenshot: the examples of data/esempi were not found beside the program\n";
        return 1;
    }
    const QDir esempio(utente.path());

    ModuloVelno modulo;
    modulo.cartella = utente.path();
    Silenzio messaggi;
    DialogoScelto dialoghi;
    Finestre finestre(modulo, messaggi, dialoghi);
    const Portfolio& p = modulo.azioni.tabelle();

    // File > Apri... in the Azioni window: the example portfolio. The grid shows the last five
    // columns (1999, in euro) and the totals at the last one.
    frmAzioni& a = finestre.azioni();
    dialoghi.file = esempio.filePath(QStringLiteral("Velno-azioni-esempio"));
    a.apri_Click();
    trova<QScrollBar>(a, "HScroll1")->setValue(std::max(1, p.numerocolonne - 4));
    a.saldo_Click(5);
    salva(a, cartella, QStringLiteral("azioni"));

    // The green tick (the data check), then the report, on screen and as PDF.
    a.controlloinput();
    int prima = int(finestre.documenti().size());
    a.solodati_Click();
    if (finestre.documenti().size() > prima) {
        frmDocumento* d = finestre.documenti().constLast();
        salva(*d, cartella, QStringLiteral("documento"));
        pdf(finestre, prima, cartella, QStringLiteral("stampa-azioni"));
        // The same as a word-processor file, when asked (VELNO_DOCX=folder), to look at it in one.
        QString errore;
        if (const QString docx = qEnvironmentVariable("VELNO_DOCX"); !docx.isEmpty())
            salvadocx(d->documento(), QDir(docx).filePath(QStringLiteral("stampa-azioni.docx")), &errore);
    }

    cancella& c = finestre.finestra<cancella>();
    trova<QRadioButton>(c, "Option1", 2)->click();
    salva(c, cartella, QStringLiteral("cancella"));
    c.hide();

    // The card of Luxottica (notes and a dividend from the archive) at the last
    // quotation, and its print.
    trova<QScrollBar>(a, "VScroll1")->setValue(1);
    trova<QPushButton>(a, "cmdazione", 1)->click();
    singola& s = finestre.finestra<singola>();
    for (int i = 1; i <= p.numerotitoli; ++i)
        if (p.nomititoli[i] == u"Luxottica Group")
            trova<QScrollBar>(s, "VScroll1")->setValue(i);
    trova<QScrollBar>(s, "HScroll1")->setValue(p.numerocolonne);
    salva(s, cartella, QStringLiteral("scheda"));
    prima = int(finestre.documenti().size());
    s.hardcopy_Click();
    if (finestre.documenti().size() > prima)
        salva(*finestre.documenti().constLast(), cartella, QStringLiteral("stampa-scheda"));

    // The ranking, as the Azioni window's picture opens it (the last month), and its print.
    a.Image2_Click();
    if (finestre.caricata<classifica>()) {
        classifica& g = finestre.finestra<classifica>();
        salva(g, cartella, QStringLiteral("classifica"));
        prima = int(finestre.documenti().size());
        trova<QPushButton>(g, "stampa")->click();
        pdf(finestre, prima, cartella, QStringLiteral("stampa-classifica"));
    }

    // The strategic plan, as the archive brought it, and its print.
    a.Image4_Click();
    if (finestre.caricata<piano>()) {
        piano& w = finestre.finestra<piano>();
        salva(w, cartella, QStringLiteral("piano"));
        prima = int(finestre.documenti().size());
        trova<QPushButton>(w, "stampa")->click();
        pdf(finestre, prima, cartella, QStringLiteral("stampa-piano"));
    }

    // The charts of the ten columns from June 1998 to March 1999: the fall of that summer and
    // the first quotations in euro, charted in lire as the window charts them.
    grafici& g = finestre.finestra<grafici>();
    g.show();
    g.cmdlinee_Click();
    trova<QScrollBar>(g, "HScroll1")->setValue(std::clamp(p.numerocolonne - 18, 1, p.numerocolonne));
    salva(g, cartella, QStringLiteral("grafici"));

    // The seven kinds side by side.
    const QSize cella = trova<Grafico>(g, "MSChart1")->size();
    QImage foglio(cella.width() * 2 + 30, cella.height() * 4 + 50, QImage::Format_RGB32);
    foglio.fill(QColor(220, 220, 220));
    QPainter pf(&foglio);
    QPushButton* tipi[] = {trova<QPushButton>(g, "cmdbarre"), trova<QPushButton>(g, "cmdlinee"), trova<QPushButton>(g, "cmdtorta"), trova<QPushButton>(g, "cmdbarre3d"), trova<QPushButton>(g, "cmdlinee3d"), trova<QPushButton>(g, "cmd3darea"), trova<QPushButton>(g, "cmd3dstep")};
    for (int k = 0; k < 7; ++k) {
        tipi[k]->click();
        pf.drawImage(QPoint(10 + (k % 2) * (cella.width() + 10), 10 + (k / 2) * (cella.height() + 10)),
                     trova<Grafico>(g, "MSChart1")->immagine(cella));
    }
    pf.end();
    foglio.save(cartella.filePath(QStringLiteral("grafici-tipi.png")));
    scritto(cartella.filePath(QStringLiteral("grafici-tipi.png")));

    // The print of the line chart.
    trova<QPushButton>(g, "cmdlinee")->click();
    prima = int(finestre.documenti().size());
    g.stampa_Click();
    if (finestre.documenti().size() > prima)
        salva(*finestre.documenti().constLast(), cartella, QStringLiteral("documento-grafici"));

    // File > Apri... in the balance window: the example balance of 1999, then its monthly and
    // multi-year balance, which reads the totals files of 1996-1998 from the Velno folder.
    a.Image1_Click();
    bilancio& b = finestre.finestra<bilancio>();
    dialoghi.file = esempio.filePath(QStringLiteral("Velno-bilancio-esempio-1999"));
    b.apri_Click();
    salva(b, cartella, QStringLiteral("bilancio"));
    prima = int(finestre.documenti().size());
    b.solodati_Click();
    pdf(finestre, prima, cartella, QStringLiteral("stampa-bilancio"));

    b.mens_Click();
    mensile& m = finestre.finestra<mensile>();
    salva(m, cartella, QStringLiteral("mensile"));

    // The shell: the splash, the contents with the pointer on a row, the about window, a help
    // page and the tip of the day.
    salva(finestre.mostra<frmSplash>(), cartella, QStringLiteral("splash"));
    sommario& som = finestre.mostra<sommario>();
    som.lbl_MouseMove(4);
    salva(som, cartella, QStringLiteral("sommario"));
    salva(finestre.mostra<informa>(), cartella, QStringLiteral("informa"));
    salva(finestre.mostra(Finestra::GuidaAzioni), cartella, QStringLiteral("guidaAZIONI"));
    salva(finestre.mostra<frmTip>(), cartella, QStringLiteral("suggerimento"));

    // The whole guide, as the contents window prints it, also as PDF.
    prima = int(finestre.documenti().size());
    som.cmdstampa_Click();
    pdf(finestre, prima, cartella, QStringLiteral("guida"));

    // File > Importa quotazioni...: a day's prices from a spreadsheet's CSV file, one name
    // spelt otherwise than in the portfolio.
    {
        const QString csv = QDir(modulo.cartella).filePath(QStringLiteral("quotazioni-31-01-00.csv"));
        QFile f(csv);
        if (f.open(QIODevice::WriteOnly)) {
            f.write("Titolo;Ultimo;Data\r\n\"Eni\";6,95;31/01/2000\r\nFiat;1,71;31/01/2000\r\nTelecom Italia;9,40;31/01/2000\r\n"
                    "Mediobanca;7,02;31/01/2000\r\nUnicredito;3,61;31/01/2000\r\nMediaset;9,95;31/01/2000\r\n");
            f.close();
        }
        dialoghi.file = csv;
        trova<QScrollBar>(a, "VScroll1")->setValue(1);
        a.importa_Click();
        salva(a, cartella, QStringLiteral("importa"));
    }
    return 0;
}
