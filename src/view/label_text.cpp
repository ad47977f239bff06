#include "view/label_text.h"

#include <algorithm>
#include <cmath>

namespace lumeris {

std::string linkLabel(const std::string& fromName, bool fromOnScreen, const std::string& name,
                      const std::string& toName, bool toOnScreen) {
    std::string label;
    if (!fromOnScreen && !fromName.empty())
        label += fromName + "> ";
    label += name;
    if (!toOnScreen && !toName.empty())
        label += " >" + toName;
    return label;
}

std::string valueText(float value, int decimals, char decimalPoint) {
    // Values lie in -1..1; anything a damaged file holds is kept printable.
    double scaled = std::round(double(value) * std::pow(10.0, decimals));
    scaled = std::isfinite(scaled) ? std::clamp(scaled, -1e15, 1e15) : 0.0;
    const bool negative = scaled < 0;
    const long long units = std::llabs(static_cast<long long>(scaled));
    long long unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    std::string text = (negative ? "-" : "") + std::to_string(units / unit);
    if (decimals > 0) {
        const std::string fraction = std::to_string(units % unit);
        text += decimalPoint;
        text += std::string(std::size_t(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

int linkFontSize(float scale) {
    return int(10 * std::pow(double(scale), 0.25));
}
int nameFontSize(float scale) {
    return int(11 * std::pow(double(scale), 0.25));
}
int nameRise(float scale) {
    return int(12 * std::sqrt(double(scale)));
}
int valueDrop(float scale) {
    return int(5 * std::sqrt(double(scale))) - 1;
}

} // namespace lumeris
