#include "ambienteshell.h"
#include "didascalie.h"
#include "shared/documentotesto.h"
#include "shell/frmdocumento.h"
#include "shell/guida.h"
#include "shell/guide.h"
#include "shell/sommario.h"

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
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<int>("larghezza");   // twips
        QTest::addColumn<int>("lunghezza");   // characters of the text, about
        QTest::addColumn<QString>("argomento"); // a word the text must speak of
        const struct {
            const char *nome, *titolo;
            int larghezza, lunghezza;
            const char* argomento;
        } pagine[] = {
            {"manuale", "MANUALE D'USO RAPIDO", 9600, 2262, "quotazioni"},
            {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA", 5640, 1245, "finestr"},
            {"guidaarchivio", "ARCHIVIO DATI", 5640, 1251, "Velno-azioni-"},
            {"guidaAZIONI", "FINESTRA AZIONI", 5640, 1274, "Azioni"},
            {"guidasaldo", "SALDO", 5640, 1235, "saldo"},
            {"guidaquotazioni", "QUOTAZIONI PERIODICHE", 5640, 1241, "quotazion"},
            {"guidasingola", "FINESTRA SINGOLO TITOLO", 5640, 1251, "scheda"},
            {"guidagraduatoria", "GRADUATORIA DEGLI INCREMENTI", 5640, 1244, "graduatoria"},
            {"guidabilancio", "FINESTRA BILANCIO ANNUALE", 5640, 1235, "bilancio"},
            {"guidAMENSILE", "FINESTRA BILANCIO MENSILE E PLURIENNALE", 5640, 1250, "mes"},
            {"guidagrafici", "FINESTRA GRAFICI", 5640, 1247, "grafic"},
            {"guidapiano", "FINESTRA PIANO STRATEGICO", 5640, 1297, "piano"},
            {"guidaeuro", "TRASFORMAZIONI IN EURO", 5640, 1306, "1936,27"},
        };
        int riga = 0;
        for (const auto& p : pagine)
            QTest::newRow(p.nome) << ++riga << QString::fromLatin1(p.nome) << QString::fromLatin1(p.titolo)
                                  << p.larghezza << p.lunghezza << QString::fromUtf8(p.argomento);
    }

    void pagine()
    {
        QFETCH(int, riga);
        QFETCH(QString, nome);
        QFETCH(QString, titolo);
        QFETCH(int, larghezza);
        QFETCH(int, lunghezza);
        QFETCH(QString, argomento);
        Ambiente e;
        auto& g = static_cast<FinestraGuida&>(e.finestre.mostra(paginaguida(riga)));
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.objectName(), nome);   // one class, made for its page
        QCOMPARE(g.windowTitle(), QStringLiteral("Guida in linea"));
        QCOMPARE(g.Label1->text(), titolo);
        QCOMPARE(g.size(), QSize(larghezza / 15, 6825 / 15));

        // The text written for this page, built into the program, whole on screen.
        const QString testo = g.testo();
        QVERIFY2(std::abs(testo.size() - lunghezza) <= lunghezza / 8,
                 qPrintable(QStringLiteral("%1 characters").arg(testo.size())));
        QVERIFY2(testo.contains(argomento, Qt::CaseInsensitive), qPrintable(testo.left(80)));
        QVERIFY(g.Label2->text().contains(testo.split(u'\n').last().toHtmlEscaped()));
        QVERIFY(didascalietroncate(&g).isEmpty());
        QVERIFY2(g.Label2->heightForWidth(g.Label2->width()) <= g.Label2->height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(g.Label2->heightForWidth(g.Label2->width())).arg(g.Label2->height())));

        // Its print: the heading, then "Guida: " and its own title, then its text.
        QTest::mouseClick(g.cmdStampa, Qt::LeftButton);
        QCOMPARE(e.finestre.documenti().size(), 1);
        QTextDocument* d = e.finestre.documenti().first()->documento();
        QStringList blocchi;
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            blocchi << b.text();
        QCOMPARE(blocchi.value(0), QStringLiteral("Velno"));
        QCOMPARE(blocchi.value(1), QStringLiteral("programma per la gestione dei titoli di velno"));
        const int t = int(blocchi.indexOf(QStringLiteral("Guida: ") + titolo));
        QCOMPARE(t, 3);
        QCOMPARE(blocchi.mid(t + 1).join(u'\n'), testo);
        QCOMPARE(d->findBlockByNumber(t + 1).begin().fragment().charFormat().fontPointSize(), 12.0);
        QCOMPARE(d->findBlockByNumber(t + 1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    }

    void chiudi_scarica()
    {
        Ambiente e;
        FinestraGuida* g = &static_cast<FinestraGuida&>(e.finestre.mostra(Finestra::GuidaSaldo));
        g->cmdChiudi->click();
        QVERIFY(!e.finestre.caricata(Finestra::GuidaSaldo));
        eliminarimandate();
        // Opened again: a new window, shown.
        FinestraGuida& nuova = static_cast<FinestraGuida&>(e.finestre.mostra(Finestra::GuidaSaldo));
        QVERIFY(nuova.isVisible());
        QCOMPARE(nuova.Label1->text(), QStringLiteral("SALDO"));
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
        const QRect testo = m.Label2->geometry(), chiudi = m.cmdChiudi->geometry();
        m.resize(progetto * 2);
        QTRY_COMPARE(m.Label2->width(), testo.width() * 2);
        QCOMPARE(m.Label2->x(), testo.x() * 2);
        QVERIFY(std::abs(m.cmdChiudi->y() - chiudi.y() * 2) <= 1);
        m.resize(progetto);
        QTRY_COMPARE(m.Label2->geometry(), testo);
        QCOMPARE(m.cmdChiudi->geometry(), chiudi);
        // Smaller than its design, the text scrolls (it was cut off), and it can be selected.
        m.resize(progetto / 2);
        auto* scorrevole = m.findChild<QScrollArea*>(QStringLiteral("scorrevole"));
        QVERIFY(scorrevole);
        QTRY_VERIFY(scorrevole->verticalScrollBar()->maximum() > 0);
        QVERIFY(m.Label2->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
};

QTEST_MAIN(TestGuide)
#include "test_guide.moc"
