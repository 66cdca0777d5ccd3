#pragma once
// Message boxes go through this interface so that tests can capture them
// instead of blocking on a dialog.

#include <QString>

#include "entry/InputValidation.h"

class QWidget;

namespace velmora {

class Messenger {
public:
    virtual ~Messenger() = default;
    // A modal box over `parent` with an OK button only and "Velmora" as caption.
    virtual void Show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
};

// The real one: QMessageBox.
class QtMessenger : public Messenger {
public:
    void Show(QWidget* parent, const QString& text, MessageIcon icon) override;
};

}  // namespace velmora
