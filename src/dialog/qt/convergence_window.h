#pragma once
// The window beside the main dialog that shows the convergence chart of a
// run; showing another run replaces the chart.

#include <QWidget>

#include "app/iteration_history.h"

class QChart;
class QChartView;

namespace corvane {

class ConvergenceWindow : public QWidget {
    Q_OBJECT

public:
    explicit ConvergenceWindow(QWidget* parent = nullptr);

    void showRun(const IterationHistory& history, float eps, int language);
    // The same run's chart with the texts of another language.
    void setLanguage(int language);
    QChart* chart() const;

private:
    QChartView* view_;
    IterationHistory history_;
    float eps_ = 0;
};

}  // namespace corvane
