#include "shell/finestre.h"
#include "card/singola.h"
#include "charts/grafici.h"
#include "plan/piano.h"
#include "portfolio/frmazioni.h"
#include "portfolio/portfolio.h"
#include "portfolio/cancella.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "balance/frmbilancio.h"
#include "monthly/frmmensile.h"
#include "ranking/classifica.h"
#include "shell/frmsplash.h"
#include "shell/frmtip.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"
#include "documenti/ripristino.h"
#include "shell/suono.h"

#include <QApplication>
#include <QCoreApplication>
#include <QAction>

Finestre::Finestre(ModuloVelno& modulo, Messaggi& messaggi, Dialoghi& dialoghi)
    : m_modulo(modulo), m_messaggi(messaggi), m_dialoghi(dialoghi)
{
    allafine = [] { QCoreApplication::quit(); };
    creasuono = [] { return std::make_unique<Suono>(); };
    // An archive opened is shown at once by the plan and the charts (its line chart ready),
    // loaded unshown if they are not yet: they then follow the document like every window.
    // Typing in a box is one step of the history until the focus leaves it.
    if (auto* a = qobject_cast<QApplication*>(QCoreApplication::instance()))
        m_fuoco = QObject::connect(a, &QApplication::focusChanged, &m_modulo.azioni, [this] {
            m_modulo.azioni.chiudidigitazione();
            m_modulo.vendite.chiudidigitazione();
        });
    m_apertura = QObject::connect(&m_modulo.azioni, &DocumentoAzioni::aperto, &m_modulo.azioni, [this] {
        finestra<piano>();
        finestra<grafici>();
    });
}

Finestre::~Finestre()
{
    QObject::disconnect(m_apertura);
    QObject::disconnect(m_fuoco);
    m_ripristino.reset();   // it looks at the windows: it goes before them
    for (const auto& d : m_documenti)
        delete d.data();
    // The windows go in the reverse order of their creation: later ones may refer to earlier.
    for (auto i = m_ordine.rbegin(); i != m_ordine.rend(); ++i)
        delete i->data();
    // Windows unloaded but not yet deleted (no event loop ran since) go too.
    for (auto i = m_scaricate.rbegin(); i != m_scaricate.rend(); ++i)
        delete i->data();
}

void Finestre::portadavanti(QWidget& w)
{
    if (w.isMinimized())
        w.showNormal();
    else
        w.show();
    w.raise();
    w.activateWindow();
}

std::unique_ptr<Documento> Finestre::elaboratore()
{
    auto d = std::make_unique<DocumentoTesto>();
    d->mostra = [this](DocumentoTesto& dt) {
        auto* w = new frmDocumento(*this, dt.cedi());
        w->setAttribute(Qt::WA_DeleteOnClose);
        m_documenti.append(w);
        w->show();
        w->raise();
    };
    return d;
}

QList<frmDocumento*> Finestre::documenti() const
{
    QList<frmDocumento*> r;
    for (const auto& d : m_documenti)
        if (d)
            r.append(d.data());
    return r;
}

QWidget* Finestre::crea(Finestra f)
{
    switch (f) {
    case Finestra::Splash: return new frmSplash(*this);
    case Finestra::Azioni: return new frmAzioni(*this);
    case Finestra::Scheda: return new singola(*this);
    case Finestra::Graduatoria: return new classifica(*this);
    case Finestra::Bilancio: return new bilancio(*this);
    case Finestra::Mensile: return new mensile(*this);
    case Finestra::Grafici: return new grafici(*this);
    case Finestra::Piano: return new piano(*this);
    case Finestra::Cancella: return new cancella(*this);
    case Finestra::Sommario: return new sommario(*this);
    case Finestra::Informazioni: return new informa(*this);
    case Finestra::Suggerimenti: return new frmTip(*this);
    default: break;
    }
    // A help page: one window class, its page by the contents' row.
    return new FinestraGuida(*this, pagineguida()[std::size_t(int(f) - int(Finestra::Manuale))].nome);
}

QWidget& Finestre::finestra(Finestra f)
{
    QPointer<QWidget>& w = m_finestre[f];
    if (!w) {
        w = crea(f);
        m_ordine.append(w);
    }
    return *w;
}

bool Finestre::caricata(Finestra f) const
{
    const auto i = m_finestre.find(f);
    return i != m_finestre.end() && !i->second.isNull();
}

QWidget& Finestre::mostra(Finestra f)
{
    QWidget& w = finestra(f);
    portadavanti(w);
    return w;
}

frmAzioni& Finestre::azioni() { return finestra<frmAzioni>(); }
bool Finestre::azionicaricata() const { return caricata<frmAzioni>(); }
void Finestre::mostraazioni() { mostra(Finestra::Azioni); }

bool Finestre::esegui(Finestra f, const char* comando)
{
    QAction* a = finestra(f).findChild<QAction*>(QString::fromLatin1(comando));
    if (!a)
        return false;
    a->trigger();
    return true;
}

void Finestre::aprischeda()
{
    singola& s = finestra<singola>();
    s.apridainizio();
    portadavanti(s);
}

void Finestre::mostrascheda(int titolo)
{
    // The card shows holding n, not the row's number, and fills even when it was on n.
    singola& s = finestra<singola>();
    s.portatitolo(titolo);
    portadavanti(s);
}

void Finestre::mostrabilancio()
{
    bilancio& b = finestra<bilancio>();
    if (m_modulo.vendite.tabelle().numerorighe > 0)
        b.primapagina();
    portadavanti(b);
}

void Finestre::mostramensile()
{
    finestra<mensile>().carica();
    mostra(Finestra::Mensile);
}

bool Finestre::mostragraduatoria()
{
    if (m_modulo.azioni.tabelle().numerotitoli == 0) {
        m_messaggi.mostra(Messaggio{QStringLiteral("Non esistono titoli da controllare: prelevarli dall'archivio."),
                                    m_modulo.titolocontrollo, Icona::Critica});
        return false;
    }
    finestra<classifica>().posizionaultimacolonna();
    mostra(Finestra::Graduatoria);
    return true;
}

void Finestre::attivaripristino(const QString& cartella)
{
    m_ripristino = std::make_unique<Ripristino>(m_modulo, m_messaggi, cartella);
}

void Finestre::confermauscita()
{
    const Messaggio domanda{QStringLiteral("Vuoi uscire da ") + m_modulo.nomeprogramma + u'?',
                            QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                            Icona::Domanda, Pulsanti::SiNo};
    if (m_messaggi.mostra(domanda) != Risposta::Si)
        return;
    // Whatever was typed and not archived is kept aside, and offered back at the next start.
    if (m_ripristino)
        m_ripristino->controlla();
    scaricatutto();
    mostra<frmSplash>().chiusura();
}

void Finestre::scarica(QWidget& w)
{
    for (auto i = m_finestre.begin(); i != m_finestre.end(); ++i)
        if (i->second == &w) {
            m_finestre.erase(i);
            break;
        }
    m_ordine.removeAll(QPointer<QWidget>(&w));
    w.hide();
    w.deleteLater();
    m_scaricate.append(&w);
}

bool Finestre::finestreaperte(const QWidget* tranne) const
{
    for (const auto& w : m_ordine)
        if (w && w.data() != tranne && w->isVisible())
            return true;
    for (const auto& d : m_documenti)
        if (d && d->isVisible())
            return true;
    return false;
}

void Finestre::scaricatutto()
{
    // The caller may be a handler of one of these windows: they go once it has returned.
    // The Azioni window first, then the others in the order they were created.
    QList<QWidget*> finestre;
    if (caricata<frmAzioni>())
        finestre.append(&azioni());
    for (const auto& w : m_ordine)
        if (w && !finestre.contains(w.data()))
            finestre.append(w.data());
    for (const auto& d : m_documenti)
        if (d)
            finestre.append(d.data());
    for (QWidget* w : finestre) {
        w->hide();
        w->deleteLater();
        m_scaricate.append(w);
    }
    m_finestre.clear();
    m_ordine.clear();
    m_documenti.clear();
}
