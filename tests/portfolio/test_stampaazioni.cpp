#include "doppi.h"
#include "leggizip.h"
#include "portfolio/frmazioni.h"
#include "portfolio/stampaazioni.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"
#include "controlli.h"
#include "ambiente.h"
#include "celle.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLabel>
#include <QStandardPaths>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextTable>

namespace {

Portfolio tretitoli()
{
    Portfolio p;
    const QStringList nomi{"Fiat", "Eni", "Generali Ass."};
    const QStringList quantita{"1500", "10", "abc"};
    const QStringList prezzi{"14500", "12,50", "6.1"};
    for (int i = 1; i <= 3; ++i) {
        p.nomititoli[i] = nomi[i - 1];
        p.quantitatitoli[i] = quantita[i - 1];
        p.prezzititoli[i] = prezzi[i - 1];
        p.dateacquisto[i] = QStringLiteral("0%1/01/99").arg(i);
    }
    for (int c = 1; c <= 7; ++c)
        p.datequotazioni[c] = QStringLiteral("%1/02/99").arg(c + 10);
    p.quotazioni(3, 1) = QStringLiteral("12.5");
    p.quotazioni(4, 1) = QStringLiteral("1500");
    p.quotazioni(3, 2) = QStringLiteral("7");
    p.numerotitoli = 3;
    p.numerocolonne = 7;
    p.strategia = QStringLiteral("Comprare a marzo.\nVendere a giugno.");
    return p;
}

StampaAzioni dati()
{
    StampaAzioni s;
    s.nomeprogramma = QStringLiteral("Velno");
    s.descrizione = QStringLiteral("programma per la gestione dei titoli di velno");
    s.primacolonna = 3;
    s.guadagni[2] = QStringLiteral("25,00");
    s.guadagni[4] = QStringLiteral("-1.010,50");
    s.totale = QStringLiteral("totale costo iniziale azioni.............euro");
    s.totaleiniziale = QStringLiteral("11.357,43");
    s.totaleal = QStringLiteral("quotazioni al...13/02/99..............euro");
    s.totaledatato = QStringLiteral("18.820,00");
    s.totinvestito = QStringLiteral("investimento al 13/02/99............euro");
    s.totalecorrente = QStringLiteral("11.357,43");
    return s;
}

Qt::Alignment allineamento(QTextTable* t, int r, int k)
{
    return t->cellAt(r - 1, k - 1).firstCursorPosition().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

QString esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestStampaAzioni : public QObject {
    Q_OBJECT
private slots:
    void intestazione()
    {
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QTextBlock b = d.documento()->begin();
        const QStringList attesi{"Velno", "programma per la gestione dei titoli di velno", "",
                                 "Azioni acquistate e quotazioni periodiche"};
        const QList<double> dimensioni{20, 16, 16, 12};
        for (int k = 0; k < attesi.size(); ++k, b = b.next()) {
            QCOMPARE(b.text(), attesi[k]);
            if (!b.text().isEmpty()) {
                const QTextCharFormat f = b.begin().fragment().charFormat();
                QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Century Gothic"));
                QCOMPARE(f.fontPointSize(), dimensioni[k]);
            }
        }
    }

    void tabellatitoli()
    {
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QCOMPARE(d.tabelle(), 2);
        QTextTable* t = d.tabella(1);
        QCOMPARE(t->rows(), 5);
        QCOMPARE(t->columns(), 10);
        const QStringList intestazioni{"n.", "titolo", "data d'acquisto", "quantità", "prezzo d'acquisto",
                                       "13/02/99", "14/02/99", "15/02/99", "16/02/99", "17/02/99"};
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(cella(t, 1, k), intestazioni[k - 1]);
        QCOMPARE(cella(t, 2, 1), QStringLiteral(" 1"));
        QCOMPARE(cella(t, 2, 2), QStringLiteral("Fiat"));
        QCOMPARE(cella(t, 2, 3), QStringLiteral("01/01/99"));
        QCOMPARE(cella(t, 2, 4), QStringLiteral("1.500"));       // one thousand five hundred
        QCOMPARE(cella(t, 3, 4), QStringLiteral("10"));
        QCOMPARE(cella(t, 4, 4), QStringLiteral("abc"));         // no number: as typed
        QCOMPARE(cella(t, 2, 5), QStringLiteral("14500"));       // prices exactly as typed
        QCOMPARE(cella(t, 3, 5), QStringLiteral("12,50"));
        QCOMPARE(cella(t, 4, 5), QStringLiteral("6.1"));
        QCOMPARE(cella(t, 2, 6), QStringLiteral("12,5000"));     // twelve point five
        QCOMPARE(cella(t, 2, 7), QStringLiteral("1.500,0000"));
        QCOMPARE(cella(t, 3, 6), QStringLiteral("7,0000"));
        QCOMPARE(cella(t, 4, 6), QString());                     // an empty quotation
        QCOMPARE(cella(t, 5, 5), QStringLiteral("guadagno"));
        QCOMPARE(cella(t, 5, 6), QString());                     // never computed
        QCOMPARE(cella(t, 5, 7), QStringLiteral("25,0000"));
        QCOMPARE(cella(t, 5, 9), QStringLiteral("-1.010,5000"));
        const QTextCharFormat f = t->cellAt(1, 1).firstCursorPosition().charFormat();
        QCOMPARE(f.fontPointSize(), 8.0);
        for (int k = 1; k <= 10; ++k)
            for (int r = 1; r <= 5; ++r)
                QCOMPARE(allineamento(t, r, k), k >= 3 ? Qt::AlignRight : Qt::AlignLeft);
    }

    void totalienote()
    {
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QTextTable* t = d.tabella(2);
        QCOMPARE(t->rows(), 4);
        QCOMPARE(t->columns(), 2);
        QCOMPARE(cella(t, 1, 1), QStringLiteral("dati generali"));
        QCOMPARE(cella(t, 1, 2), QStringLiteral("valori"));
        QCOMPARE(cella(t, 2, 1), QStringLiteral("totale costo iniziale azioni.............euro"));
        QCOMPARE(cella(t, 3, 2), QStringLiteral("18.820,00"));
        QCOMPARE(cella(t, 4, 1), QStringLiteral("investimento al 13/02/99............euro"));
        QCOMPARE(t->cellAt(0, 0).firstCursorPosition().charFormat().fontPointSize(), 12.0);
        for (int r = 1; r <= 4; ++r) {
            QCOMPARE(allineamento(t, r, 1), Qt::AlignLeft);
            QCOMPARE(allineamento(t, r, 2), Qt::AlignRight);
        }
        // After the totals: a blank line, the heading of the notes, the notes.
        QTextCursor c(d.documento());
        c.setPosition(t->lastPosition() + 1);
        QStringList righe;
        for (QTextBlock b = c.block(); b.isValid(); b = b.next())
            righe << b.text();
        while (!righe.isEmpty() && righe.first().isEmpty())
            righe.removeFirst();
        QCOMPARE(righe, (QStringList{"Appunti di strategia:", "Comprare a marzo.", "Vendere a giugno."}));
        QTextBlock ultimo = d.documento()->lastBlock();
        QCOMPARE(ultimo.begin().fragment().charFormat().fontPointSize(), 12.0);
    }

    void docx_e_pdf()
    {
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QTemporaryDir dir;
        const QString docx = dir.filePath(QStringLiteral("azioni.docx"));
        QString errore;
        QVERIFY2(d.salva(docx, &errore), qPrintable(errore));
        const QByteArray xml = partezip(docx, "word/document.xml");
        QVERIFY(!xml.isEmpty());
        QCOMPARE(xml.count("<w:tbl>"), 2);
        QCOMPARE(xml.count("<w:tr>"), 5 + 4);
        for (const char* testo : {"Azioni acquistate e quotazioni periodiche", "12,5000", "1.500", "guadagno",
                                  "dati generali", "Appunti di strategia:", "URW Gothic"})
            QVERIFY2(xml.contains(testo), testo);
        QVERIFY(xml.contains("<w:jc w:val=\"right\"/>"));
        QVERIFY(xml.contains("<w:sz w:val=\"16\"/>"));   // 8 points
        QVERIFY(partezip(docx, "word/fontTable.xml").contains("Century Gothic"));   // its other name
        QVERIFY(!partezip(docx, "[Content_Types].xml").isEmpty());

        const QString pdf = dir.filePath(QStringLiteral("azioni.pdf"));
        QVERIFY2(d.salva(pdf, &errore), qPrintable(errore));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const QString testo = esegui(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(testo.contains(QStringLiteral("Azioni acquistate e quotazioni periodiche")), qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("12,5000")));
        QVERIFY(esegui(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("URWGothic")));
    }

    void tabelle_staccate_comenelfile()
    {
        // On screen and in the file, one empty line between the two tables, none between the
        // heading and the first.
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QTextDocument* doc = d.documento();
        doc->setPageSize(QSizeF(800, 100000));
        auto* layout = doc->documentLayout();
        const QRectF t1 = layout->frameBoundingRect(d.tabella(1)), t2 = layout->frameBoundingRect(d.tabella(2));
        const double riga = QFontMetricsF(doc->defaultFont()).height();
        QVERIFY2(t2.top() - t1.bottom() >= riga * 0.8, qPrintable(QStringLiteral("%1 .. %2").arg(t1.bottom()).arg(t2.top())));
        QTemporaryDir dir;
        const QString docx = dir.filePath(QStringLiteral("azioni.docx"));
        QString errore;
        QVERIFY(d.salva(docx, &errore));
        const QByteArray xml = partezip(docx, "word/document.xml");
        const qsizetype fine1 = xml.indexOf("</w:tbl>"), inizio2 = xml.indexOf("<w:tbl>", fine1);
        QCOMPARE(xml.mid(fine1, inizio2 - fine1).count("<w:p>"), 1);
        const qsizetype inizio1 = xml.indexOf("<w:tbl>");
        QVERIFY(xml.lastIndexOf("Azioni acquistate", inizio1) > xml.lastIndexOf("<w:p>", inizio1));
    }

    void docx_inlibreoffice()
    {
        // What a user sees opening the file in LibreOffice: URW Gothic, and no word or
        // figure broken across lines in the narrow columns.
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("LibreOffice non è installato su questa macchina");
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QTemporaryDir dir;
        const QString docx = dir.filePath(QStringLiteral("azioni.docx"));
        QString errore;
        QVERIFY(d.salva(docx, &errore));
        QProcess lo;
        lo.setWorkingDirectory(dir.path());
        lo.start(QStringLiteral("soffice"), {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profilo")),
                                              QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                                              QStringLiteral("--outdir"), dir.path(), docx});
        QVERIFY(lo.waitForFinished(180000));
        const QString pdf = dir.filePath(QStringLiteral("azioni.pdf"));
        QVERIFY2(QFile::exists(pdf), lo.readAllStandardError().constData());
        QVERIFY(esegui(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("URWGothic")));
        const QString testo = esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        for (const char* intero : {"quantità", "data d'acquisto", "prezzo d'acquisto", "12,5000", "1.500", "13/02/99",
                                   "Generali Ass.", "-1.010,5000"})
            QVERIFY2(testo.contains(QString::fromUtf8(intero)), intero);
    }

    void salvataggio_fallito()
    {
        DocumentoTesto d;
        stampaazioni(d, tretitoli(), dati());
        QString errore;
        QVERIFY(!d.salva(QStringLiteral("/cartella-che-non-esiste/azioni.docx"), &errore));
        QVERIFY(!errore.isEmpty());
        QVERIFY(!d.salva(QStringLiteral("/cartella-che-non-esiste/azioni.pdf"), &errore));
    }

    // A marker hidden by a later saldo keeps its old figure: the report prints only the one on
    // screen, under its own column.
    void guadagno_solodelmarcatorevisibile()
    {
        AmbienteFinestre e;
        e.p() = tretitoli();
        frmAzioni& a = e.a();
        trova<QScrollBar>(a, "HScroll1")->setValue(3);   // columns 3..7
        trova<QScrollBar>(a, "VScroll1")->setValue(3);   // where the print puts the grid: its redraw changes no box
        trova<QPushButton>(a, "saldo", 1)->click();
        const QString vecchio = trova<QLabel>(a, "guadagno", 1)->text();
        trova<QPushButton>(a, "saldo", 2)->click();
        QVERIFY(trova<QLabel>(a, "guadagno", 1)->isHidden() && !vecchio.isEmpty());
        a.findChild<QAction*>(QStringLiteral("solodati"))->trigger();
        QCOMPARE(e.finestre.documenti().size(), 1);
        QTextTable* t = nullptr;
        for (QTextBlock b = e.finestre.documenti()[0]->documento()->begin(); b.isValid() && !t; b = b.next())
            t = QTextCursor(b).currentTable();
        QVERIFY(t);
        const int ultima = t->rows() - 1;
        auto cella = [&](int colonna) {
            const QTextTableCell x = t->cellAt(ultima, colonna);
            QTextCursor k = x.firstCursorPosition();
            k.setPosition(x.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            return k.selectedText();
        };
        QCOMPARE(cella(4), QStringLiteral("guadagno"));
        QVERIFY(cella(5).isEmpty());
        QVERIFY(!cella(6).isEmpty());
        for (int colonna = 7; colonna <= 9; ++colonna)
            QVERIFY(cella(colonna).isEmpty());
    }

    void dallafinestra()
    {
        AmbienteFinestre e;
        frmAzioni& a = e.a();
        // Nothing established yet: refused, no document.
        a.pulsante[5]->trigger();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0], (Messaggio{QStringLiteral("Immettere prima i dati."),
                                                    QStringLiteral("Velno: stampa dati finestra"), Icona::Esclamativa}));
        QVERIFY(e.finestre.documenti().isEmpty());

        e.p() = tretitoli();
        for (int i = 20; i <= 30; ++i) {   // beyond the first ten rows: the totals must cover them
            e.p().nomititoli[i] = QStringLiteral("T%1").arg(i);
            e.p().quantitatitoli[i] = QStringLiteral("1");
            e.p().prezzititoli[i] = QStringLiteral("1");
            e.p().dateacquisto[i] = QStringLiteral("01/01/99");
        }
        for (int i = 4; i < 20; ++i) {
            e.p().nomititoli[i] = QStringLiteral("R%1").arg(i);
            e.p().quantitatitoli[i] = QStringLiteral("1");
            e.p().prezzititoli[i] = QStringLiteral("1");
            e.p().dateacquisto[i] = QStringLiteral("01/01/99");
        }
        e.p().numerotitoli = 30;
        a.aggiornatitoli();
        a.findChild<QAction*>(QStringLiteral("solodati"))->trigger();
        QCOMPARE(trova<QScrollBar>(a, "VScroll1")->value(), 30);
        QCOMPARE(e.finestre.documenti().size(), 1);
        frmDocumento* w = e.finestre.documenti()[0];
        QVERIFY(w->isVisible());
        const QString testo = w->documento()->toPlainText();
        QVERIFY(testo.contains(QStringLiteral("T30")));
        // The window shows the report once the print is over (it is laid out then, once).
        QTRY_COMPARE(trova<QTextEdit>(*w, "testo")->document(), w->documento());
        QVERIFY(trova<QTextEdit>(*w, "testo")->toPlainText().contains(QStringLiteral("T30")));
        QVERIFY(testo.contains(trova<QLabel>(a, "totaleiniziale")->text()));
        QCOMPARE(trova<QLabel>(a, "totaleiniziale")->text(), QStringLiteral("21.750.147,00"));   // 1500 x 14500 + 10 x 12 + 27 x 1

        // Saving from the document window, and a folder that refuses it.
        QTemporaryDir dir;
        e.dialoghi.prossimofile = dir.filePath(QStringLiteral("rapporto"));
        w->salvapdf_Click();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("rapporto.pdf"))));
        w->salvadocx_Click();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("rapporto.docx"))));
        e.dialoghi.prossimofile = QStringLiteral("/cartella-che-non-esiste/rapporto.pdf");
        w->salvapdf_Click();
        QCOMPARE(e.messaggi.registrati.last().icona, Icona::Critica);
        QVERIFY(e.messaggi.registrati.last().testo.contains(QStringLiteral("/cartella-che-non-esiste/rapporto.pdf")));
        // No word processor on the desktop: told, with where the file is.
        QString aperto;
        w->apriesterno = [&](const QUrl& u) { aperto = u.toLocalFile(); return false; };
        w->elaboratore_Click();
        QVERIFY(aperto.endsWith(QStringLiteral(".docx")));
        QVERIFY(QFile::exists(aperto));
        QVERIFY(e.messaggi.registrati.last().testo.contains(aperto));
        QFile::remove(aperto);
        // Printing changed nothing in the Portfolio.
        QCOMPARE(e.p().nomititoli[1], QStringLiteral("Fiat"));
    }
};

QTEST_MAIN(TestStampaAzioni)
#include "test_stampaazioni.moc"
