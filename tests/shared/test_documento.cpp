#include "didascalie.h"
#include "doppi.h"
#include "leggizip.h"
#include "shell/dialoghiqt.h"
#include "shared/documentotesto.h"
#include "shell/copiedocumento.h"
#include "shell/frmdocumento.h"
#include "shared/scritturasicura.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "ambiente.h"
#include "controlli.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>
#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QTextEdit>

class TestDocumento : public QObject {
    Q_OBJECT
private slots:
    void testoeparagrafi()
    {
        DocumentoTesto d;
        d.avvia();
        d.visibile(true);
        d.aggiungidocumento();
        d.carattere(QStringLiteral("Century Gothic"), 20);
        d.scrivi(QStringLiteral("primo\rsecondo\r\nterzo"));
        d.carattere(QStringLiteral("Arial"), 9);
        // A form feed or a tab stop in a text (a note read from a file) is a blank, no break.
        d.scrivi(QStringLiteral(" e") + QChar(12) + QStringLiteral("fine") + QChar(11));
        d.nuovapagina();
        d.scrivi(QStringLiteral("nuova pagina"));
        QStringList righe;
        for (QTextBlock b = d.documento()->begin(); b.isValid(); b = b.next())
            righe << b.text();
        QCOMPARE(righe, (QStringList{"primo", "secondo", "terzo e fine ", "nuova pagina"}));
        for (QTextBlock b = d.documento()->begin(); b != d.documento()->lastBlock(); b = b.next())
            QVERIFY(!(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore));
        const QTextBlock terzo = d.documento()->findBlockByNumber(2);
        QCOMPARE(terzo.begin().fragment().charFormat().fontPointSize(), 20.0);
        auto it = terzo.begin();
        ++it;
        QCOMPARE(it.fragment().charFormat().fontPointSize(), 9.0);
        QVERIFY(d.documento()->lastBlock().blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
        d.allineatutto(Documento::Allineamento::Giustificato);
        QCOMPARE(d.documento()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    }

    void tabelle()
    {
        DocumentoTesto d;
        d.aggiungidocumento();
        d.carattere(QStringLiteral("Century Gothic"), 12);
        const Documento::Intervallo fine = d.finedocumento();
        d.aggiungiparagrafo(fine);
        const int t = d.aggiungitabella(d.finedocumento(), 2, 3);
        QCOMPARE(t, 1);
        d.dimensionetabella(t, 8);
        d.testocella(t, 2, 3, QStringLiteral("ultima"));
        d.testocella(t, 3, 1, QStringLiteral("fuori"));   // no such row: nothing happens
        d.testocella(2, 1, 1, QStringLiteral("fuori"));   // no such table
        QTextTable* tab = d.tabella(1);
        const QTextTableCell c = tab->cellAt(1, 2);
        QCOMPARE(c.firstCursorPosition().block().text(), QStringLiteral("ultima"));
        const QTextCharFormat f = c.firstCursorPosition().block().begin().fragment().charFormat();
        QCOMPARE(f.fontPointSize(), 8.0);
        QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Century Gothic"));
        d.formatotabella(t, 1);
        QVERIFY(tab->cellAt(0, 0).format().background().style() != Qt::NoBrush);
        d.testointervallo(d.finedocumento(), 14, QStringLiteral("\rdopo"));
        QCOMPARE(d.documento()->lastBlock().text(), QStringLiteral("dopo"));
        QCOMPARE(d.documento()->lastBlock().begin().fragment().charFormat().fontPointSize(), 14.0);
    }

    void immagine_nelloesportazioni()
    {
        QTemporaryDir dir;
        QImage img(40, 20, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString png = dir.filePath(QStringLiteral("grafico.png"));
        QVERIFY(img.save(png));
        DocumentoTesto d;
        d.aggiungidocumento();
        d.scrivi(QStringLiteral("Grafico:\r"));
        d.immagine(png);
        d.immagine(dir.filePath(QStringLiteral("manca.png")));   // a missing picture adds nothing
        const QString docx = dir.filePath(QStringLiteral("g.docx"));
        QString errore;
        QVERIFY2(d.salva(docx, &errore), qPrintable(errore));
        const QByteArray xml = partezip(docx, "word/document.xml");
        QCOMPARE(xml.count("<w:drawing>"), 1);
        QVERIFY(xml.contains("r:embed=\"rId100\""));
        QVERIFY(partezip(docx, "word/_rels/document.xml.rels").contains("media/image1.png"));
        QImage letta;
        QVERIFY(letta.loadFromData(partezip(docx, "word/media/image1.png"), "PNG"));
        QCOMPARE(letta.size(), QSize(40, 20));
        QVERIFY(partezip(docx, "[Content_Types].xml").contains("image/png"));

        const QString odt = dir.filePath(QStringLiteral("g.odt"));
        QVERIFY2(d.salva(odt, &errore), qPrintable(errore));
        QVERIFY(partezip(odt, "content.xml").contains("Grafico:"));
    }

    void finestradeldocumento_letterediverse()
    {
        // Each item of the document window's menu has its own Alt letter.
        AmbienteFinestre e;
        frmDocumento w(e.finestre, new QTextDocument);
        for (const QMenu* m : w.menuBar()->findChildren<QMenu*>())
            QCOMPARE(mnemonicidoppi(m), QStringList());
    }

    void salvataggi_chiedonoperilnomescritto()
    {
        // A name typed without ".pdf" is written with it: an existing "x.pdf" is not replaced
        // unless the user says so. The copy for the word processor is in a folder of the
        // user's alone, never a shared one.
        QTemporaryDir dir;
        AmbienteFinestre e;
        auto* doc = new QTextDocument;
        doc->setPlainText(QStringLiteral("nuovo"));
        frmDocumento w(e.finestre, doc);
        const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
        QVERIFY(scrivisicuro(pdf, "vecchio", nullptr));
        e.dialoghi.prossimofile = dir.filePath(QStringLiteral("x"));
        w.salvapdf_Click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].testo, QStringLiteral("Il file \"%1\" esiste già. Sostituirlo?").arg(pdf));
        QCOMPARE(e.messaggi.registrati[0].pulsanti, Pulsanti::SiNo);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("vecchio"));
        f.close();
        e.messaggi.risposte.push_back(Risposta::Si);
        w.salvapdf_Click();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("%PDF"));

        QString aperto;
        w.apriesterno = [&](const QUrl& u) {
            aperto = u.toLocalFile();
            return true;
        };
        w.elaboratore_Click();
        const QFileInfo copia(aperto);
        QVERIFY(copia.exists());
        QVERIFY(!aperto.startsWith(QDir::temp().filePath(QStringLiteral("velno/"))));
        QCOMPARE(QFileInfo(copia.absolutePath()).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        QCOMPARE(copia.absolutePath(), cartellacopie());
    }

    void tabellepiene_sistampanoinsecondi()
    {
        // A report shown in its window, whose table has cells as full as a box can make them
        // (32,767 characters): saved as PDF it takes seconds (Qt first laid the copy out at
        // the screen's width in the printer's pixels, one letter a line, for many minutes).
        AmbienteFinestre e;
        const auto d = e.finestre.elaboratore();
        d->avvia();
        d->visibile(true);
        d->aggiungidocumento();
        const int t = d->aggiungitabella(d->finedocumento(), 12, 10);
        const QString lettere = QString::fromUtf8("ȜA)suCąNKcFGö(/6”G¿(…6Û Ă4(8yˊ:é%Q8/,645£qi");
        QString pieno;
        for (int k = 0; pieno.size() < 32767; ++k)
            pieno += lettere.at(k % lettere.size());
        for (int r = 1; r <= 12; ++r)
            for (int k = 1; k <= 10; ++k)
                d->testocella(t, r, k, (r == 8 && k == 5) || (r == 9 && k == 9) || (r == 10 && k == 6) ? pieno : QStringLiteral("12,5"));
        frmDocumento* w = e.finestre.documenti().constFirst();
        QCoreApplication::processEvents();
        QVERIFY(w->documento()->pageSize().width() > 0);   // the window gave it its width
        QTemporaryDir dir;
        e.dialoghi.prossimofile = dir.filePath(QStringLiteral("pieno.pdf"));
        QElapsedTimer orologio;
        orologio.start();
        w->salvapdf_Click();
        QVERIFY2(orologio.elapsed() < 60000, qPrintable(QString::number(orologio.elapsed())));
        QVERIFY(QFileInfo(e.dialoghi.prossimofile).size() > 1000);
    }

    void corsalunga_entranellapagina()
    {
        // A pasted row of characters with no blank, in a cell: it wraps within the page (laid
        // out whole it widened the table far past it, and took seconds) and reads as typed.
        DocumentoTesto d;
        d.aggiungidocumento();
        const int t = d.aggiungitabella(d.finedocumento(), 2, 3);
        QString lunga;
        for (int k = 0; k < 3000; ++k)
            lunga += QChar(u'a' + k % 26);
        d.testocella(t, 1, 2, lunga);
        d.testocella(t, 2, 1, QStringLiteral("Generali"));
        QTextDocument* doc = d.documento();
        doc->setPageSize(QSizeF(595, 842));
        QVERIFY(doc->documentLayout()->frameBoundingRect(d.tabella(t)).width() <= 595);
        QCOMPARE(selezionacella(d.tabella(t)->cellAt(0, 1)).selectedText().remove(QChar(0x200B)), lunga);
        QCOMPARE(selezionacella(d.tabella(t)->cellAt(1, 0)).selectedText(), QStringLiteral("Generali"));
    }

    void paragrafolungo_spezzato()
    {
        // Notes pasted whole, 25,000 characters in one paragraph: printed as paragraphs of
        // about 10,000, every word kept (Qt took minutes over one of 200,000 across pages).
        DocumentoTesto d;
        d.aggiungidocumento();
        QString testo = QStringLiteral("inizio");
        for (int k = 0; testo.size() < 25000; ++k)
            testo += QStringLiteral(" voce%1").arg(k);
        d.scrivi(testo);
        QStringList paragrafi;
        for (QTextBlock b = d.documento()->begin(); b.isValid(); b = b.next())
            paragrafi << b.text();
        QVERIFY(paragrafi.size() >= 3);
        for (const QString& p : paragrafi)
            QVERIFY(p.size() <= 10060);
        QCOMPARE(paragrafi.join(u' '), testo);
    }

    void finestradeldocumento_impaginailtuttounavolta()
    {
        // A print opens the window, then writes its document: the box lays the document out
        // once it is whole, not again at every cell (a hundred holdings took minutes).
        AmbienteFinestre e;
        const auto d = e.finestre.elaboratore();
        d->avvia();
        d->visibile(true);
        d->aggiungidocumento();
        QCOMPARE(e.finestre.documenti().size(), 1);
        frmDocumento* w = e.finestre.documenti().constFirst();
        QVERIFY(w->isVisible());
        QSignalSpy impaginazioni(trova<QTextEdit>(*w, "testo")->document()->documentLayout(), &QAbstractTextDocumentLayout::update);
        const int t = d->aggiungitabella(d->finedocumento(), 40, 5);
        for (int r = 1; r <= 40; ++r)
            for (int k = 1; k <= 5; ++k)
                d->testocella(t, r, k, QStringLiteral("riga %1\rcolonna %2").arg(r).arg(k));
        d->allineacolonna(t, 2, Documento::Allineamento::Destra);
        QCOMPARE(impaginazioni.count(), 0);   // nothing laid out while the print writes
        QCoreApplication::processEvents();
        QCOMPARE(trova<QTextEdit>(*w, "testo")->document(), w->documento());
        QVERIFY(trova<QTextEdit>(*w, "testo")->isReadOnly());
        QVERIFY(trova<QTextEdit>(*w, "testo")->toPlainText().contains(QStringLiteral("riga 40")));
    }

    void filtri_comeliscrive()
    {
        // The open dialog lists its filters as written: "Tutti i file (*.*)", with nothing
        // added by Qt after it.
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        impostadialogo(d, RichiestaFile{QString(), QStringLiteral("Tutti i file (*.*)|*.*|File Velno-azioni- | Velno-azioni-*"), 2},
                       QFileDialog::AcceptOpen);
        auto* tipi = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(tipi);
        QStringList voci;
        for (int k = 0; k < tipi->count(); ++k)
            voci << tipi->itemText(k);
        QCOMPARE(voci, (QStringList{"Tutti i file (*.*)", "File Velno-azioni-"}));
        QCOMPARE(tipi->currentIndex(), 1);
        // "Every file" takes names without a dot, as archives are named.
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("Velno-azioni-casa")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(QDir(dir.path()).entryList(d.nameFilters().constFirst().section(u'(', -1).chopped(1).split(u' '), QDir::Files),
                 QStringList{"Velno-azioni-casa"});
    }
};

QTEST_MAIN(TestDocumento)
#include "test_documento.moc"
