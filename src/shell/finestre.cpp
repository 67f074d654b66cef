#include "shell/finestre.h"
#include "portfolio/frmazioni.h"
#include "shared/cancella.h"
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
    for (QWidget* w : {static_cast<QWidget*>(m_azioni.data()), static_cast<QWidget*>(m_cancella.data())}) {
        if (!w)
            continue;
        w->hide();
        w->deleteLater();
    }
    m_azioni.clear();
    m_cancella.clear();
}
