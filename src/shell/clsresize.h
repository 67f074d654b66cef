#pragma once
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

// Keeps a window's controls in proportion when it is resized, and sizes a window to a
// share of the screen. Positions are recorded once, in twips, and every pass scales the
// recorded values, so repeated resizing never accumulates rounding. A control's "Tag"
// property ("@L,T" and the like) selects which of left, top, width and height are scaled.
class clsResize {
public:
    static constexpr int twip = 15;   // twips per logical pixel

    clsResize() = default;            // nothing recorded, no window
    ~clsResize();
    clsResize(const clsResize&) = delete;
    clsResize& operator=(const clsResize&) = delete;

    QWidget* SourceForm() const { return m_form; }
    void setSourceForm(QWidget* form) { m_form = form; }

    // The window placed and sized as every Velno window is first (a share of the screen, in
    // its middle), then given its design size; its controls follow at once, since a hidden
    // window gets its resize event only when shown; from then on every resize of its inner
    // area scales them. `minima`: it never gets smaller than its design size, as fonts keep
    // their size and captions would be cut.
    void adatta(QWidget* form, QSize progetto, bool minima);

    void ReInitialise();
    void SizeFormToScreen(quint8 percento);
    void ResizeControls();

    bool registrato() const { return !m_nonregistrato; }
    // The screen in twips; the primary screen's size when not set.
    void setSchermo(QSize twips) { m_schermo = twips; }

    // The widget whose children are the controls and whose size is the inner area:
    // the central widget of a main window, else the window itself.
    QWidget* area() const;

private:
    struct Record {
        QPointer<QWidget> controllo;
        int l = 0, t = 0, w = 0, h = 0;
    };
    QSize schermo() const;

    QPointer<QWidget> m_form;
    int m_larghezza = 0;
    int m_altezza = 0;
    std::vector<Record> m_record;
    bool m_nonregistrato = true;
    QSize m_schermo;
    QPointer<QObject> m_segui;   // watches the inner area's resizes
};
