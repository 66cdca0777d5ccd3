#include "services/Messenger.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace velmora {

namespace {

// The messages the birth data's checks give (birth/InputValidation), in
// English as the core writes them, marked here for translation: a box shows
// the translation of a text it finds among them, any other text as it is.
[[maybe_unused]] constexpr const char* kCheckMessages[] = {
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Name"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Value Between 0 And 179 in the Degree of Longitude"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Value Between 0 And 59 in the  Minute of Longitude"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Value Between 0 And 89 in the Degree of Latitude"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Value Between 0 And 59 in the  Minute of Latitude"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Correct Date Or Month !"),
    // The place search's (atlas/PlaceLookup).
    QT_TRANSLATE_NOOP("Velmora", "Please Enter City"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter State"),
    QT_TRANSLATE_NOOP("Velmora", "Please Enter Country"),
};

}  // namespace

QString MessageInLanguage(const QString& text) {
    return QCoreApplication::translate("Velmora", text.toUtf8().constData());
}

void QtMessenger::Show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("Velmora"), MessageInLanguage(text), QMessageBox::Ok, parent);
    box.setAccessibleName(QStringLiteral("Velmora"));
    box.setAccessibleDescription(box.text());  // screen readers announce the message itself
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
