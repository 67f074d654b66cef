#include "ambienteshell.h"
#include "didascalie.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "shell/guida.h"
#include "shell/guide.h"
#include "shell/sommario.h"
#include "controlli.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestGuide : public QObject {
    Q_OBJECT
private slots:
    void pagine_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("argomento");   // a word the page's text must speak of
        // In the contents' order: a text swapped between two pages fails here.
        const char* const argomenti[] = {"quotazioni", "finestr", "Velno-azioni-", "Azioni",  "saldo",
                                         "quotazion",  "scheda",  "graduatoria",   "bilancio", "mes",
                                         "grafic",     "piano",   "1936,27"};
        for (int riga = 1; riga <= 13; ++riga)
            QTest::newRow(pagineguida()[std::size_t(riga - 1)].nome) << riga << QString::fromUtf8(argomenti[riga - 1]);
    }

    void pagine()
    {
        QFETCH(int, riga);
        QFETCH(QString, argomento);
        const PaginaGuida& p = pagineguida()[std::size_t(riga - 1)];
        Ambiente e;
        auto& g = static_cast<FinestraGuida&>(e.finestre.mostra(paginaguida(riga)));
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.objectName(), QString::fromLatin1(p.nome));   // one class, made for its page
        QCOMPARE(g.windowTitle(), QStringLiteral("Guida in linea"));
        QCOMPARE(trova<QLabel>(g, "Label1")->text(), QString::fromUtf8(p.titolo));
        QCOMPARE(g.size(), QSize(p.larghezza / 15, 6825 / 15));

        // The text written for this page, built into the program, whole on screen.
        const QString testo = g.testo();
        QCOMPARE(testo, testoguida(QString::fromLatin1(p.nome)));
        QVERIFY(!testo.trimmed().isEmpty());
        QVERIFY2(testo.contains(argomento, Qt::CaseInsensitive), qPrintable(testo.left(80)));
        const QLabel* mostrato = trova<QLabel>(g, "Label2");
        QVERIFY(mostrato->text().contains(testo.split(u'\n').last().toHtmlEscaped()));
        QVERIFY(didascalietroncate(&g).isEmpty());
        const int serve = mostrato->heightForWidth(mostrato->width());
        QVERIFY2(serve <= mostrato->height(), qPrintable(QStringLiteral("%1 > %2").arg(serve).arg(mostrato->height())));

        // Its print: the heading, then "Guida: " and its own title, then its text.
        QTest::mouseClick(trova<QPushButton>(g, "cmdStampa"), Qt::LeftButton);
        QCOMPARE(e.finestre.documenti().size(), 1);
        QTextDocument* d = e.finestre.documenti().first()->documento();
        QStringList blocchi;
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            blocchi << b.text();
        QCOMPARE(blocchi.value(0), QStringLiteral("Velno"));
        QCOMPARE(blocchi.value(1), QStringLiteral("programma per la gestione dei titoli di velno"));
        const int t = int(blocchi.indexOf(QStringLiteral("Guida: ") + QString::fromUtf8(p.titolo)));
        QCOMPARE(t, 3);
        QCOMPARE(blocchi.mid(t + 1).join(u'\n'), testo);
        QCOMPARE(d->findBlockByNumber(t + 1).begin().fragment().charFormat().fontPointSize(), 12.0);
        QCOMPARE(d->findBlockByNumber(t + 1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    }

    void chiudi_scarica()
    {
        Ambiente e;
        FinestraGuida* g = &static_cast<FinestraGuida&>(e.finestre.mostra(Finestra::GuidaSaldo));
        trova<QPushButton>(*g, "cmdChiudi")->click();
        QVERIFY(!e.finestre.caricata(Finestra::GuidaSaldo));
        eliminarimandate();
        // Opened again: a new window, shown.
        FinestraGuida& nuova = static_cast<FinestraGuida&>(e.finestre.mostra(Finestra::GuidaSaldo));
        QVERIFY(nuova.isVisible());
        QCOMPARE(trova<QLabel>(nuova, "Label1")->text(), QStringLiteral("SALDO"));
        // The title bar's close unloads too.
        nuova.close();
        QVERIFY(!e.finestre.caricata(Finestra::GuidaSaldo));
    }

    void riscalatura()
    {
        Ambiente e;
        FinestraGuida& m = static_cast<FinestraGuida&>(e.finestre.mostra(Finestra::Manuale));
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        const QSize progetto = m.size();
        QLabel* l = trova<QLabel>(m, "Label2");
        QPushButton* c = trova<QPushButton>(m, "cmdChiudi");
        const QRect testo = l->geometry(), chiudi = c->geometry();
        m.resize(progetto * 2);
        QTRY_COMPARE(l->width(), testo.width() * 2);
        QCOMPARE(l->x(), testo.x() * 2);
        QVERIFY(std::abs(c->y() - chiudi.y() * 2) <= 1);
        m.resize(progetto);
        QTRY_COMPARE(l->geometry(), testo);
        QCOMPARE(c->geometry(), chiudi);
        // Smaller than its design, the text scrolls (it was cut off), and it can be selected.
        m.resize(progetto / 2);
        auto* scorrevole = m.findChild<QScrollArea*>(QStringLiteral("scorrevole"));
        QVERIFY(scorrevole);
        QTRY_VERIFY(scorrevole->verticalScrollBar()->maximum() > 0);
        QVERIFY(l->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
};

QTEST_MAIN(TestGuide)
#include "test_guide.moc"
