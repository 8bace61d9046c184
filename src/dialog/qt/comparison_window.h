#pragma once
// The comparison of the methods beside the main dialog: every method runs on
// the read data on a thread of its own, each method's rows shown as it ends,
// with the bar chart of the errors (or residuals); at the end, the cond1
// estimate and the methods whose SOLVE refused them, with its reason. Stop,
// or closing the window, ends the comparison before the next method.

#include <QWidget>
#include <atomic>
#include <thread>
#include <vector>

#include "app/method_comparison.h"
#include "dialog/dialog_platform.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

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
    // Every text of the window, the chart's too, in this language from now on.
    void setLanguage(int language);

private:
    void showTexts();
    void start();
    void addRows(const std::vector<ComparisonRow>& rows);
    void finish(const Comparison& comparison);
    void redraw();

    ComparisonRequest request_;
    std::vector<ComparisonRow> rows_;
    std::optional<Comparison> finished_;  // once the comparison has ended
    bool running_ = true;
    std::atomic<bool> stopRequested_{false};
    std::thread worker_;
    QTableWidget* table_;
    QChartView* view_;
    QLabel* summary_;  // the cond1 estimate and the methods not run
    QLabel* status_;
    QPushButton* stop_;
    QPushButton* close_;
};

}  // namespace corvane
