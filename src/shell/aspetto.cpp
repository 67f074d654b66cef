#include "shell/aspetto.h"

#include <QLabel>
#include <QPushButton>

QFont caratterefinestra() { return QFont(QStringLiteral("Nimbus Sans"), 8); }

QFont caratterepesante(double punti)
{
    QFont f;
    f.setFamilies({QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(punti);
    f.setWeight(QFont::Black);
    return f;
}

QIcon iconaprogramma()
{
    QIcon i;
    for (int lato : {48, 128, 256})
        i.addFile(QStringLiteral(":/velno/velno-%1.png").arg(lato), QSize(lato, lato));
    return i;
}

QLabel* etichettashell(QWidget* area, const QString& nomeoggetto, const QString& testo, int x, int y, int l, int a)
{
    auto* e = new QLabel(testo, area);
    e->setObjectName(nomeoggetto);
    e->setGeometry(x, y, l, a);
    return e;
}

QPushButton* bottoneshell(QWidget* area, const QString& nomeoggetto, const QString& testo, int x, int y, int l, int a)
{
    auto* b = new QPushButton(testo, area);
    b->setObjectName(nomeoggetto);
    b->setGeometry(x, y, l, a);
    return b;
}
