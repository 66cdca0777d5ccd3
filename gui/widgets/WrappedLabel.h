#pragma once
// A label whose text wraps, measured once per width. Qt lays the whole text
// out again for every height-for-width question, and a layout asks the same
// question for the same width several times while a window is laid out.

#include <QEvent>
#include <QLabel>
#include <optional>

namespace velmora {

class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {
        setWordWrap(true);
    }

    int heightForWidth(int width) const override {
        const Measured now{width, text(), alignment(), margin(), indent(), wordWrap()};
        if (!measured_ || !(now == *measured_)) {
            height_ = QLabel::heightForWidth(width);
            measured_ = now;
        }
        return height_;
    }

protected:
    // Font, style and contents margins.
    void changeEvent(QEvent* event) override {
        measured_.reset();
        QLabel::changeEvent(event);
    }

private:
    // What the height depends on besides the font and style.
    struct Measured {
        int width;
        QString text;
        Qt::Alignment alignment;
        int margin, indent;
        bool wordWrap;
        bool operator==(const Measured&) const = default;
    };
    mutable std::optional<Measured> measured_;
    mutable int height_ = 0;
};

}  // namespace velmora
