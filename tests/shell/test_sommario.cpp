#include "ambienteshell.h"
#include "didascalie.h"
#include "leggizip.h"
#include "portfolio/frmazioni.h"
#include "shell/frmdocumento.h"
#include "shell/guida.h"
#include "shell/informa.h"
#include "shell/sommario.h"
#include "controlli.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {
QStringList grassetti(const sommario& s)
{
    QStringList r;
    for (int i = 1; i <= sommario::righe; ++i)
        if (trova<QLabel>(s, "lbl", i)->font().bold())
            r << trova<QLabel>(s, "lbl", i)->objectName();
    return r;
}

const char* const titolipagine[] = {
    "MANUALE D'USO RAPIDO", "FUNZIONAMENTO DEL PROGRAMMA", "ARCHIVIO DATI", "FINESTRA AZIONI", "SALDO",
    "QUOTAZIONI PERIODICHE", "FINESTRA SINGOLO TITOLO", "GRADUATORIA DEGLI INCREMENTI",
    "FINESTRA BILANCIO ANNUALE", "FINESTRA BILANCIO MENSILE E PLURIENNALE", "FINESTRA GRAFICI",
    "FINESTRA PIANO STRATEGICO", "TRASFORMAZIONI IN EURO"};
} // namespace

class TestSommario : public QObject {
    Q_OBJECT
private slots:
    void allapertura()
    {
        Ambiente e;
        sommario& s = e.finestre.mostra<sommario>();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.windowTitle(), QStringLiteral("Guida in linea: sommario"));
        QCOMPARE(s.size(), QSize(3975 / 15, 6825 / 15));
        QCOMPARE(trova<QLabel>(s, "lbl", 1)->text(), QStringLiteral(" Manuale d'uso rapido"));
        QCOMPARE(trova<QLabel>(s, "lbl", 14)->text(), QStringLiteral("  Suggerimento del giorno"));
        QVERIFY(grassetti(s).isEmpty());
        QVERIFY(didascalietroncate(&s).isEmpty());
    }

    void ungrassettoallavolta()
    {
        Ambiente e;
        sommario& s = e.finestre.mostra<sommario>();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTest::mouseMove(trova<QLabel>(s, "lbl", 3), QPoint(20, 10));
        QTRY_COMPARE(grassetti(s), QStringList{QStringLiteral("lbl_3")});
        QTest::mouseMove(trova<QLabel>(s, "lbl", 5), QPoint(30, 8));
        QTRY_COMPARE(grassetti(s), QStringList{QStringLiteral("lbl_5")});
        // A bold label with its longer text still fits.
        QVERIFY(didascalietroncate(&s).isEmpty());
        QTest::mouseMove(&s, QPoint(s.width() - 4, trova<QLabel>(s, "lbl", 7)->y() + 4));   // the background, right of the rows
        QTRY_VERIFY(grassetti(s).isEmpty());
    }

    void pressione_eapertura()
    {
        Ambiente e;
        sommario& s = e.finestre.mostra<sommario>();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTest::mousePress(trova<QLabel>(s, "lbl", 2), Qt::LeftButton);
        QCOMPARE(trova<QLabel>(s, "lbl", 2)->frameShape(), QFrame::NoFrame);   // the pressed look
        QVERIFY(e.finestre.caricata(Finestra::GuidaFunzionamento));
        QVERIFY(e.finestre.finestra(Finestra::GuidaFunzionamento).isVisible());
        QTest::mouseRelease(trova<QLabel>(s, "lbl", 2), Qt::LeftButton);
        QCOMPARE(trova<QLabel>(s, "lbl", 2)->frameShape(), QFrame::Panel);
        QCOMPARE(trova<QLabel>(s, "lbl", 3)->frameShape(), QFrame::Panel);
    }

    void riapertomantienelostato()
    {
        Ambiente e;
        frmAzioni& a = e.finestre.azioni();
        a.show();
        trova<QPushButton>(a, "Command1")->click();
        sommario* s = &e.finestre.finestra<sommario>();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        s->resize(340, 520);
        s->lbl_MouseMove(6);
        QTest::mouseClick(trova<QPushButton>(*s, "cmdchiudi"), Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QVERIFY(e.finestre.caricata<sommario>());
        a.findChild<QAction*>(QStringLiteral("guida"))->trigger();
        QCOMPARE(&e.finestre.finestra<sommario>(), s);
        QVERIFY(s->isVisible());
        QCOMPARE(s->size(), QSize(340, 520));
        QCOMPARE(grassetti(*s), QStringList{QStringLiteral("lbl_6")});
    }

    void uscita_chiedeconferma()
    {
        Ambiente e;
        sommario& s = e.finestre.mostra<sommario>();
        trova<QPushButton>(s, "uscita")->click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        QCOMPARE(e.messaggi.registrati[0].testo, QStringLiteral("Vuoi uscire da Velno?"));
        QVERIFY(s.isVisible());
    }

    // The whole guide: thirteen sections, one a page, saved in the user's folder and left open.
    void guidaintera()
    {
        QTemporaryDir d;
        Ambiente e;
        e.modulo.cartella = d.filePath(QStringLiteral("nuova/Velno"));   // not there yet
        sommario& s = e.finestre.mostra<sommario>();
        trova<QPushButton>(s, "cmdstampa")->click();
        QVERIFY2(e.messaggi.registrati.isEmpty(), qPrintable(e.messaggi.registrati.value(0).testo));
        QCOMPARE(e.finestre.documenti().size(), 1);
        QVERIFY(e.finestre.documenti().first()->isVisible());
        QTextDocument* doc = e.finestre.documenti().first()->documento();

        QStringList titoli;
        int interruzioni = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (b.text().startsWith(u"Guida: "))
                titoli << b.text().mid(7);
            if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
                ++interruzioni;
                // Each page starts with its section's title.
                QTextBlock t = b;
                while (t.isValid() && t.text().isEmpty())
                    t = t.next();
                QVERIFY(t.text().startsWith(u"Guida: "));
            }
        }
        QStringList attesi;
        for (const char* t : titolipagine)
            attesi << QString::fromLatin1(t);
        QCOMPARE(titoli, attesi);
        QCOMPARE(interruzioni, 12);
        QVERIFY(doc->toPlainText().startsWith(QStringLiteral("Velno\nprogramma per la gestione dei titoli di velno")));
        // Each section carries its page's text.
        QVERIFY(doc->toPlainText().contains(static_cast<FinestraGuida&>(e.finestre.finestra(Finestra::GuidaEuro)).testo().left(60)));

        const QString file = d.filePath(QStringLiteral("nuova/Velno/Velno-guida.docx"));
        QVERIFY(QFile::exists(file));
        const QByteArray xml = partezip(file, "word/document.xml");
        QCOMPARE(xml.count("<w:pageBreakBefore/>"), 12);
        QVERIFY(xml.contains("Guida: TRASFORMAZIONI IN EURO"));
        // The help windows read for the print stay hidden.
        QVERIFY(!static_cast<FinestraGuida&>(e.finestre.finestra(Finestra::Manuale)).isVisible());
    }

    void guidaintera_cartellanonscrivibile()
    {
        QTemporaryDir d;
        QFile ostacolo(d.filePath(QStringLiteral("file")));
        QVERIFY(ostacolo.open(QIODevice::WriteOnly));
        ostacolo.close();
        Ambiente e;
        e.modulo.cartella = d.filePath(QStringLiteral("file/Velno"));   // a file stands where the folder should be
        trova<QPushButton>(e.finestre.mostra<sommario>(), "cmdstampa")->click();
        QCOMPARE(e.messaggi.registrati.size(), 1);
        const Messaggio m = e.messaggi.registrati[0];
        QCOMPARE(m.icona, Icona::Critica);
        QCOMPARE(m.titolo, QStringLiteral("Velno: aiuto in linea"));
        QVERIFY(m.testo.startsWith(QStringLiteral("Impossibile salvare la guida nel file \"") + d.filePath(QStringLiteral("file/Velno/Velno-guida.docx"))));
        // The guide is not lost: it stays open in its window.
        QCOMPARE(e.finestre.documenti().size(), 1);
        QVERIFY(e.finestre.documenti().first()->documento()->toPlainText().contains(QStringLiteral("Guida: SALDO")));
    }

    void informazioni()
    {
        Ambiente e;
        informa* i = &e.finestre.mostra<informa>();
        QVERIFY(QTest::qWaitForWindowExposed(i));
        QCOMPARE(i->windowTitle(), QStringLiteral("Informazioni su Velno"));
        QCOMPARE(trova<QLabel>(*i, "Label1")->text(), QStringLiteral("Velno"));
        QCOMPARE(trova<QLabel>(*i, "Label2")->text(), QStringLiteral("programma per la gestione dei titoli di velno"));
        QCOMPARE(trova<QLabel>(*i, "Label5")->text(), QStringLiteral("per sistemi Linux a %1 bit ").arg(QSysInfo::WordSize));
        QCOMPARE(trova<QLabel>(*i, "Label6")->text(), QStringLiteral("2.04.08"));
        QCOMPARE(trova<QLabel>(*i, "Label1")->font().weight(), QFont::Black);
        QVERIFY(didascalietroncate(i).isEmpty());
        QTest::mouseClick(trova<QPushButton>(*i, "cmdOK"), Qt::LeftButton);
        QVERIFY(!i->isVisible());
        QVERIFY(e.finestre.caricata<informa>());
        QCOMPARE(&e.finestre.mostra<informa>(), i);
        QVERIFY(i->isVisible());
    }
};

QTEST_MAIN(TestSommario)
#include "test_sommario.moc"
