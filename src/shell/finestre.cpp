#include "shell/finestre.h"
#include "portfolio/frmazioni.h"
#include "shared/cancella.h"
#include "shared/documentotesto.h"
#include "shared/frmdocumento.h"
#include "shared/messaggi.h"
#include "shared/modulovelno.h"

#include <QCoreApplication>

Finestre::Finestre(ModuloVelno& modulo, Messaggi& messaggi, Dialoghi& dialoghi)
    : m_modulo(modulo), m_messaggi(messaggi), m_dialoghi(dialoghi)
{
    allafine = [] { QCoreApplication::quit(); };
}

Finestre::~Finestre()
{
    delete m_azioni.data();
    delete m_cancella.data();
    for (const auto& d : m_documenti)
        delete d.data();
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

frmAzioni& Finestre::azioni()
{
    if (!m_azioni)
        m_azioni = new frmAzioni(*this);
    return *m_azioni;
}

cancella& Finestre::dialogocancella()
{
    if (!m_cancella)
        m_cancella = new cancella(*this);
    return *m_cancella;
}

void Finestre::mostraazioni()
{
    frmAzioni& a = azioni();
    a.show();
    a.raise();
    a.activateWindow();
}

void Finestre::aprischeda()
{
    if (m_modulo.portafoglio.numerotitoli >= 1) {
        m_modulo.titoloscheda = 1;
        m_modulo.colonnascheda = 1;
    }
    // The stock card window shows itself here when it exists.
}

void Finestre::confermauscita()
{
    const Messaggio domanda{QStringLiteral("Vuoi uscire da ") + m_modulo.nomeprogramma + u'?',
                            QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                            Icona::Domanda, Pulsanti::SiNo};
    if (m_messaggi.mostra(domanda) != Risposta::Si)
        return;
    scaricatutto();
    if (allafine)
        allafine();
}

void Finestre::scaricatutto()
{
    // The caller may be a handler of one of these windows: they go once it has returned.
    QList<QWidget*> finestre{m_azioni.data(), m_cancella.data()};
    for (const auto& d : m_documenti)
        finestre.append(d.data());
    for (QWidget* w : finestre) {
        if (!w)
            continue;
        w->hide();
        w->deleteLater();
    }
    m_azioni.clear();
    m_cancella.clear();
    m_documenti.clear();
}
