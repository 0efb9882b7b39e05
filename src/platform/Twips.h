#pragma once
// Twips on the screen. The layouts' twips were drawn for an 8-point sans serif at 96 dpi,
// whose small letters average 5 pixels and whose lines are 13 pixels high: 15 twips a pixel
// for that font. Another font scales them as the original platform does when its text size
// is raised: across by its average small letter (captions are mostly small letters), down
// by its line height, so a column that held a caption in the layouts' font holds it in the
// font in use.
#include <cmath>

class QFont;
class QPaintDevice;
class QWidget;

namespace posmod {

class TwipsScale {
public:
    // The layouts' own font: 5 px average small letter, 13 px line.
    static constexpr double kLayoutLetter = 5.0;
    static constexpr double kLayoutLine = 13.0;
    static constexpr double kTwipsPerPixel = 15.0;

    TwipsScale() = default;
    // From a font's average small-letter width and line height, in pixels.
    static TwipsScale ofMetrics(double averageLetter, double lineHeight);
    // A font as drawn on a device (the screen when none is given).
    static TwipsScale ofFont(const QFont& font, const QPaintDevice* device = nullptr);
    // The widget's own font on its screen.
    static TwipsScale of(const QWidget& widget);

    int toPixelsX(long long twips) const { return round(static_cast<double>(twips) * x_); }
    int toPixelsY(long long twips) const { return round(static_cast<double>(twips) * y_); }
    int toTwipsX(int pixels) const { return round(pixels / x_); }
    int toTwipsY(int pixels) const { return round(pixels / y_); }
    // Pixels per twip.
    double x() const { return x_; }
    double y() const { return y_; }

private:
    TwipsScale(double x, double y) : x_(x), y_(y) {}
    static int round(double v) { return static_cast<int>(std::lround(v)); }

    double x_ = 1.0 / kTwipsPerPixel;
    double y_ = 1.0 / kTwipsPerPixel;
};

} // namespace posmod
