#pragma once
// The relaxation explorer beside the main dialog: SOR on the read system for
// one factor after another, each row shown as it is finished, with the chart
// of sweeps against ω. Between two factors the dialog and this window take
// the user's actions, so Stop (or closing the window) ends the exploration
// before the next factor. At the end the best factor is marked and selected;
// "use this omega" gives the selected row's factor to the main dialog. A
// check box runs the factors again past the growth test (to EPS or NLIM);
// the rows that then differ from the SOLVE's are marked.

#include <QWidget>
#include <vector>

#include "app/omega_explorer.h"
#include "dialog/dialog_platform.h"

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace corvane {

class OmegaExplorerWindow : public QWidget {
    Q_OBJECT

public:
    explicit OmegaExplorerWindow(OmegaExplorerRequest request, QWidget* parent = nullptr);

    const std::vector<OmegaRow>& rows() const { return rows_; }
    bool running() const { return running_; }
    QChart* chart() const;
    void stop();

private:
    void restart();
    void runNextFactor();
    void addRow(const OmegaRow& row);
    void finish();
    void redraw();
    void useSelectedOmega();

    OmegaExplorerRequest request_;
    std::vector<OmegaRow> rows_;
    std::optional<float> best_;
    bool running_ = true;
    QTableWidget* table_;
    QChartView* view_;
    QLabel* status_;
    QLabel* marks_;  // what the marked rows are, once there is one
    QCheckBox* pastGrowth_;
    QPushButton* stop_;
    QPushButton* use_;
};

}  // namespace corvane
