#include "shell/frmsplash.h"
#include "documenti/modulovelno.h"
#include "shell/arredo.h"
#include "shell/aspetto.h"
#include "shell/filedistribuiti.h"
#include "shell/finestre.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int larghezzaprogetto = 7200;   // twips
constexpr int altezzaprogetto = 4500;
} // namespace

frmSplash::frmSplash(Finestre& finestre)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_finestre(finestre)
{
    setObjectName(QStringLiteral("frmSplash"));
    ModuloVelno& modulo = finestre.modulo();
    setWindowTitle(modulo.nomeprogramma);
    setFont(caratterefinestra());
    setFocusPolicy(Qt::StrongFocus);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(250, 250, 246));
    setPalette(p);
    setAutoFillBackground(true);

    // The tune is asked for at once; the player takes it up once the first frame is painted.
    MMControl1 = std::make_unique<ControlloMidi>(finestre.creasuono());
    MMControl1->nomefile = filedistribuito(QStringLiteral("Internet.mid"));
    MMControl1->comando(QStringLiteral("open"));
    MMControl1->comando(QStringLiteral("play"));

    // The titles are built from the program's name: the name comes first.
    modulo.impostaidentita();
    modulo.impostatitoli();

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(2);
    Shape1->setGeometry(6, 6, 468, 288);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(immagineprogramma());
    Image1->setScaledContents(true);
    Image1->setGeometry(20, 54, 128, 128);

    auto voce = [this](int i, const QString& testo, int x, int y, int l, int a) {
        QLabel* e = etichetta(this, QStringLiteral("label_%1").arg(i), testo, QRect(x, y, l, a));
        label[std::size_t(i)] = e;
        return e;
    };
    voce(2, QString(), 160, 26, 300, 20)->setFont(QFont(QStringLiteral("Nimbus Sans"), 11));
    QLabel* nome = voce(3, modulo.nomeprogramma, 156, 46, 300, 64);
    nome->setFont(caratterepesante(36));
    QPalette blu = nome->palette();
    blu.setColor(QPalette::WindowText, QColor(0x1b, 0x3f, 0x73));
    nome->setPalette(blu);
    QLabel* descrizione = voce(4, modulo.descrizione, 160, 114, 296, 40);
    descrizione->setFont(QFont(QStringLiteral("Nimbus Sans"), 11));
    descrizione->setWordWrap(true);
    descrizione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    voce(6, QStringLiteral("versione"), 160, 166, 56, 18);
    voce(5, modulo.versione, 216, 166, 120, 18);
    voce(7, ModuloVelno::piattaforma(), 160, 186, 296, 18);
    QLabel* istruzioni = voce(8, QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"),
                              16, 250, 448, 20);
    istruzioni->setAlignment(Qt::AlignCenter);

    for (QLabel* e : label)
        if (e)
            e->installEventFilter(this);
    Image1->installEventFilter(this);

    const QSize progetto(larghezzaprogetto / clsResize::twip, altezzaprogetto / clsResize::twip);
    resize(progetto);   // recorded at its design size
    m_resize.adatta(this, progetto, false);
    // A splash stands in the middle of the screen.
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Click()
{
    MMControl1->comando(QStringLiteral("pause"));
    m_finestre.mostraazioni();
}

void frmSplash::label_click(int) { Form_Click(); }
void frmSplash::image1_click() { Form_Click(); }

void frmSplash::Form_KeyPress()
{
    if (m_chiusa)
        return;
    m_chiusa = true;
    MMControl1->comando(QStringLiteral("close"));
    m_finestre.scarica(*this);
    // With no other window on screen the program is over.
    if (!m_finestre.finestreaperte(this)) {
        m_finestre.scaricatutto();
        if (m_finestre.allafine)
            m_finestre.allafine();
    }
}

void frmSplash::paintEvent(QPaintEvent* e)
{
    QWidget::paintEvent(e);
    if (m_dipinta)
        return;
    m_dipinta = true;
    emit dipinta();
    // The synthesizer and its sound bank load after this frame, never before it.
    QTimer::singleShot(0, this, [this] { MMControl1->attiva(); });
}

void frmSplash::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent* e)
{
    // A modifier alone (Alt to switch windows, Shift) is not the user's answer.
    switch (e->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        QWidget::keyPressEvent(e);
        return;
    default:
        Form_KeyPress();
    }
}

void frmSplash::closeEvent(QCloseEvent* e)
{
    // Closed from the title bar or the desktop: as a key press.
    e->ignore();
    Form_KeyPress();
}

bool frmSplash::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        auto* w = static_cast<QWidget*>(o);
        if (!w->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint()))
            return false;
        if (o == Image1) {
            image1_click();
            return true;
        }
        for (int i = 2; i <= 8; ++i)
            if (o == label[std::size_t(i)]) {
                label_click(i);
                return true;
            }
    }
    return QWidget::eventFilter(o, e);
}

void frmSplash::chiusura()
{
    label[2]->setText(QStringLiteral("       elaborazione eseguita con"));
    MMControl1->comando(QStringLiteral("play"));
}
