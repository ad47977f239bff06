// Texts and sizes of the painter's labels that follow from the scheme and the scale alone.
#pragma once

#include <string>

namespace lumeris {

// A link's label: "From> " when the source is off screen and named, the link's own name,
// and " >To" when the target is off screen and named. Windows-1251 bytes.
std::string linkLabel(const std::string& fromName, bool fromOnScreen, const std::string& name,
                      const std::string& toName, bool toOnScreen);

// A value with a fixed number of decimals, rounded half away from zero, never "-0.0".
std::string valueText(float value, int decimals, char decimalPoint);

// Font sizes in points and label offsets in pixels at a scale.
int linkFontSize(float scale); // trunc(10 * scale^(1/4))
int nameFontSize(float scale); // trunc(11 * scale^(1/4))
int nameRise(float scale);     // a name's top lies this far above the item
int valueDrop(float scale);    // a value's top lies this far below the item

} // namespace lumeris
