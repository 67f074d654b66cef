#include "shell/finestravelno.h"
#include "documenti/modulovelno.h"
#include "shared/messaggi.h"
#include "shell/finestre.h"
#include "shell/guide.h"

#include <QAction>

template <class Q>
FinestraVelno<Q>::FinestraVelno(Finestre& finestre, const char* nome, const QString& titolo)
    : Q(nullptr), m_finestre(finestre), m_modulo(finestre.modulo()), m_resize(std::make_unique<clsResize>())
{
    this->setObjectName(QString::fromLatin1(nome));
    this->setWindowTitle(titolo);
}

template <class Q> FinestraVelno<Q>::~FinestraVelno() = default;

template <class Q> void FinestraVelno<Q>::adatta(QSize progetto)
{
    m_resize->adatta(this, progetto, true);
}

template <class Q> QWidget* FinestraVelno<Q>::area(QSize progetto)
{
    if constexpr (std::is_base_of_v<QMainWindow, Q>)
        m_area = areacentrale(this, progetto.width(), progetto.height());
    else
        m_area = this;
    return m_area;
}

template <class Q> void FinestraVelno<Q>::mostra(const Messaggio& m)
{
    m_finestre.messaggi().mostra(m);
}

template <class Q> Messaggio FinestraVelno<Q>::avviso(const QString& testo, Icona icona) const
{
    return Messaggio{testo, m_modulo.titolocontrollo, icona};
}

template <class Q> void FinestraVelno<Q>::mostraaiuto(const QString& titolo)
{
    mostra(Messaggio{consigli(this->objectName()).join(u'\r'), titolo, Icona::Informativa});
}

template <class Q> void FinestraVelno<Q>::Toolbar1_ButtonClick(int indice)
{
    if (indice >= 1 && indice <= 22 && pulsante[std::size_t(indice)])
        pulsante[std::size_t(indice)]->trigger();
}

template <class Q> void FinestraVelno<Q>::colorare_Click()
{
    coloredisfondo(m_finestre, this, m_area);
}

template <class Q> void FinestraVelno<Q>::aiuto_Click() { mostraaiuto(); }
template <class Q> void FinestraVelno<Q>::Command1_Click() { m_finestre.mostra(Finestra::Sommario); }
template <class Q> void FinestraVelno<Q>::guida_Click() { m_finestre.mostra(Finestra::Sommario); }
template <class Q> void FinestraVelno<Q>::fin1_Click() { m_finestre.mostraazioni(); }
template <class Q> void FinestraVelno<Q>::cmdazioni_Click() { m_finestre.mostraazioni(); }
template <class Q> void FinestraVelno<Q>::Command5_Click() { m_finestre.mostraazioni(); }
template <class Q> void FinestraVelno<Q>::fin2_Click() { m_finestre.aprischeda(); }
template <class Q> void FinestraVelno<Q>::fin5_Click() { m_finestre.mostra(Finestra::Grafici); }
template <class Q> void FinestraVelno<Q>::apri_Click() { m_finestre.esegui(Finestra::Azioni, "apri"); }
template <class Q> void FinestraVelno<Q>::salva_Click() { m_finestre.esegui(Finestra::Azioni, "salva"); }
template <class Q> void FinestraVelno<Q>::salvanome_Click() { m_finestre.esegui(Finestra::Azioni, "salvanome"); }
template <class Q> void FinestraVelno<Q>::eliminare_click() { m_finestre.esegui(Finestra::Azioni, "eliminare"); }
template <class Q> void FinestraVelno<Q>::cmdesci_Click() { m_finestre.confermauscita(); }
template <class Q> void FinestraVelno<Q>::esci_Click() { m_finestre.confermauscita(); }
template <class Q> void FinestraVelno<Q>::uscita_Click() { m_finestre.confermauscita(); }
template <class Q> void FinestraVelno<Q>::informazioni_Click() { m_finestre.mostra(Finestra::Informazioni); }
template <class Q> void FinestraVelno<Q>::inform_Click() { m_finestre.mostra(Finestra::Informazioni); }
template <class Q> void FinestraVelno<Q>::image1_click() { m_finestre.mostragraduatoria(); }

template class FinestraVelno<QMainWindow>;
template class FinestraVelno<QWidget>;
