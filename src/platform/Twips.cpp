#include "platform/Twips.h"

#include <QFontMetricsF>
#include <QWidget>

namespace posmod {

TwipsScale TwipsScale::ofMetrics(double averageLetter, double lineHeight)
{
    // A font without metrics (none installed) keeps the layouts' scale.
    const double x = averageLetter > 0 ? averageLetter / (kLayoutLetter * kTwipsPerPixel) : 1.0 / kTwipsPerPixel;
    const double y = lineHeight > 0 ? lineHeight / (kLayoutLine * kTwipsPerPixel) : 1.0 / kTwipsPerPixel;
    return TwipsScale(x, y);
}

TwipsScale TwipsScale::ofFont(const QFont& font, const QPaintDevice* device)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const QFontMetricsF m = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    return ofMetrics(m.horizontalAdvance(letters) / letters.size(), m.height());
}

TwipsScale TwipsScale::of(const QWidget& widget) { return ofFont(widget.font(), &widget); }

} // namespace posmod
