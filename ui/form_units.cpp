#include "form_units.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace lomarek {
FormUnits::FormUnits(const QFont& font, double narrowestAverageWidth)
{
    const QFontMetrics metrics(font);
    // The average over the 52 Latin letters, rounded as the platform rounds it.
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int average = (letters / 26 + 1) / 2;
    m_averageWidth = std::max<double>(average, narrowestAverageWidth);
    m_height = metrics.height();
}

int FormUnits::X(int units) const
{
    return static_cast<int>(std::lround(units * m_averageWidth / 4.0));
}

int FormUnits::Y(int units) const
{
    return static_cast<int>(std::lround(units * m_height / 8.0));
}

QRect FormUnits::Map(int x, int y, int width, int height) const
{
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

void RegisterJapaneseFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"),
                               QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
    const QStringList gothic = {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), gothic);
}

} // namespace lomarek
