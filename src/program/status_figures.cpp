#include "program/status_figures.h"

namespace lumeris {

StatusFigures statusFigures(const World& world) {
    const Scheme& scheme = world.scheme;
    StatusFigures figures;
    figures.FileName = world.doc.FileName;
    figures.Running = world.eval.Running;
    figures.Steps = world.eval.StepsRun;
    figures.Items = scheme.ItemCount;
    figures.Links = scheme.LinkCount;
    figures.Scale = world.view.Scale;
    const bool onItem = scheme.HoverKind == HoverItem || scheme.HoverKind == HoverItemName;
    if (onItem && scheme.Hovered.item) {
        figures.Hovering = true;
        figures.HoveredName = scheme.Hovered.item->Name;
        figures.HoveredValue = scheme.Hovered.item->Value;
    }
    return figures;
}

} // namespace lumeris
