// What the window tells the user about an import, in the program's translated texts.
#pragma once

#include "exchange/graph.h"

#include <QString>

namespace lumeris {

// "Ошибка в данных, строка N[, столбец C]: ..." for a file that could not be read.
QString importErrorText(const ExchangeError& error);

// One line per note, or an empty text when there is nothing to tell.
QString importNotesText(const ImportNotes& notes);

} // namespace lumeris
