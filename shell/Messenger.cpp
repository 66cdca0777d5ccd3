#include "shell/Messenger.h"

#include <QMessageBox>

namespace velmora {

void QtMessenger::Show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("Velmora"), text, QMessageBox::Ok, parent);
    box.setAccessibleName(QStringLiteral("Velmora"));
    box.setAccessibleDescription(text);  // screen readers announce the message itself
    box.exec();
}

}  // namespace velmora
