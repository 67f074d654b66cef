#include "shell/messaggiqt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

Risposta MessaggiQt::mostra(const Messaggio& m)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(m.titolo);
    // A box taller than the screen hides its buttons, and Qt lays a long text out slowly: a
    // text beyond a few lines' worth shows its beginning, the rest in the details.
    constexpr qsizetype mostrati = 2000, dettagliati = 100000;
    QString dettagli = m.dettagli;
    if (m.testo.size() > mostrati) {
        box.setText(m.testo.left(mostrati) + QStringLiteral(" [...]"));
        dettagli = m.testo + (dettagli.isEmpty() ? QString() : u'\n' + dettagli);
    } else {
        box.setText(m.testo);
    }
    if (!dettagli.isEmpty())
        box.setDetailedText(dettagli.left(dettagliati));
    switch (m.icona) {
    case Icona::Critica: box.setIcon(QMessageBox::Critical); break;
    case Icona::Esclamativa: box.setIcon(QMessageBox::Warning); break;
    case Icona::Informativa: box.setIcon(QMessageBox::Information); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    }
    if (m.pulsanti == Pulsanti::RipristinaIgnora) {
        QPushButton* ripristina = box.addButton(QStringLiteral("&Ripristina"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("&Ignora"), QMessageBox::RejectRole);
        box.setDefaultButton(ripristina);
        box.exec();
        return box.clickedButton() == ripristina ? Risposta::Ripristina : Risposta::Ignora;
    }
    if (m.pulsanti == Pulsanti::SiNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Risposta::Si : Risposta::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Risposta::Ok;
}
