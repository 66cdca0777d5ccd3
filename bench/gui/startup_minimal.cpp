// The yardstick for the start-up time (tools/startup-time.sh): a minimal Qt
// widgets window, a label and a button, timed to its first paint exactly as
// velmora's input form is.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "shell/StartupProbe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("A minimal window"), &window));
    column->addWidget(new QPushButton(QStringLiteral("OK"), &window));
    velmora::StartupProbe::WatchFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
