#pragma once
#include <QClipboard>
#include <QLineEdit>
#include <functional>

// A box of a grid that takes a paste of several figures at once (a column copied from a
// spreadsheet or a web page): the text goes to `incollamultiplo`, which spreads it over the
// grid and says whether it took it. A single figure is pasted as in any box.
class CasellaGriglia : public QLineEdit {
    Q_OBJECT
public:
    explicit CasellaGriglia(QWidget* genitore = nullptr) : QLineEdit(genitore) {}

    // Called with the pasted text when it holds several fields; true when it was taken.
    std::function<bool(const QString&)> incollamultiplo;
    // Whether a text is one for incollamultiplo (several lines; for a row, several fields).
    std::function<bool(const QString&)> multiplo;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool incolla(QClipboard::Mode modo);
};
