#include "widgets/AccessibleCombo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include <algorithm>

namespace velmora {

namespace {

class AccessibleCombo : public QAccessibleWidget {
public:
    explicit AccessibleCombo(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: return SpokenComboName(List()->accessibleName(), List()->currentText());
        case QAccessible::Value: return List()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }

    // The name says what the list is; a label or frame beside it would be
    // read a second time.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto all = QAccessibleWidget::relations(match);
        if (List()->accessibleName().isEmpty()) return all;
        all.erase(std::remove_if(all.begin(), all.end(),
                                 [](const auto& relation) { return relation.second & QAccessible::Label; }),
                  all.end());
        return all;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return QAccessibleWidget::doAction(action);
        if (List()->view()->isVisible()) {
            List()->hidePopup();
        } else {
            List()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ComboFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox")) return nullptr;
    auto* list = qobject_cast<QComboBox*>(object);
    // An editable list keeps Qt's interface, which knows its line edit.
    if (!list || list->isEditable()) return nullptr;
    return new AccessibleCombo(list);
}

}  // namespace

QString SpokenComboName(const QString& name, const QString& current) {
    if (name.isEmpty()) return current;
    if (current.isEmpty()) return name;
    return name + QStringLiteral(", ") + current;
}

void InstallAccessibleCombo() { QAccessible::installFactory(ComboFactory); }

}  // namespace velmora
