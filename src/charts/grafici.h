#pragma once
#include "charts/grigliagrafico.h"
#include "charts/regolegrafici.h"
#include "shell/finestravelno.h"

#include <memory>
#include <optional>

class QPushButton;
class QScrollBar;
class Grafico;

// The charts window: the quotations of up to 10 holdings over up to 10 quotation columns,
// or of one holding, in seven kinds of chart; paging through holdings and columns; print.
// It owns no data: every draw reads the Portfolio.
class grafici : public FinestraVelno<QMainWindow> {
    Q_OBJECT
public:
    explicit grafici(Finestre& finestre);
    ~grafici() override;

    // The rules and the window state (modografico, titolocorrente, nodati, ...).
    RegoleGrafici& regole() { return *m_regole; }

    // After an archive was opened: the line chart, one column on, without a word (the
    // user asked for the file, not for these moves).
    void dopoapertura();

    // Where the print's picture goes.
    QString percorsoimmagine() const;

public slots:
    void cmdbarre_Click();
    void cmdtorta_Click();
    void cmdlinee_Click();
    void cmd3darea_Click();
    void cmdlinee3d_Click();
    void cmdbarre3d_Click();
    void cmd3dstep_Click();
    void graficoserie();
    void graficotitolo();
    void azioneprima_click();
    void azionedopo_click();
    void quotazsinistra_click();
    void quotazdestra_click();
    void HScroll1_Change();
    void stampa_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void fin3_Click();
    void fin4_Click();
    void sugger_Click();
    void supporto_Click();
    void finestra5_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The controls: from outside the window they are found by their object names.
    Grafico* MSChart1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QPushButton *cmdbarre = nullptr, *cmdtorta = nullptr, *cmdlinee = nullptr, *cmd3darea = nullptr,
                *cmdlinee3d = nullptr, *cmdbarre3d = nullptr, *cmd3dstep = nullptr;

    void costruiscicontrolli();
    void costruiscimenu();
    // Sets the kind and its title, then draws in the current mode.
    void tipografico(TipoGrafico tipo);
    // Shows the rules' answer and brings the chart up to date.
    void esito(const std::optional<Messaggio>& m);
    void mostra(const Messaggio& m) override;

    std::unique_ptr<RegoleGrafici> m_regole;
    bool m_silenzio = false;       // messages are not shown (the moves after an open)
    bool m_incorrezione = false;   // the scroll bar is being moved back by its own handler
    bool m_rinvio = false;         // the chart is drawn by the caller, once its moves are done
};
