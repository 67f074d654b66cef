#pragma once
#include "shared/dialoghi.h"
#include "shared/messaggi.h"

#include <QList>
#include <deque>

// Records every message box and answers with the queued answers (No when none is queued).
class MessaggiRegistrati : public Messaggi {
public:
    Risposta mostra(const Messaggio& m) override
    {
        registrati.push_back(m);
        if (risposte.empty())
            return m.pulsanti == Pulsanti::SiNo ? Risposta::No
                 : m.pulsanti == Pulsanti::RipristinaIgnora ? Risposta::Ignora
                                                            : Risposta::Ok;
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    QList<Messaggio> registrati;
    std::deque<Risposta> risposte;
};

class DialoghiRegistrati : public Dialoghi {
public:
    QString apri(QWidget*, const RichiestaFile& r) override
    {
        filechiesti.push_back(r);
        return prossimofile;
    }
    QString salva(QWidget*, const RichiestaFile& r) override
    {
        filechiesti.push_back(r);
        salvataggichiesti++;
        return prossimofile;
    }
    QList<RichiestaFile> filechiesti;
    int salvataggichiesti = 0;
    QString prossimofile;   // empty: the user cancels

    std::optional<QColor> colore(QWidget*, const QColor& iniziale) override
    {
        colorichiesti.push_back(iniziale);
        return prossimocolore;
    }
    QList<QColor> colorichiesti;
    std::optional<QColor> prossimocolore;

    std::optional<QString> data(QWidget*, const QString&, const QString& domanda, const QString&) override
    {
        datechieste.push_back(domanda);
        return prossimadata;
    }
    QList<QString> datechieste;
    std::optional<QString> prossimadata;   // nothing: the user cancels

    std::optional<int> scelta(QWidget*, const QString&, const QString& domanda, const QStringList& voci) override
    {
        scelteofferte.push_back(voci);
        sceltechieste.push_back(domanda);
        return prossimascelta;
    }
    QList<QStringList> scelteofferte;
    QList<QString> sceltechieste;
    std::optional<int> prossimascelta;   // nothing: the user cancels
};

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

// The clipboard as X11 shows it when nothing owns it: data with no format at all (Qt 6.4
// crashes pasting that into a bare multi-line box).
inline void appuntivuoti()
{
    QGuiApplication::clipboard()->setMimeData(new QMimeData, QClipboard::Clipboard);
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setMimeData(new QMimeData, QClipboard::Selection);
}
