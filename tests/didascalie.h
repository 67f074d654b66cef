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
        // The room the style gives the caption inside the control.
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        o.rect = b->rect();
        QStyle::SubElement parte = QStyle::SE_PushButtonContents;
        if (qobject_cast<QRadioButton*>(b))
            parte = QStyle::SE_RadioButtonContents;
        else if (qobject_cast<QCheckBox*>(b))
            parte = QStyle::SE_CheckBoxContents;
        else if (!b->icon().isNull())
            serve += b->iconSize().width() + 4;
        const QRect posto = b->style()->subElementRect(parte, &o, b);
        if (serve > posto.width() || fm.height() > posto.height() + 2)
            troncate << QStringLiteral("%1: %2 (%3 in %4)").arg(b->objectName(), t).arg(serve).arg(posto.width());
    }
    return troncate;
}

// Fails the test with the list of the clipped captions.
#define VERIFICA_DIDASCALIE(finestra)                                                         \
    do {                                                                                      \
        const QStringList troncate_ = didascalietroncate(finestra);                          \
        QVERIFY2(troncate_.isEmpty(), qPrintable(troncate_.join(QStringLiteral("; "))));     \
    } while (false)

#include <QMenu>
#include <QSet>

// The items of a menu that share their Alt letter with an earlier one.
inline QStringList mnemonicidoppi(const QMenu* menu)
{
    QStringList doppi;
    QSet<QChar> viste;
    for (const QAction* a : menu->actions()) {
        const QString t = a->text();
        const qsizetype i = t.indexOf(u'&');
        if (i < 0 || i + 1 >= t.size() || t[i + 1] == u'&')
            continue;
        const QChar lettera = t[i + 1].toLower();
        if (viste.contains(lettera))
            doppi << t;
        viste.insert(lettera);
    }
    return doppi;
}
