#pragma once
// The manual: HTML pages installed with the program and shown in a window of
// their own, without a network (Help > Contents, F1).

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace velmora {

class Messenger;

// The manual's first page: $VELMORA_MANUAL_DIR/index.html when that is set,
// else share/doc/velmora/manual/index.html beside the program's bin folder
// (as installed), else manual/index.html one folder above the program (the
// build tree). Empty when none is there.
QString ManualIndex();

// The manual's window: its pages with Back, Forward and Contents; links to
// the web open in the browser.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(const QString& index, QWidget* parent = nullptr);
    QTextBrowser* browser = nullptr;
};

// Shows the manual's window (one for the program, raised when it is open),
// or says where the manual should be when it is not installed.
void ShowManual(Messenger& messenger, QWidget* over);

}  // namespace velmora
