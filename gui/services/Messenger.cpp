#include "services/Messenger.h"

#include <QMessageBox>
#include <QPushButton>

namespace velmora {

void QtMessenger::Show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("Velmora"), text, QMessageBox::Ok, parent);
    box.setAccessibleName(QStringLiteral("Velmora"));
    box.setAccessibleDescription(text);  // screen readers announce the message itself
    box.exec();
}

int QtMessenger::Choose(QWidget* parent, const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velmora"), text, QMessageBox::Cancel, parent);
    box.setAccessibleName(QStringLiteral("Velmora"));
    box.setAccessibleDescription(text);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices) buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

}  // namespace velmora
