#include "shared/numeri.h"
#include "colonne.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumeri : public QObject {
    Q_OBJECT
private slots:
    void valore_data()
    {
        colonne<QString, double>("testo", "atteso");
        QTest::newRow("intero") << "100" << 100.0;
        QTest::newRow("punto decimale") << "12.5" << 12.5;
        QTest::newRow("virgola chiude il numero") << "12,50" << 12.0;
        QTest::newRow("senza zero iniziale") << ".5" << 0.5;
        QTest::newRow("lettere") << "abc" << 0.0;
        QTest::newRow("vuoto") << "" << 0.0;
        QTest::newRow("cifre poi lettere") << "15abc" << 15.0;
        QTest::newRow("spazi davanti") << "  7.25" << 7.25;
        QTest::newRow("negativo") << "-3.5" << -3.5;
        QTest::newRow("esponente") << "1.5E3" << 1500.0;
        QTest::newRow("esponente monco") << "2e" << 2.0;
        QTest::newRow("solo segno") << "-" << 0.0;
        QTest::newRow("due punti") << "1.2.3" << 1.2;
        QTest::newRow("punto delle migliaia") << "1.500" << 1.5;
        // A figure too large for a double is infinite, never a smaller number that looks real.
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("esponente enorme") << "1e999" << inf;
        QTest::newRow("negativo enorme") << "-1e999" << -inf;
        QTest::newRow("esponente minuscolo") << "1e-999" << 0.0;
        QTest::newRow("decimali minuscoli") << "0.0000001e-400" << 0.0;
        QTest::newRow("400 cifre") << QString(400, u'9') << inf;
        QTest::newRow("200 cifre") << u'1' + QString(199, u'0') << 1e199;
        QTest::newRow("200 cifre e decimali") << QString(200, u'0') + QStringLiteral("12.5") << 12.5;
    }
    void valore()
    {
        QFETCH(QString, testo);
        QFETCH(double, atteso);
        QCOMPARE(::valore(testo), atteso);
    }

    void formatta_data()
    {
        colonne<double, QString, QString>("numero", "formato", "atteso");
        QTest::newRow("un milione duecentomila") << 1200000.0 << "###,0" << "1.200.000";
        QTest::newRow("zero migliaia") << 0.0 << "###,0" << "0";
        QTest::newRow("zero euro") << 0.0 << "##,##0.00" << "0,00";
        QTest::newRow("1032.9137 euro") << 1032.9137 << "##,##0.00" << "1.032,91";
        QTest::newRow("1032.9137 quantita") << 1032.9137 << "##,##0" << "1.033";
        QTest::newRow("1032.9137 quattro decimali") << 1032.9137 << "##,##0.0000" << "1.032,9137";
        QTest::newRow("negativo") << -10.0 << "##,##0.00" << "-10,00";
        QTest::newRow("negativo grande") << -1234567.891 << "##,##0.00" << "-1.234.567,89";
        QTest::newRow("mezzo in su") << 2.5 << "##,##0" << "3";
        QTest::newRow("mezzo negativo") << -2.5 << "##,##0" << "-3";
        QTest::newRow("negativo che arrotonda a zero") << -0.001 << "##,##0.00" << "0,00";
        QTest::newRow("centinaia senza gruppo") << 999.0 << "##,##0" << "999";
        QTest::newRow("mille") << 1000.0 << "##,##0" << "1.000";
        QTest::newRow("dodici e mezzo") << 12.5 << "##,##0.0000" << "12,5000";
        // More digits than a double holds must not show wrong ones (nor a clipped tail).
        QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << "##,##0.00" << "########";
        QTest::newRow("non un numero") << std::nan("") << "##,##0.00" << "########";
        QTest::newRow("venti cifre") << 99999999999999999999.0 << "##,##0.00" << "########";
        QTest::newRow("quindici cifre con i centesimi") << 9999999999999.99 << "##,##0.00" << "9.999.999.999.999,99";
        QTest::newRow("sedici cifre con i centesimi") << 10000000000000.0 << "##,##0.00" << "########";
        QTest::newRow("lire intere") << 999999999999999.0 << "###,0" << "999.999.999.999.999";
    }
    void formatta()
    {
        QFETCH(double, numero);
        QFETCH(QString, formato);
        QFETCH(QString, atteso);
        QCOMPARE(::formatta(numero, formato), atteso);
    }

    void formattatesto_data()
    {
        colonne<QString, QString>("testo", "atteso");
        QTest::newRow("vuoto") << "" << "";
        QTest::newRow("virgola decimale") << "12,5" << "12,5000";
        QTest::newRow("migliaia") << "1.500" << "1.500,0000";
        QTest::newRow("lettere") << "abc" << "abc";
    }
    void formattatesto()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(::formattatesto(testo, u"##,##0.0000"), atteso);
    }

    void virgoladecimale()
    {
        QCOMPARE(::virgoladecimale(QStringLiteral("1.234.5a. b")), QStringLiteral("1,234,5a, b"));
        QCOMPARE(::virgoladecimale(QStringLiteral("senza punti, già")), QStringLiteral("senza punti, già"));
        QCOMPARE(::virgoladecimale(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestNumeri)
#include "test_numeri.moc"
