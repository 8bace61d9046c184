#pragma once
// Dialog units: positions and sizes of the templates are given in quarters of
// the dialog font's average character width and eighths of its height.

#include <QFont>
#include <QRect>

namespace corvane {

// The sans-serif font of the dialogs at the given size.
QFont dialogFont(int pointSize);

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;

    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }

private:
    int baseWidth_;   // average width of the letters A-Z and a-z
    int baseHeight_;  // height of the font
};

}  // namespace corvane
