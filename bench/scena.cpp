#include "scena.h"
#include "balance/archiviobilancio.h"
#include "balance/frmbilancio.h"
#include "pienoportafoglio.h"
#include "portfolio/archivio.h"
#include "portfolio/frmazioni.h"
#include "shell/frmdocumento.h"
#include "shell/arredo.h"
#include "shell/filedistribuiti.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>

QString DialoghiScena::apri(QWidget*, const RichiestaFile& r)
{
    if (r.titolo == titoloelimina) {
        const QString scarto = cartella + QStringLiteral("/Velno-azioni-da-eliminare");
        QFile f(scarto);
        if (f.open(QIODevice::WriteOnly))
            f.write("0\r\n");
        return scarto;
    }
    return r.filtro.contains(QStringLiteral("bilancio")) ? bilancio : azioni;
}

QString DialoghiScena::salva(QWidget*, const RichiestaFile& r)
{
    if (r.titolo == u"Salva documento")
        return cartella + QStringLiteral("/documento");
    return r.filtro.contains(QStringLiteral("bilancio")) ? bilancio : azioni;
}

void senzaavvisipiattaforma()
{
    static const QtMessageHandler prima = qInstallMessageHandler(
        [](QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
            if (!testo.startsWith(QLatin1String("This plugin does not support")))
                prima(tipo, contesto, testo);
        });
}

void elaboraeventi()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

namespace {
[[noreturn]] void errore(const QString& testo)
{
    std::fprintf(stderr, "scena a piena scala: %s\n", qPrintable(testo));
    std::exit(1);
}
} // namespace

bool Scena::scriviarchivi(const QString& dove)
{
    Portfolio p;
    riempiportafoglio(p);
    riempiappunti(p);
    QString e;
    bool fatto = salvaarchivio(p, dove + QStringLiteral("/Velno-azioni-pieno"), &e)
        && salvabilancio(centovendite(), dove + QStringLiteral("/Velno-bilancio-2001"), &e);
    // The years before the balance's, for the multi-year panel.
    for (int anno = 1995; fatto && anno <= 2000; ++anno)
        fatto = ModuloVelno::scrivitotali(anno, QString::number(90000000 + anno * 1000), QString::number(4000000 + anno * 100),
                                          QStringLiteral("4,51"), dove, &e);
    if (!fatto)
        std::fprintf(stderr, "archivi a piena scala: %s\n", qPrintable(e));
    return fatto;
}

Scena::Scena(const QString& dove, bool ripristinabile)
    : cartella(dove.isEmpty() ? temporanea.path() : dove)
{
    impostacartelledistribuite({QStringLiteral(VELNO_SORGENTI "/data")});
    impostaicone();   // as the program starts: its icon theme, whatever the desktop's
    modulo.cartella = cartella;
    dialoghi.cartella = cartella;
    dialoghi.titoloelimina = modulo.titoloelimina;
    dialoghi.azioni = cartella + QStringLiteral("/Velno-azioni-pieno");
    dialoghi.bilancio = cartella + QStringLiteral("/Velno-bilancio-2001");
    finestre.allafine = [] {};
    // The copies handed to the word processor go with the rest of the scene.
    qputenv("TMPDIR", QFile::encodeName(cartella));
    if ((!QFile::exists(dialoghi.azioni) || !QFile::exists(dialoghi.bilancio)) && !scriviarchivi(cartella))
        errore(QStringLiteral("archivi non scritti in ") + cartella);

    finestre.mostraazioni();
    apri();
    if (modulo.azioni.dati().numerotitoli != Portfolio::maxtitoli || modulo.vendite.dati().numerorighe != SalesBalance::maxvendite)
        errore(QStringLiteral("gli archivi non si sono aperti"));
    if (ripristinabile) {
        m_portafoglio = modulo.azioni.dati();
        m_vendite = modulo.vendite.dati();
    }
}

Scena::~Scena()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Scena::apri()
{
    finestre.azioni().apri_Click();
    finestre.finestra<bilancio>().apri_Click();
    elaboraeventi();
}

bool Scena::intatta() const
{
    if (!m_portafoglio || !m_vendite)
        return true;
    const Portfolio& a = modulo.azioni.tabelle();
    const Portfolio& b = *m_portafoglio;
    if (a.numerotitoli != b.numerotitoli || a.numerocolonne != b.numerocolonne || a.strategia != b.strategia
        || a.notepiano != b.notepiano || a.nomititoli != b.nomititoli || a.quantitatitoli != b.quantitatitoli
        || a.prezzititoli != b.prezzititoli || a.dateacquisto != b.dateacquisto || a.notetitoli != b.notetitoli
        || a.datestacco != b.datestacco || a.dividendi != b.dividendi || a.datequotazioni != b.datequotazioni)
        return false;
    for (int c = 1; c <= Portfolio::maxcolonne; ++c)
        for (int i = 1; i <= Portfolio::maxtitoli; ++i)
            if (a.quotazioni(c, i) != b.quotazioni(c, i))
                return false;
    const SalesBalance& v = modulo.vendite.tabelle();
    const SalesBalance& w = *m_vendite;
    return v.numerorighe == w.numerorighe && v.fattore == w.fattore && v.nomea == w.nomea
        && v.dataacquisto == w.dataacquisto && v.nacq == w.nacq && v.prezzo0 == w.prezzo0
        && v.datavendita == w.datavendita && v.na == w.na && v.prezzo == w.prezzo && v.pagato == w.pagato
        && v.realizzato == w.realizzato && v.percento == w.percento && v.appunti == w.appunti;
}

void Scena::ripristina()
{
    for (frmDocumento* d : finestre.documenti())
        d->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!intatta())
        apri();
    messaggi.registrati.clear();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {
Scena*& condivisa()
{
    static Scena* s = nullptr;
    return s;
}
} // namespace

Scena& scenacondivisa()
{
    if (!condivisa())
        condivisa() = new Scena;
    return *condivisa();
}

void chiudiscenacondivisa()
{
    delete condivisa();
    condivisa() = nullptr;
}
