#include "shell/suono.h"

#include <utility>

ControlloMidi::ControlloMidi(std::unique_ptr<Suono> suono) : m_suono(std::move(suono)) {}

void ControlloMidi::comando(const QString& c)
{
    if (c != u"open" && c != u"play" && c != u"pause" && c != u"close")
        return;
    if (m_attivo) {
        esegui(c);
        return;
    }
    // A close undoes everything asked before it: nothing was opened yet.
    if (c == u"close") {
        m_inattesa.clear();
        m_filedaaprire.clear();
        return;
    }
    m_inattesa.append(c);
    if (c == u"open")
        m_filedaaprire.append(nomefile);
}

void ControlloMidi::attiva()
{
    if (m_attivo)
        return;
    m_attivo = true;
    const QStringList comandi = std::exchange(m_inattesa, {});
    QStringList file = std::exchange(m_filedaaprire, {});
    for (const QString& c : comandi) {
        if (c == u"open" && m_suono)
            m_suono->apri(file.takeFirst());
        else
            esegui(c);
    }
}

void ControlloMidi::esegui(const QString& c)
{
    if (!m_suono)
        return;
    if (c == u"open")
        m_suono->apri(nomefile);
    else if (c == u"play")
        m_suono->suona();
    else if (c == u"pause")
        m_suono->pausa();
    else if (c == u"close")
        m_suono->chiudi();
}
