#pragma once
#include "documenti/modulovelno.h"
#include "shared/dialoghi.h"
#include "shared/messaggi.h"
#include "shared/scritturasicura.h"
#include "shell/finestre.h"

#include <QApplication>
#include <QFileInfo>
#include <functional>

class QWidget;

// The file commands of a window over its document (the Portfolio's or the balance's): the
// dialogs, the waiting cursor and the messages are the same for both.
template <class D> class Archiviazione {
public:
    Archiviazione(Finestre& finestre, QWidget* finestra, D& documento, QString filtroapri, QString filtrosalva)
        : m_finestre(finestre), m_finestra(finestra), m_d(documento), m_filtroapri(std::move(filtroapri)),
          m_filtrosalva(std::move(filtrosalva))
    {
    }

    // The open dialog, then the document replaced by the whole file or left as it was.
    void apri()
    {
        const QString file = m_finestre.dialoghi().apri(m_finestra, RichiestaFile{QString(), m_filtroapri, 2});
        if (file.isEmpty())
            return;
        QString errore;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool aperto = m_d.apri(file, &errore);
        QApplication::restoreOverrideCursor();
        if (!aperto)
            avvisa(QStringLiteral("Impossibile aprire il file \"%1\": %2. I dati in memoria non sono stati modificati.")
                       .arg(file, errore));
    }

    // Writes the document to its file, asking for a name (with `titolo`) when it has none.
    // False when cancelled or failed (told).
    bool scrivi(const QString& titolo)
    {
        QString file = m_d.nomefile();
        if (file.isEmpty()) {
            file = m_finestre.dialoghi().salva(m_finestra, RichiestaFile{titolo, m_filtrosalva, 1});
            if (file.isEmpty())
                return false;
            m_d.impostanomefile(file);
        }
        QString errore;
        const bool esisteva = QFileInfo::exists(file);
        if (!m_d.salva(file, &errore)) {
            avvisa(testosalvataggiofallito(file, errore, esisteva));
            return false;
        }
        return true;
    }

    // "Salva con nome": `salva` runs with no name, so that it asks; cancelled or failed, the
    // file in use stays the one "Salva" writes to.
    bool salvaconnome(const std::function<bool()>& salva)
    {
        const QString prima = m_d.nomefile();
        m_d.impostanomefile(QString());
        const bool fatto = salva();
        if (!fatto)
            m_d.impostanomefile(prima);
        return fatto;
    }

    // The delete dialog (open's, with its own title), then the file removed; `scelto` hears of
    // the file chosen first.
    void elimina(const std::function<void(const QString&)>& scelto = {})
    {
        const QString file =
            m_finestre.dialoghi().apri(m_finestra, RichiestaFile{m_finestre.modulo().titoloelimina, m_filtroapri, 2});
        if (file.isEmpty())
            return;
        if (scelto)
            scelto(file);
        if (QString perche; !eliminafile(file, &perche))
            avvisa(QStringLiteral("Impossibile eliminare il file \"%1\": %2.").arg(file, perche));
    }

private:
    void avvisa(const QString& testo)
    {
        m_finestre.messaggi().mostra(Messaggio{testo, m_finestre.modulo().titolocontrollo, Icona::Critica});
    }

    Finestre& m_finestre;
    QWidget* m_finestra;
    D& m_d;
    QString m_filtroapri, m_filtrosalva;
};
