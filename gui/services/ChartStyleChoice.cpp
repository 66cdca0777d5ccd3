#include "services/ChartStyleChoice.h"

namespace velmora {

ChartStyleChoice::ChartStyleChoice(ChartStyle style, bool cellDegrees, QObject* parent)
    : QObject(parent), style_(style), cellDegrees_(cellDegrees) {}

void ChartStyleChoice::Choose(ChartStyle style) {
    if (style == style_) return;
    style_ = style;
    emit Chosen(style);
}

void ChartStyleChoice::ChooseCellDegrees(bool shown) {
    if (shown == cellDegrees_) return;
    cellDegrees_ = shown;
    emit CellDegreesChosen(shown);
}

void ChartStyleChoice::Follow(const QObject* window, std::function<void(ChartStyle)> redraw) const {
    connect(this, &ChartStyleChoice::Chosen, window, std::move(redraw));
}

}  // namespace velmora
