#include "text_fields.h"

namespace lumeris {

void appendPlainField(std::string& out, std::string_view field) {
    const std::size_t start = out.size();
    out += field;
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == '\t' || out[i] == '\r' || out[i] == '\n')
            out[i] = ' ';
}

void appendTextField(std::string& out, std::string_view field) {
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\t') {
            out += ' ';
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
}

std::string expandLineBreaks(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && field[i + 1] == 'n') {
            text += "\r\n";
            ++i;
        } else {
            text += field[i];
        }
    }
    return text;
}

} // namespace lumeris
