// Trace bars: under each reached item, one row per source whose influence is shown, with a
// framed bar as long as the trace's value and the source's name beside it.
#include "view/label_text.h"
#include "view/qt/layers.h"
#include "view/transform.h"

#include <QLocale>
#include <cmath>

namespace lumeris {
namespace {

bool traceShown(const PaintFrame& frame, const CPoint* item, const CVolume* trace) {
    return (frame.eval.ShowVolumes || frame.scheme.Hovered.item == item) && trace->Source != item &&
           std::fabs(trace->Value) > 0.0009f;
}

void paintTraceRow(PaintFrame& frame, const CVolume* trace, ScreenPoint s, int y0,
                   const Sprites& sprites, char decimalPoint) {
    const int x0 = s.x + 1;
    const bool flag = trace->Source->Type == TypeFlag;
    const bool blinking = flag && frame.eval.BlinkPhase;
    frame.shapes.frameRect(x0, y0, x0 + 22, y0 + 5,
                           flag ? qRgb(0x00, 0xB0, 0x00) : qRgb(0x60, 0x60, 0x60));
    const QRgb bar = blinking           ? qRgb(0x00, 0xFF, 0x00)
                     : trace->Value > 0 ? qRgb(0xE0, 0x20, 0x20)
                                        : qRgb(0x20, 0x20, 0xE0);
    // The exact product: in single precision 20 * 0.7 rounds up to 14 before the truncation.
    const int length = truncToInt(20 * std::fabs(static_cast<long double>(trace->Value)));
    frame.shapes.fillRect(x0 + 1, y0 + 1, x0 + 1 + length, y0 + 4, bar);
    const std::string caption =
        frame.eval.ShowValues ? valueText(trace->Value, 3, decimalPoint) + " " + trace->Source->Name
                              : trace->Source->Name;
    frame.writeText(x0 + 23, y0 - 4, caption, qRgb(0x30, 0x40, 0x30), false, false);
    if (blinking)
        frame.shapes.blit(s.x - 6, s.y - 6, sprites.iFlag);
}

} // namespace

void paintTraces(PaintFrame& frame, ItemsOnScreen items, const Sprites& sprites) {
    frame.setFontSize(7);
    const int r0 = frame.eval.ShowValues ? 17 : 8;
    const char decimalPoint = char(QLocale().decimalPoint().front().unicode());
    for (const CPoint* item : items) {
        if (item->Traces.empty() || !item->Vis || startsWithStar(item->Name))
            continue;
        const ScreenPoint s = frame.screenOf(item);
        int y0 = s.y + r0;
        for (const CVolume& trace : item->Traces) {
            if (!traceShown(frame, item, &trace))
                continue;
            paintTraceRow(frame, &trace, s, y0, sprites, decimalPoint);
            y0 += 8;
        }
    }
}

} // namespace lumeris
