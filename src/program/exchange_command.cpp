#include "program/exchange_command.h"

#include "exchange/place.h"
#include "view/transform.h"

namespace lumeris {

void importAtPointer(World& world, const ExchangeGraph& graph) {
    Scheme& scheme = world.scheme;
    scheme.journal().endStep();
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Mark = 0;
    const Placement pointer{ToWorldX(world.view, world.input.LastMouseX),
                            ToWorldY(world.view, world.input.LastMouseY), false};
    for (CPoint* item : placeGraph(scheme, graph, pointer))
        item->Mark = 2;
}

} // namespace lumeris
