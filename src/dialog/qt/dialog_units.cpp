#include "dialog/qt/dialog_units.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace corvane {

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

int DialogUnits::x(int units) const { return static_cast<int>(std::lround(units * baseWidth_ / 4)); }
int DialogUnits::y(int units) const { return static_cast<int>(std::lround(units * baseHeight_ / 8)); }

QRect DialogUnits::rect(int x, int y, int width, int height) const {
    return QRect(this->x(x), this->y(y), this->x(width), this->y(height));
}

void DialogUnits::makeRoom(QSize pixels, int width, int height) {
    if (width > 0) baseWidth_ = std::max(baseWidth_, pixels.width() * 4.0 / width);
    if (height > 0) baseHeight_ = std::max(baseHeight_, pixels.height() * 8.0 / height);
}

}  // namespace corvane
