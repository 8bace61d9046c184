#include "dialog/qt/dialog_units.h"

#include <QFontMetrics>

namespace corvane {
namespace {

// a * b / c rounded to the nearest integer.
int scaled(int a, int b, int c) { return static_cast<int>((static_cast<long long>(a) * b * 2 + c) / (2 * c)); }

}  // namespace

QFont dialogFont(int pointSize) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (letters / 26 + 1) / 2;
    baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const { return scaled(units, baseWidth_, 4); }
int DialogUnits::y(int units) const { return scaled(units, baseHeight_, 8); }

QRect DialogUnits::rect(int x, int y, int width, int height) const {
    return QRect(this->x(x), this->y(y), this->x(width), this->y(height));
}

}  // namespace corvane
