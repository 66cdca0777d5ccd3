#include "services/ChartStyleChoice.h"

namespace velmora {

ChartStyleChoice::ChartStyleChoice(ChartStyle style, QObject* parent) : QObject(parent), style_(style) {}

void ChartStyleChoice::Choose(ChartStyle style) {
    if (style == style_) return;
    style_ = style;
    emit Chosen(style);
}

void ChartStyleChoice::Follow(const QObject* window, std::function<void(ChartStyle)> redraw) const {
    connect(this, &ChartStyleChoice::Chosen, window, std::move(redraw));
}

}  // namespace velmora
