#include "portfolio/cancella.h"
#include "portfolio/portfolio.h"
#include "documenti/modulovelno.h"
#include "shell/finestre.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

cancella::cancella(Finestre& finestre) : QWidget(nullptr, Qt::Dialog), m_finestre(finestre)
{
    setObjectName(QStringLiteral("cancella"));
    setWindowTitle(QStringLiteral("Velno: cancellazione dati"));
    QFont f = font();
    f.setPointSize(9);
    setFont(f);
    resize(580, 210);

    const char* didascalie[] = {nullptr, "cancellazione di tutti i &dati visualizzati nella finestra",
                                "cancellazione di un &titolo con tutti i relativi dati",
                                "cancellazione di tutte le &quotazioni di una data"};
    for (int k = 1; k <= 3; ++k) {
        auto* o = new QRadioButton(QString::fromUtf8(didascalie[k]), this);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        o->setGeometry(16, 14 + (k - 1) * 44, 390, 22);
        Option1[k] = o;
        connect(o, &QRadioButton::clicked, this, [this, k] { Option1_Click(k); });
    }
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(412, 58, 152, 22);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(412, 102, 152, 22);
    Combo1->setEnabled(false);
    Combo2->setEnabled(false);

    avanti = new QPushButton(QStringLiteral("&Avanti"), this);
    avanti->setObjectName(QStringLiteral("avanti"));
    avanti->setGeometry(360, 164, 96, 28);
    cmdannulla = new QPushButton(QStringLiteral("A&nnulla"), this);
    cmdannulla->setObjectName(QStringLiteral("cmdannulla"));
    cmdannulla->setGeometry(468, 164, 96, 28);
    connect(avanti, &QPushButton::clicked, this, &cancella::avanti_Click);
    connect(cmdannulla, &QPushButton::clicked, this, &cancella::cmdannulla_Click);
    // Escape answers as "Annulla" does.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &cancella::cmdannulla_Click);
}

void cancella::Option1_Click(int indice)
{
    const Portfolio& p = m_finestre.modulo().azioni.tabelle();
    Combo1->clear();
    Combo2->clear();
    // The names typed since the last check count too, not only the checked ones.
    const int quanti = std::max(p.numerotitoli, p.ultimotitoloconnome());
    for (int i = 1; i <= quanti; ++i)
        Combo1->addItem(p.nomititoli[i]);
    for (int c = 1; c <= Portfolio::maxcolonne && !p.datequotazioni[c].isEmpty(); ++c)
        Combo2->addItem(p.datequotazioni[c]);
    Combo1->setCurrentIndex(-1);
    Combo2->setCurrentIndex(-1);
    scelta = indice;
    Combo1->setEnabled(indice == 2);
    Combo2->setEnabled(indice == 3);
}

void cancella::avanti_Click()
{
    // The windows that show the Portfolio follow the document.
    DocumentoAzioni& d = m_finestre.modulo().azioni;
    switch (scelta) {
    case 1:
        d.svuota();
        break;
    case 2:
        d.eliminatitolo(Combo1->currentText());
        break;
    case 3:
        d.eliminadata(Combo2->currentText());
        break;
    default:
        break;
    }
    if (scelta != 0) {
        QRadioButton* o = Option1[scelta];
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
        scelta = 0;
    }
    hide();
    m_finestre.mostraazioni();
}

void cancella::cmdannulla_Click()
{
    scelta = 0;
    hide();
    m_finestre.mostraazioni();
}
