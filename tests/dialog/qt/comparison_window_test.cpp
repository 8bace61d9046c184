// The comparison window on a comparison that lasts: while it runs, it names
// the method and its phase; closing it hides it at once and stops the run,
// and the window goes once the run has ended.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <optional>

#include "dialog/qt/comparison_window.h"
#include "../../support/band_inverse.h"

namespace corvane::testing {
namespace {

TEST(ComparisonWindowQt, ClosingHidesItAtOnceAndStopsTheRun) {
    QPointer<ComparisonWindow> window = new ComparisonWindow({bandInverse(1500), std::nullopt, kEnglish});
    std::optional<bool> cancelled;
    std::size_t rowsAtTheEnd = 0;
    QObject::connect(window, &ComparisonWindow::ended, [&](bool stopped) {
        cancelled = stopped;
        rowsAtTheEnd = window->rows().size();
    });
    window->show();
    auto* status = window->findChild<QLabel*>(QStringLiteral("comparisonStatus"));
    ASSERT_NE(status, nullptr);
    // "Running... gauss: Gaussian elimination: step 96 of 1500"
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->text().startsWith(QStringLiteral("Running... gauss: ")); }, 30000))
        << status->text().toStdString();
    EXPECT_TRUE(window->running());

    window->close();
    ASSERT_FALSE(window.isNull()) << "the window goes only once its run has ended";
    EXPECT_FALSE(window->isVisible()) << "but it is hidden at once";
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 30000));
    ASSERT_TRUE(cancelled.has_value());
    EXPECT_TRUE(*cancelled) << "the run was stopped, not run to its end";
    EXPECT_LT(rowsAtTheEnd, 3u);
}

// A window closed once its run has ended goes at once.
TEST(ComparisonWindowQt, ClosedAfterItsRunItGoesAtOnce) {
    QPointer<ComparisonWindow> window = new ComparisonWindow({bandInverse(20), std::nullopt, kEnglish});
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 30000));
    EXPECT_EQ(window->rows().size(), 3u);
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
}

}  // namespace
}  // namespace corvane::testing
