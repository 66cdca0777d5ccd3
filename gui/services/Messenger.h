#pragma once
// Message boxes go through this interface so that tests can capture them
// instead of blocking on a dialog.

#include <QString>
#include <QStringList>

#include "birth/InputValidation.h"

class QWidget;

namespace velmora {

class Messenger {
public:
    virtual ~Messenger() = default;
    // A modal box over `parent` with an OK button only and "Velmora" as caption.
    virtual void Show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A modal question with one button a choice and Cancel; the index of the
    // choice taken, or -1 for Cancel.
    virtual int Choose(QWidget* parent, const QString& text, const QStringList& choices) = 0;
};

// A message as the box shows it: the check messages the core writes in
// English (birth/InputValidation) in the windows' language, any other text
// (already in it, or the person's own) as it is.
QString MessageInLanguage(const QString& text);

// The real one: QMessageBox; the texts as MessageInLanguage gives them.
class QtMessenger : public Messenger {
public:
    void Show(QWidget* parent, const QString& text, MessageIcon icon) override;
    int Choose(QWidget* parent, const QString& text, const QStringList& choices) override;
};

}  // namespace velmora
