#include "shared/date.h"

#include <QTest>

namespace {
const QString titolo = QStringLiteral("Velno: controllo dati immessi nella finestra attiva");
const QString campo = QStringLiteral(" d'acquisto del titolo n. 3");
}

class TestDate : public QObject {
    Q_OBJECT
private slots:
    void controllodata_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");   // empty: the date passes
        const QString coda = campo + QStringLiteral(": usare il formato gg/mm/aa.");
        const QString incompatibili = QStringLiteral("Giorni e mese incompatibili nella data") + coda;
        QTest::newRow("31/04/98") << "31/04/98" << incompatibili;
        QTest::newRow("29/02/97") << "29/02/97" << incompatibili;
        QTest::newRow("29/02/96") << "29/02/96" << "";
        QTest::newRow("29/02/00") << "29/02/00" << "";
        QTest::newRow("30/02/96") << "30/02/96" << incompatibili;
        QTest::newRow("12-05-98") << "12-05-98" << QString(QStringLiteral("Errore nella data") + coda);
        QTest::newRow("00/05/98") << "00/05/98" << QString(QStringLiteral("Correggere il giorno nella data") + coda);
        QTest::newRow("15/13/98") << "15/13/98" << QString(QStringLiteral("Correggere il mese nella data") + coda);
        QTest::newRow("32/01/98") << "32/01/98" << QString(QStringLiteral("Correggere il giorno nella data") + coda);
        QTest::newRow("31/12/98") << "31/12/98" << "";
        QTest::newRow("28/02/97") << "28/02/97" << "";
        QTest::newRow("lettere") << "aa/bb/cc" << QString(QStringLiteral("Correggere il giorno nella data") + coda);
        QTest::newRow("testo corto") << "1/1" << QString(QStringLiteral("Correggere il mese nella data") + coda);
        QTest::newRow("vuoto") << "" << QString(QStringLiteral("Correggere il giorno nella data") + coda);
    }
    void controllodata()
    {
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        const auto m = ::controllodata(::spezzadata(testo), campo, titolo);
        if (messaggio.isEmpty()) {
            QVERIFY2(!m, qPrintable(m ? m->testo : QString()));
            return;
        }
        QVERIFY(m);
        QCOMPARE(m->testo, messaggio);
        QCOMPARE(m->titolo, titolo);
        QCOMPARE(m->icona, Icona::Critica);
        QCOMPARE(m->pulsanti, Pulsanti::Ok);
    }

    void convertidata_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QDate>("attesa");   // invalid: does not convert
        QTest::newRow("barre") << "30/12/98" << QDate(1998, 12, 30);
        QTest::newRow("trattini") << "1-2-03" << QDate(2003, 2, 1);
        QTest::newRow("punti") << "15.03.45" << QDate(1945, 3, 15);
        QTest::newRow("44 è 2044") << "31/12/44" << QDate(2044, 12, 31);
        QTest::newRow("00 è 2000") << "29/02/00" << QDate(2000, 2, 29);
        QTest::newRow("quattro cifre") << "05/06/1999" << QDate(1999, 6, 5);
        QTest::newRow("spazi") << " 05/06/99 " << QDate(1999, 6, 5);
        QTest::newRow("31 aprile") << "31/04/98" << QDate();
        QTest::newRow("separatori misti") << "01/02-98" << QDate();
        QTest::newRow("monca") << "01/02/" << QDate();
        QTest::newRow("lettere") << "ab/cd/ef" << QDate();
        QTest::newRow("vuota") << "" << QDate();
        QTest::newRow("tre cifre") << "01/02/998" << QDate();
    }
    void convertidata()
    {
        QFETCH(QString, testo);
        QFETCH(QDate, attesa);
        const auto d = ::convertidata(testo);
        QCOMPARE(d.has_value(), attesa.isValid());
        if (d)
            QCOMPARE(*d, attesa);
    }

    void spezzadata()
    {
        const DataSpezzata d = ::spezzadata(QStringLiteral("12-05-98"));
        QCOMPARE(d.giornodata, 12.0);
        QCOMPARE(d.mesedata, 5.0);
        QCOMPARE(d.annodata, 98.0);
        QCOMPARE(d.separatore1, QChar(u'-'));
        QCOMPARE(d.separatore2, QChar(u'-'));
    }
};

QTEST_GUILESS_MAIN(TestDate)
#include "test_date.moc"
