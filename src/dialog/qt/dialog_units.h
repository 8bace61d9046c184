#pragma once
// Dialog units: positions and sizes of the templates are given in quarters of
// the dialog font's average character width and eighths of its height. A
// font wider or taller than the one the templates were drawn for may not fit
// a text into its control; the units then grow until it does.

#include <QFont>
#include <QRect>
#include <QSize>

namespace corvane {

// The sans-serif font of the dialogs at the given size.
QFont dialogFont(int pointSize);

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;

    // Grows the units, if needed, so that a control of width × height units
    // is at least `pixels` large.
    void makeRoom(QSize pixels, int width, int height);

private:
    double baseWidth_;   // average width of the letters A-Z and a-z, or more
    double baseHeight_;  // height of the font, or more
};

}  // namespace corvane
