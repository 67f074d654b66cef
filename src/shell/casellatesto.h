#pragma once
#include <QPlainTextEdit>

// Velno's multi-line text box. Qt 6.4 crashes when a paste (Ctrl+V, the middle button, a
// drop) brings no data at all, as when nothing owns the clipboard: this box ignores such a
// paste before Qt sees it. Every editable multi-line box of Velno is one of these.
class CasellaTesto : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* genitore = nullptr) : QPlainTextEdit(genitore) {}

protected:
    bool canInsertFromMimeData(const QMimeData* sorgente) const override;
    void insertFromMimeData(const QMimeData* sorgente) override;
};
