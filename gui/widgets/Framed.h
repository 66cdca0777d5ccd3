#pragma once
// A control in a titled frame, as the chart pages group their parts.

#include <QGroupBox>
#include <QString>
#include <QVBoxLayout>

namespace velmora {

inline QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(inside);
    return box;
}

}  // namespace velmora
