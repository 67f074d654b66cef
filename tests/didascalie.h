#pragma once
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

// Every caption of a window must be shown whole at its design size: the labels, buttons and
// option boxes whose text needs more room than the control has, each as "name: text".
inline QStringList didascalietroncate(QWidget* finestra)
{
    QStringList troncate;
    auto senzamnemonico = [](QString t) {
        t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        t.remove(u'&');
        t.replace(QChar(1), u'&');
        return t;
    };
    for (QLabel* l : finestra->findChildren<QLabel*>()) {
        // Hidden labels count too: they show their text when they appear.
        if (l->text().isEmpty() || !l->pixmap().isNull() || l->textFormat() == Qt::RichText)
            continue;
        const QString t = senzamnemonico(l->text());
        const QFontMetrics fm(l->font());
        const QRect area = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        QRect serve;
        if (l->wordWrap())
            serve = fm.boundingRect(QRect(0, 0, area.width(), 100000), Qt::TextWordWrap | int(l->alignment()), t);
        else
            serve = fm.boundingRect(QRect(0, 0, 100000, 100000), int(l->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft, t);
        if (serve.width() > area.width() + 1 || serve.height() > area.height() + 1)
            troncate << QStringLiteral("%1: %2 (%3x%4 in %5x%6)")
                            .arg(l->objectName(), t)
                            .arg(serve.width())
                            .arg(serve.height())
                            .arg(area.width())
                            .arg(area.height());
    }
    for (QAbstractButton* b : finestra->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty() || b->inherits("QToolButton"))
            continue;
        const QString t = senzamnemonico(b->text());
        const QFontMetrics fm(b->font());
        int serve = fm.horizontalAdvance(t);
        int posto = b->width();
        if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) {
            QStyleOptionButton o;
            o.initFrom(b);
            const auto pm = qobject_cast<QRadioButton*>(b) ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth;
            serve += b->style()->pixelMetric(pm, &o, b) + b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &o, b);
        } else {
            QStyleOptionButton o;
            o.initFrom(b);
            // The frame and the text's margins inside a push button.
            posto -= 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, &o, b) / 2 + 4;
            if (!b->icon().isNull())
                serve += b->iconSize().width() + 4;
        }
        if (serve > posto || fm.height() > b->height())
            troncate << QStringLiteral("%1: %2 (%3 in %4)").arg(b->objectName(), t).arg(serve).arg(posto);
    }
    return troncate;
}
