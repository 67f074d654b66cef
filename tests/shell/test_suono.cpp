#include "ambienteshell.h"
#include "shell/suonofluidsynth.h"
#include "colonne.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fluidsynth.h>

#include <cmath>
#include <vector>

namespace {
const QString brano = QStringLiteral(VELNO_SORGENTI "/data/Internet.mid");
const QString banco = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
} // namespace

class TestSuono : public QObject {
    Q_OBJECT
private slots:
    // The splash's commands reach the player only once the first frame is painted.
    void controllo_data()
    {
        QTest::addColumn<QStringList>("prima");   // commands before the first paint ("file X" names the file)
        QTest::addColumn<QStringList>("dopo");    // commands after it
        QTest::addColumn<QStringList>("atteso");
        const QString a = QStringLiteral("file a.mid"), b = QStringLiteral("file b.mid");
        QTest::newRow("apertura e play attendono") << QStringList{a, "open", "play"} << QStringList{}
                                                   << QStringList{"open a.mid", "play"};
        QTest::newRow("il file è quello dell'open") << QStringList{a, "open", b, "play"} << QStringList{}
                                                    << QStringList{"open a.mid", "play"};
        QTest::newRow("close prima del disegno: niente") << QStringList{a, "open", "play", "pause", "close"}
                                                        << QStringList{} << QStringList{};
        QTest::newRow("dopo il close si riapre") << QStringList{a, "open", "close", b, "open", "play"} << QStringList{}
                                                 << QStringList{"open b.mid", "play"};
        QTest::newRow("pausa in attesa") << QStringList{a, "open", "play", "pause"} << QStringList{"play"}
                                         << QStringList{"open a.mid", "play", "pause", "play"};
        QTest::newRow("dopo il disegno, subito") << QStringList{} << QStringList{a, "open", "play", "pause", "close"}
                                                 << QStringList{"open a.mid", "play", "pause", "close"};
        QTest::newRow("comandi sconosciuti ignorati") << QStringList{a, "open", "stop", "record"} << QStringList{"eject"}
                                                      << QStringList{"open a.mid"};
    }
    void controllo()
    {
        QFETCH(QStringList, prima);
        QFETCH(QStringList, dopo);
        QFETCH(QStringList, atteso);
        QStringList registro;
        ControlloMidi c(std::make_unique<SuonoRegistrato>(registro));
        auto esegui = [&c](const QStringList& comandi) {
            for (const QString& k : comandi) {
                if (k.startsWith(u"file "))
                    c.nomefile = k.mid(5);
                else
                    c.comando(k);
            }
        };
        esegui(prima);
        QVERIFY(registro.isEmpty());
        c.attiva();
        esegui(dopo);
        QCOMPARE(registro, atteso);
    }

    // No library, bank, file or device means silence: no hang, no crash, no message.
    void silenzio_data()
    {
        colonne<QString, QStringList, QStringList, int>("file", "banchi", "driver", "silenzio");
        const QStringList nessundispositivo{QStringLiteral("nessun-dispositivo")};
        using S = SuonoFluidSynth::Silenzio;
        QTest::newRow("nessun dispositivo") << brano << QStringList{banco} << nessundispositivo << int(S::Dispositivo);
        QTest::newRow("nessun banco") << brano << QStringList{QStringLiteral("/nessun/banco.sf2")} << nessundispositivo
                                      << int(S::Banco);
        QTest::newRow("banco non valido") << brano << QStringList{brano} << nessundispositivo << int(S::Banco);
        QTest::newRow("nessun brano") << QStringLiteral("/nessun/Internet.mid") << QStringList{banco}
                                      << nessundispositivo << int(S::File);
        QTest::newRow("nome vuoto") << QString() << QStringList{banco} << nessundispositivo << int(S::File);
        QTest::newRow("non è MIDI") << QStringLiteral(VELNO_SORGENTI "/data/SuggerimentiVelno.TXT")
                                    << QStringList{banco} << nessundispositivo << int(S::File);
    }
    void silenzio()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, banchi);
        QFETCH(QStringList, driver);
        QFETCH(int, silenzio);
        SuonoFluidSynth s(SuonoFluidSynth::Opzioni{banchi, driver});
        s.apri(file);
        s.suona();
        s.attendi();
        QCOMPARE(int(s.silenzio()), silenzio);
        QVERIFY(!s.suonando());
        s.pausa();
        s.suona();
        s.chiudi();
        s.attendi();
        QVERIFY(!s.suonando());
    }

    // With a device the tune is heard; a pause stops it. FluidSynth's file driver stands in
    // for the sound card: what it writes is what a card would play.
    void condispositivo()
    {
        QTemporaryDir d;
        const QString prima = QDir::currentPath();
        QDir::setCurrent(d.path());
        {
            SuonoFluidSynth s(SuonoFluidSynth::Opzioni{{QStringLiteral("/nessun/banco.sf2"), banco}, {QStringLiteral("nessun-dispositivo"), QStringLiteral("file")}});
            s.apri(brano);
            s.suona();
            s.attendi();
            QCOMPARE(int(s.silenzio()), int(SuonoFluidSynth::Silenzio::Nessuno));
            QVERIFY(s.suonando());
            QTest::qWait(600);
            s.pausa();
            s.attendi();
            QVERIFY(!s.suonando());
            s.chiudi();
            s.attendi();
        }
        QDir::setCurrent(prima);
        QFile wav(d.filePath(QStringLiteral("fluidsynth.wav")));
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray dati = wav.readAll().mid(44);
        QVERIFY(dati.size() > 44100);   // a quarter of a second of 16-bit stereo at least
        int massimo = 0;
        for (qsizetype i = 0; i + 1 < dati.size(); i += 2)
            massimo = std::max(massimo, std::abs(int(qint16(quint8(dati[i]) | (quint8(dati[i + 1]) << 8)))));
        QVERIFY2(massimo > 1000, qPrintable(QString::number(massimo)));
    }

    // Leaving while the bank is still loading waits for nothing that could hang.
    void chiusuradurantelacarica()
    {
        for (int i = 0; i < 3; ++i) {
            SuonoFluidSynth s(SuonoFluidSynth::Opzioni{{banco}, {QStringLiteral("nessun-dispositivo")}});
            s.apri(brano);
            s.suona();
        }
        // The player of the program itself, under offscreen tests: a device or silence.
        SuonoFluidSynth predefinito;
        predefinito.apri(brano);
        predefinito.suona();
        predefinito.pausa();
        predefinito.chiudi();
        predefinito.attendi();
        QVERIFY(!predefinito.suonando());
    }

    // The shipped tune, rendered with the bank: it sounds, and lasts 20 to 40 seconds.
    void ilbranosuona()
    {
        fluid_settings_t* impostazioni = new_fluid_settings();
        fluid_synth_t* sintetizzatore = new_fluid_synth(impostazioni);
        QVERIFY(fluid_synth_sfload(sintetizzatore, banco.toLocal8Bit().constData(), 1) != FLUID_FAILED);
        fluid_player_t* lettore = new_fluid_player(sintetizzatore);
        QCOMPARE(fluid_player_add(lettore, brano.toLocal8Bit().constData()), FLUID_OK);
        QCOMPARE(fluid_player_play(lettore), FLUID_OK);
        double frequenza = 44100;
        fluid_settings_getnum(impostazioni, "synth.sample-rate", &frequenza);
        constexpr int blocco = 4410;
        std::vector<float> sinistra(blocco), destra(blocco);
        long campioni = 0;
        double energia = 0;
        int secondisonori = 0;
        double energiasecondo = 0;
        // Up to the last event: the player goes on a while longer for the notes to die away.
        while (fluid_player_get_status(lettore) == FLUID_PLAYER_PLAYING && campioni < 60 * frequenza
               && (campioni == 0 || fluid_player_get_current_tick(lettore) < fluid_player_get_total_ticks(lettore))) {
            fluid_synth_write_float(sintetizzatore, blocco, sinistra.data(), 0, 1, destra.data(), 0, 1);
            for (int i = 0; i < blocco; ++i) {
                const double q = double(sinistra[std::size_t(i)]) * sinistra[std::size_t(i)];
                energia += q;
                energiasecondo += q;
            }
            campioni += blocco;
            if (campioni % long(frequenza) < blocco) {
                if (std::sqrt(energiasecondo / frequenza) > 0.01)
                    ++secondisonori;
                energiasecondo = 0;
            }
        }
        const double durata = campioni / frequenza;
        delete_fluid_player(lettore);
        delete_fluid_synth(sintetizzatore);
        delete_fluid_settings(impostazioni);
        QVERIFY2(durata >= 20 && durata <= 40, qPrintable(QString::number(durata)));
        QVERIFY(std::sqrt(energia / campioni) > 0.01);
        // Music from beginning to end, not a note and then silence.
        QVERIFY2(secondisonori >= int(durata) - 2, qPrintable(QString::number(secondisonori)));
    }
};

QTEST_GUILESS_MAIN(TestSuono)
#include "test_suono.moc"
