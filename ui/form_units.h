#pragma once

#include <QFont>
#include <QRect>

namespace lomarek {

// Dialog units of a form font, as the form's template measures its controls:
// a horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height.
class FormUnits {
public:
    // narrowestAverageWidth: a floor for the average width, where a layout
    // needs its units at least that wide.
    explicit FormUnits(const QFont& font, double narrowestAverageWidth = 0);

    QRect Map(int x, int y, int width, int height) const;
    int X(int units) const;
    int Y(int units) const;

    double averageCharWidth() const { return m_averageWidth; }
    int charHeight() const { return m_height; }

private:
    double m_averageWidth;
    int m_height;
};

// "MS UI Gothic" and "ＭＳ ゴシック" with the Linux gothics that stand in for them.
void RegisterJapaneseFontSubstitutes();

} // namespace lomarek
