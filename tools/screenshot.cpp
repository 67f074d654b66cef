// Renders every window that exists to PNG, offscreen, with a small example Portfolio:
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
#include "shared/cancella.h"
#include "shared/documentotesto.h"
#include "shared/docx.h"
#include "shared/frmdocumento.h"
#include "shared/dialoghi.h"
#include "shared/messaggi.h"
#include "shared/modulovelno.h"
#include "shell/arredo.h"
#include "shared/numeri.h"
#include "shell/finestre.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QIcon>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
class Silenzio : public Messaggi {
public:
    Risposta mostra(const Messaggio&) override { return Risposta::No; }
};
class NessunDialogo : public Dialoghi {
public:
    QString apri(QWidget*, const RichiestaFile&) override { return QString(); }
    QString salva(QWidget*, const RichiestaFile&) override { return QString(); }
    std::optional<QColor> colore(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QString> data(QWidget*, const QString&, const QString&, const QString&) override { return std::nullopt; }
};

void salva(QWidget& w, const QDir& cartella, const QString& nome)
{
    w.show();
    QApplication::processEvents();
    const QString file = cartella.filePath(nome + QStringLiteral(".png"));
    w.grab().save(file);
    QTextStream(stdout) << file << '\n';
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    impostaicone();
    const QDir cartella(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(cartella.path());

    ModuloVelno modulo;
    Silenzio messaggi;
    NessunDialogo dialoghi;
    Finestre finestre(modulo, messaggi, dialoghi);
    frmAzioni& a = finestre.azioni();

    // Typed as a user would: the grid writes through to the tables.
    const char* righe[][8] = {
        {"Fiat", "300", "14500", "12/03/97", "7.85", "8.12", "8.40", "8.05"},
        {"Eni", "500", "6.10", "04/01/99", "6.35", "6.80", "7.02", "7.31"},
        {"Generali Ass.", "120", "38000", "20/11/98", "21.40", "22.05", "21.90", "23.10"},
        {"Telecom Italia", "1000", "2.95", "15/02/99", "3.10", "2.88", "2.97", "3.21"},
        {"Mediobanca", "250", "11.20", "01/03/99", "", "11.35", "11.80", "12.04"},
    };
    const char* date[] = {"31/03/99", "30/04/99", "31/05/99", "30/06/99"};
    for (int j = 0; j < 4; ++j)
        a.giorno[j + 1]->setText(QString::fromLatin1(date[j]));
    for (int i = 0; i < 5; ++i) {
        a.nome[i + 1]->setEditText(QString::fromUtf8(righe[i][0]));
        a.na[i + 1]->setText(QString::fromLatin1(righe[i][1]));
        a.prezzo[i + 1]->setText(QString::fromLatin1(righe[i][2]));
        a.dataacquisto[i + 1]->setText(QString::fromLatin1(righe[i][3]));
        for (int K = 1; K <= 4; ++K)
            a.valore[K][i + 1]->setText(QString::fromLatin1(righe[i][3 + K]));
    }
    a.strategia->setPlainText(QStringLiteral("Incrementare i titoli bancari a fine anno."));
    a.HScroll1->setValue(1);
    a.HScroll1_Change();
    a.saldo_Click(4);
    salva(a, cartella, QStringLiteral("azioni"));

    // The report of the same Portfolio, on screen and as PDF.
    a.controlloinput();
    a.solodati_Click();
    if (!finestre.documenti().isEmpty()) {
        frmDocumento* d = finestre.documenti().constLast();
        salva(*d, cartella, QStringLiteral("documento"));
        QString errore;
        if (salvapdf(d->documento(), cartella.filePath(QStringLiteral("stampa-azioni.pdf")), &errore))
            QTextStream(stdout) << cartella.filePath(QStringLiteral("stampa-azioni.pdf")) << '\n';
        // The same as a word-processor file, when asked (VELNO_DOCX=folder), to look at it in one.
        if (const QString docx = qEnvironmentVariable("VELNO_DOCX"); !docx.isEmpty())
            salvadocx(d->documento(), QDir(docx).filePath(QStringLiteral("stampa-azioni.docx")), &errore);
    }

    cancella& c = finestre.dialogocancella();
    c.Option1[2]->click();
    salva(c, cartella, QStringLiteral("cancella"));

    // The stock card of Eni at the last quotation, with notes and a dividend (lire, in 1999).
    a.VScroll1->setValue(1);
    a.cmdazione[2]->click();
    singola& s = finestre.finestra<singola>();
    s.HScroll1->setValue(4);
    s.text1->setPlainText(QStringLiteral("Tenere fino allo stacco di giugno.\nRivedere dopo la semestrale."));
    s.stac->setText(QStringLiteral("20/06/99"));
    s.divid->setText(QStringLiteral("520"));
    salva(s, cartella, QStringLiteral("scheda"));
    const int prima = finestre.documenti().size();
    s.hardcopy_Click();
    if (finestre.documenti().size() > prima)
        salva(*finestre.documenti().constLast(), cartella, QStringLiteral("stampa-scheda"));
    // The ranking, as the Azioni window's picture opens it, and its print.
    a.Image2_Click();
    if (finestre.caricata<classifica>()) {
        classifica& g = finestre.finestra<classifica>();
        salva(g, cartella, QStringLiteral("classifica"));
        const int prima = int(finestre.documenti().size());
        g.stampa->click();
        if (finestre.documenti().size() > prima) {
            const QString pdf = cartella.filePath(QStringLiteral("stampa-classifica.pdf"));
            QString errore;
            if (salvapdf(finestre.documenti().constLast()->documento(), pdf, &errore))
                QTextStream(stdout) << pdf << '\n';
        }
    }

    // The strategic plan with a few notes, and its print.
    const char* note[][2] = {
        {"0", "Ridurre il peso dei bancari sotto il 30% del portafoglio; tenere liquidità per le occasioni."},
        {"1", "Valutare Eni dopo il dividendo."},
        {"3", "Vendere metà delle Fiat se superano 9 euro."},
        {"6", "Controllare le semestrali."},
        {"12", "Bilancio dell'anno e piano per il prossimo."},
    };
    a.Image4_Click();
    if (finestre.caricata<piano>()) {
        piano& w = finestre.finestra<piano>();
        for (const auto& n : note)
            w.Text1[std::size_t(QByteArray(n[0]).toInt())]->setPlainText(QString::fromUtf8(n[1]));
        salva(w, cartella, QStringLiteral("piano"));
        const int prima = int(finestre.documenti().size());
        w.stampa->click();
        if (finestre.documenti().size() > prima) {
            const QString pdf = cartella.filePath(QStringLiteral("stampa-piano.pdf"));
            QString errore;
            if (salvapdf(finestre.documenti().constLast()->documento(), pdf, &errore))
                QTextStream(stdout) << pdf << '\n';
        }
    }
    c.hide();

    // The charts, over ten dated columns of the same holdings.
    Portfolio& p = modulo.portafoglio;
    const char* altredate[] = {"29/07/99", "31/08/99", "30/09/99", "29/10/99", "30/11/99", "31/12/99"};
    const double passi[] = {1.04, 0.97, 1.06, 1.03};
    for (int j = 0; j < 6; ++j) {
        p.datequotazioni[5 + j] = QString::fromLatin1(altredate[j]);
        for (int i = 1; i <= 5; ++i)
            p.quotazioni(5 + j, i) = QString::number(valore(p.quotazioni(4 + j, i)) * passi[(i + j) % 4], 'f', 2);
    }
    p.quotazioni(6, 4).clear();   // a quotation not typed leaves a gap
    p.numerocolonne = 10;
    QTemporaryDir immagini;
    modulo.cartella = immagini.path();
    grafici& g = finestre.finestra<grafici>();
    g.cmdbarre3d_Click();
    salva(g, cartella, QStringLiteral("grafici"));

    // The seven kinds side by side.
    const QSize cella = g.MSChart1->size();
    QImage foglio(cella.width() * 2 + 30, cella.height() * 4 + 50, QImage::Format_RGB32);
    foglio.fill(QColor(220, 220, 220));
    QPainter pf(&foglio);
    QPushButton* tipi[] = {g.cmdbarre, g.cmdlinee, g.cmdtorta, g.cmdbarre3d, g.cmdlinee3d, g.cmd3darea, g.cmd3dstep};
    for (int k = 0; k < 7; ++k) {
        tipi[k]->click();
        pf.drawImage(QPoint(10 + (k % 2) * (cella.width() + 10), 10 + (k / 2) * (cella.height() + 10)),
                     g.MSChart1->immagine(cella));
    }
    pf.end();
    foglio.save(cartella.filePath(QStringLiteral("grafici-tipi.png")));
    QTextStream(stdout) << cartella.filePath(QStringLiteral("grafici-tipi.png")) << '\n';

    // The print of the line chart.
    g.cmdlinee->click();
    g.stampa_Click();
    if (!finestre.documenti().isEmpty()) {
        frmDocumento* d = finestre.documenti().constLast();
        salva(*d, cartella, QStringLiteral("documento-grafici"));
    }
    c.hide();

    // The annual balance, opened from the Azioni window's picture, with the sales of 2001.
    QTemporaryDir totali;   // the yearly totals files go here, not among the pictures
    modulo.cartella = totali.path();
    a.Image1_Click();
    bilancio& b = finestre.finestra<bilancio>();
    const char* vendite[][4] = {
        {"0", "15/03/01", "200", "16320"},   // holding index, sale date, shares sold, sale price
        {"1", "20/06/01", "500", "12000"},
        {"2", "02/07/01", "120", "41500"},
        {"3", "18/10/01", "1000", "5210"},
        {"0", "12/11/01", "100", "13100"},
    };
    for (int i = 0; i < 5; ++i) {
        const int k = QString::fromLatin1(vendite[i][0]).toInt();
        b.nomea[i + 1]->setCurrentIndex(k);
        emit b.nomea[i + 1]->activated(k);
        b.datavendita[i + 1]->setText(QString::fromLatin1(vendite[i][1]));
        b.na[i + 1]->setText(QString::fromLatin1(vendite[i][2]));
        b.prezzo[i + 1]->setText(QString::fromLatin1(vendite[i][3]));
    }
    salva(b, cartella, QStringLiteral("bilancio"));

    b.mens_Click();
    mensile& m = finestre.finestra<mensile>();
    salva(m, cartella, QStringLiteral("mensile"));
    // The shell: the splash, the contents with the pointer on a row, the about window, two
    // help pages, the tip of the day, and the closing screen after the exit confirmation.
    salva(finestre.mostra<frmSplash>(), cartella, QStringLiteral("splash"));
    sommario& som = finestre.mostra<sommario>();
    som.lbl_MouseMove(4);
    salva(som, cartella, QStringLiteral("sommario"));
    salva(finestre.mostra<informa>(), cartella, QStringLiteral("informa"));
    salva(finestre.mostra<guidaAZIONI>(), cartella, QStringLiteral("guidaAZIONI"));
    salva(finestre.mostra<manuale>(), cartella, QStringLiteral("manuale"));
    salva(finestre.mostra<frmTip>(), cartella, QStringLiteral("suggerimento"));

    // The whole guide, as the contents window prints it, also as PDF.
    const QTemporaryDir utente;
    modulo.cartella = utente.path();
    som.cmdstampa_Click();
    if (!finestre.documenti().isEmpty()) {
        const QString pdf = cartella.filePath(QStringLiteral("guida.pdf"));
        QString errore;
        if (salvapdf(finestre.documenti().constLast()->documento(), pdf, &errore))
            QTextStream(stdout) << pdf << '\n';
    }
    return 0;
}
