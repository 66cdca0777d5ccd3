#include "widgets/Translated.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "services/LanguageChoice.h"

namespace velmora {

namespace {

struct TranslatedText {
    QPointer<QObject> object;
    const char* source;
    TextRole role;
    QStringList args;
    std::vector<const char*> items;  // a list's items or a table's column titles, for TranslateItems
};

struct LanguageFollower {
    QPointer<QObject> owner;
    std::function<void()> apply;
};

void ApplyItems(QObject* object, const std::vector<const char*>& sources) {
    QStringList texts;
    for (const char* source : sources) texts << Tr(source);
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count() && i < texts.size(); ++i) combo->setItemText(i, texts[i]);
    } else if (auto* table = qobject_cast<QTableWidget*>(object)) {
        table->setHorizontalHeaderLabels(texts);
    } else if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        tree->setHeaderLabels(texts);
    }
}

void Apply(const TranslatedText& t) {
    QObject* object = t.object.data();
    if (!object) return;
    if (!t.items.empty()) {
        ApplyItems(object, t.items);
        return;
    }
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
        case TextRole::AccessibleDescription:
            if (auto* widget = qobject_cast<QWidget*>(object)) widget->setAccessibleDescription(text);
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
        texts_.push_back(std::move(text));
    }

    void Follow(LanguageFollower follower) {
        std::erase_if(followers_, [](const LanguageFollower& f) { return f.owner.isNull(); });
        followers_.push_back(std::move(follower));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange &&
            !LanguageChoice::Settling()) {
            // By index, each a copy: a text set may make a control that asks
            // for a translation of its own, adding to the list.
            for (std::size_t i = 0; i < texts_.size(); ++i) {
                const TranslatedText t = texts_[i];
                Apply(t);
            }
            // A follower may open or close windows: the list is walked as it
            // stood when the language changed.
            const std::vector<LanguageFollower> followers = followers_;
            Run(followers);
            // A new language's script font reaches the windows through posted
            // events, after this LanguageChange: the same followers run once
            // more when it has, so that the tables they size fit the font
            // they show.
            const Language language = LanguageChoice::Current();
            if (language != language_) {
                language_ = language;
                QTimer::singleShot(0, this, [followers] { Run(followers); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void Run(const std::vector<LanguageFollower>& followers) {
        for (const LanguageFollower& f : followers)
            if (!f.owner.isNull()) f.apply();
    }

    // The windows' language at the last change; made after the program may
    // have started in another language than English.
    Language language_ = LanguageChoice::Current();
    std::vector<TranslatedText> texts_;
    std::vector<LanguageFollower> followers_;
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
    const TranslatedText text{object, source, role, args, {}};
    Apply(text);
    TheRetranslator().Add(text);
}

void TranslateItems(QObject* object, std::vector<const char*> sources) {
    const TranslatedText text{object, nullptr, TextRole::Text, {}, std::move(sources)};
    Apply(text);
    TheRetranslator().Add(text);
}

void OnLanguageChange(QObject* owner, std::function<void()> apply) {
    TheRetranslator().Follow({owner, std::move(apply)});
}

}  // namespace velmora
