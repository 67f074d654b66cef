// Renders every window that exists to PNG, offscreen, with a small example Portfolio:
//   velno-screenshot <folder>
#include "portfolio/frmazioni.h"
#include "shared/cancella.h"
#include "shared/documentotesto.h"
#include "shared/frmdocumento.h"
#include "shared/dialoghi.h"
#include "shared/messaggi.h"
#include "shared/modulovelno.h"
#include "shell/finestre.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"

#include <QApplication>
#include <QIcon>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    QIcon::setThemeName(QStringLiteral("Tango"));
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
    }

    cancella& c = finestre.dialogocancella();
    c.Option1[2]->click();
    salva(c, cartella, QStringLiteral("cancella"));

    // The shell: the splash, the contents with the pointer on a row, the about window, two
    // help pages, the tip of the day, and the closing screen after the exit confirmation.
    salva(finestre.mostra<frmSplash>(), cartella, QStringLiteral("splash"));
    sommario& s = finestre.mostra<sommario>();
    s.lbl_MouseMove(4);
    salva(s, cartella, QStringLiteral("sommario"));
    salva(finestre.mostra<informa>(), cartella, QStringLiteral("informa"));
    salva(finestre.mostra<guidaAZIONI>(), cartella, QStringLiteral("guidaAZIONI"));
    salva(finestre.mostra<manuale>(), cartella, QStringLiteral("manuale"));
    salva(finestre.mostra<frmTip>(), cartella, QStringLiteral("suggerimento"));

    // The whole guide, as the contents window prints it, also as PDF.
    const QTemporaryDir utente;
    modulo.cartella = utente.path();
    s.cmdstampa_Click();
    if (!finestre.documenti().isEmpty()) {
        const QString pdf = cartella.filePath(QStringLiteral("guida.pdf"));
        QString errore;
        if (salvapdf(finestre.documenti().constLast()->documento(), pdf, &errore))
            QTextStream(stdout) << pdf << '\n';
    }
    return 0;
}
