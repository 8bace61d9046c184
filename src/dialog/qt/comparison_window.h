#pragma once
// The comparison of the methods beside the main dialog: every method runs on
// the read data on a thread of its own, each method's rows shown as it ends,
// with the bar chart of the errors (or residuals); while it runs, the method
// and its phase; at the end, the cond1 estimate and the methods whose SOLVE
// refused them, with its reason. Stop ends the comparison at the run's next
// step boundary; closing the window hides it at once and stops the run, and
// the window goes once the run has ended.

#include <QWidget>
#include <atomic>
#include <thread>
#include <vector>

#include "app/method_comparison.h"
#include "dialog/dialog_platform.h"
#include "problem/run_progress.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace corvane {

class ComparisonWindow : public QWidget {
    Q_OBJECT

public:
    explicit ComparisonWindow(ComparisonRequest request, QWidget* parent = nullptr);
    ~ComparisonWindow() override;

    const std::vector<ComparisonRow>& rows() const { return rows_; }
    bool running() const { return running_; }
    QChart* chart() const;
    void stop();
    // Where the run stands (the phase within the current method).
    ProgressSnapshot where() const { return monitor_.snapshot(); }

signals:
    // The comparison has ended: done, or stopped (`cancelled`).
    void ended(bool cancelled);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void start();
    void addRows(const std::vector<ComparisonRow>& rows);
    void finish(const Comparison& comparison);
    void redraw();
    void showWhereItStands();

    ComparisonRequest request_;
    std::vector<ComparisonRow> rows_;
    bool running_ = true;
    bool closing_ = false;  // closed while running: goes once the run has ended
    ProgressMonitor monitor_;
    std::atomic<int> method_{static_cast<int>(Method::None)};  // the method running
    std::thread worker_;
    QTableWidget* table_;
    QChartView* view_;
    QLabel* summary_;  // the cond1 estimate and the methods not run
    QTimer* ticker_;   // shows where the run stands
    QLabel* status_;
    QPushButton* stop_;
};

}  // namespace corvane
