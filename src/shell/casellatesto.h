#pragma once
#include <QPlainTextEdit>

// Velno's multi-line text box. Qt 6.4 crashes when a paste (Ctrl+V, the middle button, a
// drop) brings no data at all, as when nothing owns the clipboard: this box ignores such a
// paste before Qt sees it. Every editable multi-line box of Velno is one of these.
//
// It holds at most testomassimo characters (what an archive may hold in a text): a key or a
// paste that would go beyond is refused and told through troppolungo(). Qt takes a time
// that grows with the square of its length to wrap a run with no blank (minutes for a line
// of a million letters): a text with such a run is shown unwrapped, with a scroll bar.
class CasellaTesto : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* genitore = nullptr);

    // Shows `testo`, wrapped unless a run of it is too long to wrap.
    void mostratesto(const QString& testo);
    // The same, without telling textChanged, unless the box shows `testo` already (line ends
    // aside: the box turns CR LF into LF), when it keeps its cursor and is not painted again.
    void aggiornatesto(const QString& testo);
    // What a window tells when troppolungo() comes.
    static QString testotroppolungo();

signals:
    void troppolungo();

protected:
    bool canInsertFromMimeData(const QMimeData* sorgente) const override;
    void insertFromMimeData(const QMimeData* sorgente) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Unwrapped from now on when `testo` holds a run too long to wrap.
    void adatta(QStringView testo);
    qsizetype lunghezzasenza() const;   // characters, the selection left out
};
