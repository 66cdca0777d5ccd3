#include "widgets/Translated.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace velmora {

namespace {

struct TranslatedText {
    QPointer<QObject> object;
    const char* source;
    TextRole role;
    QStringList args;
};

void Apply(const TranslatedText& t) {
    QObject* object = t.object.data();
    if (!object) return;
    QString text = Tr(t.source);
    for (const QString& arg : t.args) text = text.arg(arg);
    switch (t.role) {
        case TextRole::WindowTitle:
            if (auto* widget = qobject_cast<QWidget*>(object)) widget->setWindowTitle(text);
            return;
        case TextRole::ToolTip:
            if (auto* widget = qobject_cast<QWidget*>(object)) widget->setToolTip(text);
            if (auto* action = qobject_cast<QAction*>(object)) action->setToolTip(text);
            return;
        case TextRole::AccessibleName:
            if (auto* widget = qobject_cast<QWidget*>(object)) widget->setAccessibleName(text);
            return;
        case TextRole::Text: break;
    }
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        group->setTitle(text);
    }
}

// Every text set through Translate, set again on the application's
// LanguageChange (sent when a translator is installed or removed).
class Retranslator : public QObject {
public:
    Retranslator() : QObject(QCoreApplication::instance()) { QCoreApplication::instance()->installEventFilter(this); }

    void Add(TranslatedText text) {
        // The entries of objects gone are dropped whenever the list has doubled.
        if (texts_.size() >= pruneAt_) {
            std::erase_if(texts_, [](const TranslatedText& t) { return t.object.isNull(); });
            pruneAt_ = std::max<std::size_t>(256, 2 * texts_.size());
        }
        texts_.push_back(text);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            for (const TranslatedText& t : texts_) Apply(t);
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<TranslatedText> texts_;
    std::size_t pruneAt_ = 256;
};

Retranslator& TheRetranslator() {
    static QPointer<Retranslator> retranslator;
    if (!retranslator) retranslator = new Retranslator;
    return *retranslator;
}

}  // namespace

QString Tr(const char* source) { return QCoreApplication::translate(kTextContext, source); }

void Translate(QObject* object, const char* source, TextRole role) { Translate(object, source, role, {}); }

void Translate(QObject* object, const char* source, TextRole role, const QStringList& args) {
    const TranslatedText text{object, source, role, args};
    Apply(text);
    TheRetranslator().Add(text);
}

}  // namespace velmora
