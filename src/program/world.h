// Everything one running program (or one test) holds: the scheme, the view, the evaluation,
// the canvas interaction and the document. Owned by the application object and passed by
// reference; a test builds a fresh one in one line.
#pragma once

#include "edit/interaction.h"
#include "engine/evaluation.h"
#include "model/document.h"
#include "model/scheme.h"
#include "props/panel_state.h"
#include "trend/value_trend.h"
#include "view/view_state.h"

namespace lumeris {

struct World {
    Scheme scheme;
    ViewState view;
    Evaluation eval;
    Interaction input;
    Document doc;
    PanelState panel; // the properties panel and the two editor windows
    ValueTrend trend; // the values of the last steps, for the chart
};

} // namespace lumeris
