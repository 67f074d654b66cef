#include "shell/ripristino.h"
#include "balance/archiviobilancio.h"
#include "balance/frmbilancio.h"
#include "portfolio/archivio.h"
#include "portfolio/frmazioni.h"
#include "shared/campi.h"
#include "shared/cartelle.h"
#include "shared/messaggi.h"
#include "shared/modulovelno.h"
#include "shared/recupero.h"
#include "shared/scritturasicura.h"
#include "shell/finestre.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Beside each copy, the archive it belongs to: one line, the file's name (empty: never saved).
QString filenome(const QString& copia) { return copia + QStringLiteral(".nome"); }

QString leggitesto(const QString& file, qint64 massimo)
{
    return leggifilearchivio(file, massimo, QString(), nullptr).value_or(QString());
}
} // namespace

Ripristino::Ripristino(Finestre& finestre, const QString& cartella) : QObject(nullptr), m_finestre(finestre), m_cartella(cartella)
{
    m_timer.setInterval(2000);
    connect(&m_timer, &QTimer::timeout, this, [this] { controlla(); });
    // What an empty program holds is "saved": nothing to recover until something is typed.
    m_portafoglio.salvato = m_portafoglio.visto = m_portafoglio.scritto = testoportafoglio();
    m_bilancio.salvato = m_bilancio.visto = m_bilancio.scritto = testobilancio();
    m_timer.start();
}

QString Ripristino::fileportafoglio() const { return QDir(m_cartella).filePath(QStringLiteral("recupero-azioni")); }
QString Ripristino::filebilancio() const { return QDir(m_cartella).filePath(QStringLiteral("recupero-bilancio")); }

QString Ripristino::testoportafoglio() const { return testorecuperoportafoglio(m_finestre.modulo().portafoglio); }

QString Ripristino::testobilancio() const
{
    const bool euro = m_finestre.caricata<bilancio>() && m_finestre.finestra<bilancio>().ineuro();
    return testorecuperobilancio(m_finestre.modulo().vendite, euro);
}

void Ripristino::elimina(Voce& v, const QString& file)
{
    QFile::remove(file);
    QFile::remove(filenome(file));
    v.scritto = v.salvato;
}

void Ripristino::portafogliosalvato()
{
    m_portafoglio.salvato = m_portafoglio.visto = testoportafoglio();
    elimina(m_portafoglio, fileportafoglio());
}

void Ripristino::bilanciosalvato()
{
    m_bilancio.salvato = m_bilancio.visto = testobilancio();
    elimina(m_bilancio, filebilancio());
}

void Ripristino::aggiorna(Voce& v, const QString& testo, const QString& file, const QString& nomearchivio, bool subito)
{
    const bool fermo = testo == v.visto;
    v.visto = testo;
    if (testo == v.salvato) {
        if (v.scritto != v.salvato)
            elimina(v, file);   // typed back to what the archive holds
        return;
    }
    if ((!fermo && !subito) || testo == v.scritto)
        return;
    if (!QDir().mkpath(m_cartella))
        return;
    // The copy first, then its archive's name: a copy is never offered under another name.
    if (scrivisicuro(file, codificaarchivio(testo), nullptr)
        && scrivisicuro(filenome(file), nomearchivio.toUtf8(), nullptr))
        v.scritto = testo;
}

void Ripristino::controlla(bool subito)
{
    const QString azioni = m_finestre.azionicaricata() ? m_finestre.azioni().nomefile : QString();
    const QString vendite = m_finestre.caricata<bilancio>() ? m_finestre.finestra<bilancio>().nomefile : QString();
    aggiorna(m_portafoglio, testoportafoglio(), fileportafoglio(), azioni, subito);
    aggiorna(m_bilancio, testobilancio(), filebilancio(), vendite, subito);
}

void Ripristino::offri()
{
    // A copy counts when it is newer than the archive it belongs to (saved since by another
    // Velno, it is old news).
    auto valida = [](const QString& copia) {
        const QFileInfo c(copia);
        if (!c.exists())
            return false;
        const QString nome = leggitesto(filenome(copia), 64 * 1024);
        const QFileInfo a(nome);
        return nome.isEmpty() || !a.exists() || a.lastModified() < c.lastModified();
    };
    const bool azioni = valida(fileportafoglio()), vendite = valida(filebilancio());
    if (!azioni && !vendite) {
        QFile::remove(fileportafoglio());
        QFile::remove(filebilancio());
        return;
    }
    auto descrivi = [](const QString& copia, const QString& cosa) {
        const QString nome = QFileInfo(leggitesto(filenome(copia), 64 * 1024)).fileName();
        return cosa + (nome.isEmpty() ? QStringLiteral(" mai archiviato") : QStringLiteral(" \"%1\"").arg(nome));
    };
    QStringList cosa;
    if (azioni)
        cosa << descrivi(fileportafoglio(), QStringLiteral("il portafoglio"));
    if (vendite)
        cosa << descrivi(filebilancio(), QStringLiteral("il bilancio delle vendite"));
    const QDateTime quando = std::max(QFileInfo(fileportafoglio()).lastModified(), QFileInfo(filebilancio()).lastModified());
    ModuloVelno& m = m_finestre.modulo();
    const Messaggio domanda{
        QStringLiteral("Alcuni dati digitati il %1 alle %2 non erano stati archiviati: %3. Ripristinarli?\r"
                       "\"Ignora\" elimina la copia di recupero.")
            .arg(quando.toString(QStringLiteral("dd/MM/yy")), quando.toString(QStringLiteral("HH:mm")),
                 cosa.join(QStringLiteral(" e "))),
        m.nomeprogramma + QStringLiteral(": recupero dei dati non archiviati"), Icona::Domanda, Pulsanti::RipristinaIgnora};
    if (m_finestre.messaggi().mostra(domanda) != Risposta::Ripristina) {
        elimina(m_portafoglio, fileportafoglio());
        elimina(m_bilancio, filebilancio());
        return;
    }
    if (azioni) {
        QString errore;
        if (auto p = leggiarchivio(leggitesto(fileportafoglio(), 64 * 1024 * 1024), &errore)) {
            contirecupero(*p);
            m_finestre.azioni().mostraarchivio(std::move(*p), leggitesto(filenome(fileportafoglio()), 64 * 1024));
        }
    }
    if (vendite) {
        QString errore;
        if (auto b = leggibilancio(leggitesto(filebilancio(), 64 * 1024 * 1024), &errore))
            m_finestre.finestra<bilancio>().mostrabilancio(std::move(*b), leggitesto(filenome(filebilancio()), 64 * 1024));
    }
    // What is back in memory is still not saved: its copy stays until a save.
    if (azioni)
        m_portafoglio.salvato.clear();
    else
        elimina(m_portafoglio, fileportafoglio());
    if (vendite)
        m_bilancio.salvato.clear();
    else
        elimina(m_bilancio, filebilancio());
    controlla(true);
}
