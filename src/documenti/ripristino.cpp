#include "documenti/ripristino.h"
#include "balance/archiviobilancio.h"
#include "portfolio/archivio.h"
#include "shared/campi.h"
#include "shared/cartelle.h"
#include "shared/messaggi.h"
#include "documenti/modulovelno.h"
#include "documenti/recupero.h"
#include "shared/scritturasicura.h"

#include <QDateTime>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace {
// Beside each copy, the archive it belongs to: one line, the file's name (empty: never saved).
QString filenome(const QString& copia) { return copia + QStringLiteral(".nome"); }

QString leggitesto(const QString& file, qint64 massimo)
{
    return leggifilearchivio(file, massimo, QString(), nullptr).value_or(QString());
}
} // namespace

Ripristino::Ripristino(ModuloVelno& modulo, Messaggi& messaggi, const QString& cartella)
    : QObject(nullptr), m_modulo(modulo), m_messaggi(messaggi), m_cartella(cartella)
{
    // The copies hold what the user typed: nobody else may read them.
    if (QDir().mkpath(m_cartella))
        QFile::setPermissions(m_cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // One Velno keeps the copies; a lock left by one that died is taken over.
    m_blocco = std::make_unique<QLockFile>(QDir(m_cartella).filePath(QStringLiteral("recupero.lock")));
    m_blocco->setStaleLockTime(0);
    m_attivo = m_blocco->tryLock(0);
    if (m_attivo) {
        pulisci(m_cartella);
        pulisci(m_modulo.cartella);
    }
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { controlla(); });
    // What an empty program holds is "saved": nothing to recover until something is typed.
    m_portafoglio.salvato = m_portafoglio.scritto = testoportafoglio();
    m_bilancio.salvato = m_bilancio.scritto = testobilancio();
    ModuloVelno& m = m_modulo;
    connect(&m.azioni, &DocumentoAzioni::cambiato, this, [this] { cambio(m_portafoglio); });
    connect(&m.vendite, &DocumentoBilancio::cambiato, this, [this] { cambio(m_bilancio); });
    connect(&m.azioni, &DocumentoAzioni::salvato, this, &Ripristino::portafogliosalvato);
    connect(&m.vendite, &DocumentoBilancio::salvato, this, &Ripristino::bilanciosalvato);
}

void Ripristino::cambio(Voce& v)
{
    if (!m_attivo)
        return;
    v.cambiata = true;
    if (!m_insospeso.isValid())
        m_insospeso.start();
    // Written once the typing pauses, and at the latest two pauses after the oldest change.
    const qint64 resto = 2 * m_intervallo - m_insospeso.elapsed();
    m_timer.start(int(std::clamp<qint64>(resto, 0, m_intervallo)));
}

Ripristino::~Ripristino() = default;

void Ripristino::pulisci(const QString& cartella)
{
    if (cartella.isEmpty())
        return;
    // ".Velno-azioni-casa.Xa3kQ9": the temporary file of a save (ours, by its name), old
    // enough that no save of this moment is writing it.
    static const QRegularExpression nostro(
        QStringLiteral("^\\.(Velno-|recupero-|graficoAzioni|esempi-copiati).*\\.[A-Za-z0-9]{6}$"));
    const QDateTime prima = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList file = QDir(cartella).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& f : file)
        if (nostro.match(f.fileName()).hasMatch() && f.lastModified() < prima)
            QFile::remove(f.absoluteFilePath());
}

QString Ripristino::fileportafoglio() const { return QDir(m_cartella).filePath(QStringLiteral("recupero-azioni")); }
QString Ripristino::filebilancio() const { return QDir(m_cartella).filePath(QStringLiteral("recupero-bilancio")); }

QString Ripristino::testoportafoglio() const { return testorecuperoportafoglio(m_modulo.azioni.tabelle()); }

QString Ripristino::testobilancio() const
{
    const DocumentoBilancio& d = m_modulo.vendite;
    return testorecuperobilancio(d.tabelle(), d.ineuro());
}

void Ripristino::elimina(Voce& v, const QString& file)
{
    if (m_attivo) {
        QFile::remove(file);
        QFile::remove(filenome(file));
    }
    v.scritto = v.salvato;
    v.cambiata = false;
}

void Ripristino::portafogliosalvato()
{
    m_portafoglio.salvato = testoportafoglio();
    elimina(m_portafoglio, fileportafoglio());
}

void Ripristino::bilanciosalvato()
{
    m_bilancio.salvato = testobilancio();
    elimina(m_bilancio, filebilancio());
}

void Ripristino::aggiorna(Voce& v, const QString& testo, const QString& file, const QString& nomearchivio)
{
    if (!m_attivo)
        return;
    v.cambiata = false;
    if (testo == v.salvato) {
        if (v.scritto != v.salvato)
            elimina(v, file);   // typed back to what the archive holds
        return;
    }
    if (testo == v.scritto)
        return;
    QString errore;
    if (!QDir().mkpath(m_cartella))
        errore = QStringLiteral("impossibile creare la cartella");
    // The copy first, then its archive's name: a copy is never offered under another name.
    else if (scrivisicuro(file, codificaarchivio(testo), &errore, true)
             && scrivisicuro(filenome(file), nomearchivio.toUtf8(), &errore, true)) {
        v.scritto = testo;
        m_erroredetto = false;
        return;
    }
    // Not written: the next change tries again.
    v.cambiata = true;
    if (m_erroredetto)
        return;
    m_erroredetto = true;
    m_messaggi.mostra(Messaggio{
        QStringLiteral("Impossibile scrivere la copia di recupero dei dati non archiviati in \"%1\": %2. Archiviare i dati "
                       "con \"Salva\" per non perderli.")
            .arg(m_cartella, errore),
        m_modulo.nomeprogramma + QStringLiteral(": recupero dei dati non archiviati"), Icona::Esclamativa});
}

void Ripristino::controlla()
{
    m_timer.stop();
    m_insospeso.invalidate();
    const ModuloVelno& m = m_modulo;
    if (m_portafoglio.cambiata)
        aggiorna(m_portafoglio, testoportafoglio(), fileportafoglio(), m.azioni.nomefile());
    if (m_bilancio.cambiata)
        aggiorna(m_bilancio, testobilancio(), filebilancio(), m.vendite.nomefile());
}

void Ripristino::offri()
{
    if (m_offerto || !m_attivo)
        return;
    m_offerto = true;
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
    bool azioni = valida(fileportafoglio()), vendite = valida(filebilancio());
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
    ModuloVelno& m = m_modulo;
    const Messaggio domanda{
        QStringLiteral("Alcuni dati digitati il %1 alle %2 non erano stati archiviati: %3. Ripristinarli?\r"
                       "\"Ignora\" elimina la copia di recupero.")
            .arg(quando.toString(QStringLiteral("dd/MM/yy")), quando.toString(QStringLiteral("HH:mm")),
                 cosa.join(QStringLiteral(" e "))),
        m.nomeprogramma + QStringLiteral(": recupero dei dati non archiviati"), Icona::Domanda, Pulsanti::RipristinaIgnora};
    if (m_messaggi.mostra(domanda) != Risposta::Ripristina) {
        elimina(m_portafoglio, fileportafoglio());
        elimina(m_bilancio, filebilancio());
        return;
    }
    // A copy that cannot be read back is put aside, never overwritten, and the user told where.
    auto nonriuscito = [&](const QString& copia, const QString& errore) {
        const QString messa = copia + QStringLiteral(".non-ripristinata");
        QFile::remove(messa);
        QFile::rename(copia, messa);
        QFile::remove(filenome(copia));
        m_messaggi.mostra(Messaggio{
            QStringLiteral("Impossibile ripristinare la copia di recupero: %1. È stata conservata in \"%2\".")
                .arg(errore, messa),
            m.nomeprogramma + QStringLiteral(": recupero dei dati non archiviati"), Icona::Critica});
    };
    if (azioni) {
        QString errore;
        const auto testo = leggifilearchivio(fileportafoglio(), 64 * 1024 * 1024, QStringLiteral("la copia è troppo grande"), &errore);
        if (auto p = testo ? leggiarchivio(*testo, &errore) : std::nullopt) {
            contirecupero(*p);
            m.azioni.sostituisci(std::move(*p), leggitesto(filenome(fileportafoglio()), 64 * 1024), false);
        } else {
            nonriuscito(fileportafoglio(), errore);
            azioni = false;
        }
    }
    if (vendite) {
        QString errore;
        const auto testo = leggifilearchivio(filebilancio(), 64 * 1024 * 1024, QStringLiteral("la copia è troppo grande"), &errore);
        if (auto b = testo ? leggibilancio(*testo, &errore) : std::nullopt) {
            m.vendite.sostituisci(std::move(*b), leggitesto(filenome(filebilancio()), 64 * 1024), false);
        } else {
            nonriuscito(filebilancio(), errore);
            vendite = false;
        }
    }
    // What is back in memory is still not saved: its copy stays until a save.
    if (azioni) {
        m_portafoglio.salvato.clear();
        m_portafoglio.cambiata = true;
    } else {
        elimina(m_portafoglio, fileportafoglio());
    }
    if (vendite) {
        m_bilancio.salvato.clear();
        m_bilancio.cambiata = true;
    } else {
        elimina(m_bilancio, filebilancio());
    }
    controlla();
}
