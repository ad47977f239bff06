// Windows-1251 text, as the model keeps it, to and from Qt's Unicode strings. Conversion
// happens only at the edge: drawing, edit fields, the clipboard and message boxes.
#pragma once

#include <QString>
#include <string>

namespace lumeris {

QString fromCp1251(const std::string& bytes);
// A character that Windows-1251 cannot hold becomes "?".
std::string toCp1251(const QString& text);

} // namespace lumeris
