#include "channels/channel_table_colours.h"

#include <algorithm>
#include <cmath>

namespace rp70::gui {
namespace {

const QColor kHeaderText(0, 0, 155);
const QColor kLabelText(0, 0, 255);
const QColor kEvenRowBackground(250, 250, 240);
const QColor kEvenRowText(0, 0, 0);

// The share of the text colour in the even rows' tint on a dark palette.
constexpr double kDarkRowTint = 0.08;
// The least contrast ratio a text keeps with its background (WCAG AA for normal text).
constexpr double kMinimumContrast = 4.5;
// Steps by which a text colour moves towards white or black.
constexpr int kReadableSteps = 20;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Relative luminance as WCAG defines it.
double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    // The list form returns the values; the two-argument form would return references to the
    // temporaries, gone by the next line.
    const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](float a, float b) { return a + (b - a) * float(share); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

// `text` itself when it is readable on `background`, otherwise the first mix of it with white or
// black (whichever stands out more) that is.
QColor Readable(const QColor& text, const QColor& background) {
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor extreme =
        Contrast(white, background) > Contrast(black, background) ? white : black;
    for (int step = 0; step < kReadableSteps; ++step) {
        const QColor mixed = Mix(text, extreme, double(step) / kReadableSteps);
        if (Contrast(mixed, background) >= kMinimumContrast) {
            return mixed;
        }
    }
    return extreme;
}

} // namespace

ChannelTableColours ChannelTableColoursFor(const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() <
                      palette.color(QPalette::WindowText).lightness();
    const QColor header = palette.color(QPalette::Button);
    const QColor rowBackground =
        dark ? Mix(palette.color(QPalette::Base), palette.color(QPalette::Text), kDarkRowTint)
             : kEvenRowBackground;
    const QColor rowText = dark ? palette.color(QPalette::Text) : kEvenRowText;
    return ChannelTableColours{Readable(kHeaderText, header), Readable(kLabelText, header), header,
                               Readable(rowText, rowBackground), rowBackground};
}

} // namespace rp70::gui
