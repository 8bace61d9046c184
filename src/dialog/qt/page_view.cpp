#include "dialog/qt/page_view.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <QSignalBlocker>
#include <algorithm>
#include <stdexcept>

#include "dialog/open_failure.h"
#include "dialog/page_view_texts.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"
#include "dialog/text_file.h"

namespace corvane {
namespace {

constexpr int kTabColumns = 8;
constexpr double kMegabyte = 1024.0 * 1024.0;

// A page's bytes as text: UTF-8, or Latin-1 for bytes that are not UTF-8;
// CR LF shown as one line end.
QString pageText(const std::string& bytes) {
    const QByteArray lines = QByteArray::fromStdString(withLineFeeds(bytes));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(lines);
    return utf8.hasError() ? QString::fromLatin1(lines) : text;
}

}  // namespace

PageView::PageView(const QString& path, int language, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      path_(path),
      language_(language),
      note_(new QLabel),
      text_(new QPlainTextEdit),
      number_(new QSpinBox),
      count_(new QLabel) {
    const PageViewTexts& texts = pageViewTexts(language);
    setObjectName(QStringLiteral("pageView"));
    setWindowIcon(programIcon());
    setSizeGripEnabled(true);
    const QFileInfo info(path);
    setWindowTitle(QStringLiteral("%1 %2 - %3").arg(info.fileName(), toQt(texts.readOnly), info.absolutePath()));

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text_->setObjectName(QStringLiteral("pageText"));
    text_->setReadOnly(true);
    text_->setFont(fixed);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * kTabColumns);
    number_->setObjectName(QStringLiteral("pageNumber"));
    number_->setKeyboardTracking(false);
    count_->setObjectName(QStringLiteral("pageCount"));

    first_ = namedButton(texts.first, "firstPage");
    previous_ = namedButton(texts.previous, "previousPage");
    next_ = namedButton(texts.next, "nextPage");
    last_ = namedButton(texts.last, "lastPage");
    QPushButton* close = namedButton(texts.close, "close");
    for (QPushButton* button : {first_, previous_, next_, last_, close}) button->setAutoDefault(false);
    connect(first_, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(number_, &QSpinBox::valueChanged, this, [this](int shown) { showPage(shown - 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(first_);
    navigation->addWidget(previous_);
    navigation->addWidget(number_);
    navigation->addWidget(count_);
    navigation->addWidget(next_);
    navigation->addWidget(last_);
    navigation->addStretch(1);
    navigation->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(text_, 1);
    layout->addLayout(navigation);
    resize(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('x')) * 100, QFontMetrics(fixed).height() * 40);
}

bool PageView::load() {
    const PageViewTexts& texts = pageViewTexts(language_);
    std::error_code error;
    pages_ = FilePages::open(path_.toStdString(), error);
    if (!pages_) {
        const QString reason = toQt(systemFailureReason(error.value(), language_));
        QMessageBox box(QMessageBox::Critical, windowTitle(),
                        QStringLiteral("%1\n%2\n%3").arg(toQt(texts.cannotRead), path_, reason), QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    note_->setText(toQt(texts.note).arg(QString::number(static_cast<double>(pages_->fileBytes()) / kMegabyte, 'f', 0)));
    count_->setText(toQt(texts.pageOf).arg(pages_->count()));
    {
        QSignalBlocker quiet(number_);
        number_->setRange(1, pages_->count());
    }
    page_ = -1;
    showPage(0);
    return true;
}

void PageView::showPage(int index) {
    if (!pages_) return;
    index = std::clamp(index, 0, pages_->count() - 1);
    if (index == page_) return;
    page_ = index;
    try {
        text_->setPlainText(pageText(pages_->page(index)));
    } catch (const std::runtime_error& error) {
        text_->setPlainText(toQt(pageViewTexts(language_).cannotRead) + QLatin1Char('\n') + QString::fromUtf8(error.what()));
    }
    {
        QSignalBlocker quiet(number_);
        number_->setValue(index + 1);
    }
    first_->setEnabled(index > 0);
    previous_->setEnabled(index > 0);
    next_->setEnabled(index + 1 < pages_->count());
    last_->setEnabled(index + 1 < pages_->count());
}

void viewLargeFile(const QString& path, int language, QWidget* parent) {
    PageView view(path, language, parent);
    if (view.load()) view.exec();
}

}  // namespace corvane
