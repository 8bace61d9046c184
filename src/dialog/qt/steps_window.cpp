#include "dialog/qt/steps_window.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/step_sentences.h"
#include "app/step_texts.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

// The item data that says a cell holds the pivot.
constexpr int kPivotRole = Qt::UserRole + 1;
// The width of the rule before the right-hand sides and the iterates.
constexpr int kRuleWidth = 3;

QColor colour(std::string_view hex) { return QColor(toQt(hex)); }

// Draws a frame around the pivot's cell.
class PivotFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(kPivotRole).toBool()) return;
        painter->save();
        painter->setPen(QPen(colour(kStepColours.pivot), 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

QTableWidgetItem* cellItem(const StepCell& cell) {
    auto* item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (cell.marks & kEmptyMark) return item;
    item->setText(toQt(stepNumber(cell.value)));
    QFont font = item->font();
    if (cell.marks & kChangedMark) item->setBackground(colour(kStepColours.changed));
    else if (cell.marks & kUsedMark) item->setBackground(colour(kStepColours.used));
    else if (cell.marks & kSearchedMark) item->setBackground(colour(kStepColours.searched));
    font.setBold((cell.marks & kChangedMark) != 0);
    if (cell.marks & kStoredMark) {
        font.setItalic(true);
        item->setForeground(colour(kStepColours.stored));
    }
    item->setFont(font);
    item->setData(kPivotRole, (cell.marks & kPivotMark) != 0);
    return item;
}

QString legendText(int language) {
    const StepViewTexts& t = stepViewTexts(language);
    const StepColours& c = kStepColours;
    auto chip = [](std::string_view style, std::string_view text) {
        return QStringLiteral("<span style=\"%1\">&nbsp;%2&nbsp;</span> ").arg(toQt(style), toQt(text).toHtmlEscaped());
    };
    return toQt(t.legend) + QStringLiteral(": ") +
           chip("border: 2px solid " + std::string(c.pivot) + "; color: " + std::string(c.pivot), t.pivot) +
           chip("background-color: " + std::string(c.searched), t.searched) +
           chip("background-color: " + std::string(c.changed) + "; font-weight: bold", t.changed) +
           chip("background-color: " + std::string(c.used), t.used) +
           chip("color: " + std::string(c.stored) + "; font-style: italic", t.stored) +
           chip("background-color: " + std::string(c.exchanged), t.exchanged);
}

}  // namespace

StepsWindow::StepsWindow(StepsRequest request, QWidget* parent)
    : QWidget(parent, Qt::Window),
      request_(std::move(request)),
      sentence_(new QLabel),
      table_(new QTableWidget),
      slider_(new QSlider(Qt::Horizontal)),
      position_(new QLabel) {
    const StepViewTexts& texts = stepViewTexts(request_.language);
    setObjectName(QStringLiteral("stepsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQt(fillIn(texts.title, {stepsMethodName(request_.steps.method)})));
    setWindowIcon(programIcon());
    first_ = namedButton(texts.first, "first");
    previous_ = namedButton(texts.previous, "previous");
    next_ = namedButton(texts.next, "next");
    last_ = namedButton(texts.last, "last");
    QPushButton* close = namedButton(texts.close, "close");

    auto* legend = new QLabel(legendText(request_.language));
    legend->setTextFormat(Qt::RichText);
    legend->setWordWrap(true);
    sentence_->setObjectName(QStringLiteral("stepSentence"));
    sentence_->setWordWrap(true);
    sentence_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sentence_->setMinimumHeight(3 * sentence_->fontMetrics().lineSpacing());
    sentence_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    table_->setObjectName(QStringLiteral("stepMatrix"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setItemDelegate(new PivotFrame(table_));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setMinimumSectionSize(kRuleWidth);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The table as large as its cells, the window's room left below it.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    slider_->setObjectName(QStringLiteral("stepSlider"));
    slider_->setRange(1, stepCount());
    slider_->setFocusPolicy(Qt::NoFocus);
    position_->setObjectName(QStringLiteral("stepPosition"));
    auto* keys = new QLabel(toQt(texts.keys));
    keys->setEnabled(false);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(first_);
    navigation->addWidget(previous_);
    navigation->addWidget(slider_, 1);
    navigation->addWidget(next_);
    navigation->addWidget(last_);
    navigation->addWidget(position_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(keys, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(legend);
    layout->addWidget(sentence_);
    auto* matrix = new QHBoxLayout;
    matrix->addWidget(table_);
    matrix->addStretch(1);
    layout->addLayout(matrix);
    layout->addStretch(1);
    layout->addLayout(navigation);
    layout->addLayout(bottom);

    connect(first_, &QPushButton::clicked, this, [this] { showStep(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { showStep(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showStep(current_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { showStep(stepCount() - 1); });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) { showStep(value - 1); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {first_, previous_, next_, last_, close}) button->installEventFilter(this);

    showStep(0);
    // Wide enough for the widest step's cells and notes, which a later step
    // may need: the last one's numbers and the first steps' notes.
    fillTable(request_.steps.steps.back());
    const int widest = table_->sizeHint().width();
    fillTable(request_.steps.steps[std::min<std::size_t>(1, request_.steps.steps.size() - 1)]);
    const int width = std::max(widest, table_->sizeHint().width());
    fillTable(request_.steps.steps.front());
    resize(std::clamp(width + 40, 760, 1500), std::clamp(table_->sizeHint().height() + 220, 320, 950));
}

bool StepsWindow::moveByKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up: showStep(current_ - 1); return true;
        case Qt::Key_Right:
        case Qt::Key_Down: showStep(current_ + 1); return true;
        case Qt::Key_Home: showStep(0); return true;
        case Qt::Key_End: showStep(stepCount() - 1); return true;
        default: return false;
    }
}

void StepsWindow::keyPressEvent(QKeyEvent* event) {
    if (!moveByKey(event->key())) QWidget::keyPressEvent(event);
}

// A button with the focus would move the focus with the arrows: the window
// takes them first (the table and the slider never have the focus).
bool StepsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        moveByKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StepsWindow::showStep(int index) {
    index = std::clamp(index, 0, stepCount() - 1);
    if (index == current_) return;
    current_ = index;
    const Step& step = request_.steps.steps[static_cast<std::size_t>(index)];
    sentence_->setText(toQt(stepSentence(request_.steps, static_cast<std::size_t>(index), request_.language)));
    fillTable(step);
    slider_->setValue(index + 1);
    position_->setText(toQt(fillIn(stepViewTexts(request_.language).stepOf, {index + 1, stepCount()})));
    first_->setEnabled(index > 0);
    previous_->setEnabled(index > 0);
    next_->setEnabled(index + 1 < stepCount());
    last_->setEnabled(index + 1 < stepCount());
}

// The cells in the order of stepRow, a narrow dark column before each block
// after A, and the note of each row in the last column.
void StepsWindow::fillTable(const Step& step) {
    const MethodSteps& run = request_.steps;
    const std::vector<std::string> names = stepColumnNames(run);
    const std::vector<StepCell> first = stepRow(step, 1);
    QStringList headers;
    std::vector<int> rules;
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (first[c].startsBlock) {
            rules.push_back(static_cast<int>(headers.size()));
            headers << QString();
        }
        headers << toQt(names[c]);
    }
    headers << QString();
    table_->clear();
    table_->setRowCount(run.n);
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    for (int i = 1; i <= run.n; ++i) {
        auto* name = new QTableWidgetItem(QString::number(i));
        if (i == step.exchanged[0] || i == step.exchanged[1]) name->setBackground(colour(kStepColours.exchanged));
        table_->setVerticalHeaderItem(i - 1, name);
        int column = 0;
        for (const StepCell& cell : stepRow(step, i)) {
            if (cell.startsBlock) {
                auto* rule = new QTableWidgetItem;
                rule->setBackground(Qt::darkGray);
                table_->setItem(i - 1, column++, rule);
            }
            table_->setItem(i - 1, column++, cellItem(cell));
        }
        table_->setItem(i - 1, column, new QTableWidgetItem(toQt(rowNoteText(step, i, request_.language))));
    }
    for (int rule : rules) {
        table_->horizontalHeader()->setSectionResizeMode(rule, QHeaderView::Fixed);
        table_->setColumnWidth(rule, kRuleWidth);
    }
}

}  // namespace corvane
