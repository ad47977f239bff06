// Placeholder until the edit commands land.
#pragma once
#include "edit/editor.h"
namespace lumeris {
void aNewItemExecute(Editor& editor);
}
