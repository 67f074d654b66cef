// The yardstick of the start-up benchmark: an empty Qt Widgets program showing one window,
// timed like Velno from the process's start to its first frame. Built a second time with
// one line of text in the window (velno-vuoto-testo), to tell what text alone costs.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {
class Vuota : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_dipinta)
            return;
        m_dipinta = true;
        QTimer::singleShot(0, [] {
            std::puts("dipinta");
            std::fflush(stdout);
            std::_Exit(0);
        });
    }

private:
    bool m_dipinta = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Vuota w;
    w.resize(480, 300);
#ifdef VUOTO_CON_TESTO
    // The same window with one line of text: what drawing any text costs on its own.
    QLabel testo(QStringLiteral("Velno"), &w);
    testo.move(20, 20);
#endif
    w.show();
    return app.exec();
}
