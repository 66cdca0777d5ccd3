#pragma once
// The windows' texts in the language chosen, set again whenever it changes.
// Every text a window shows is written in English in the code, marked for
// lupdate with QT_TRANSLATE_NOOP("Velmora", "…") (one context for the whole
// program: translations/velmora_<code>.ts), and set through Translate: the
// object shows its translation now and after every language change, for as
// long as it lives. English shows the text exactly as written.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QObject;

namespace velmora {

inline constexpr const char* kTextContext = "Velmora";

// The text in the language installed now.
QString Tr(const char* source);

// Which of the object's texts a source gives.
enum class TextRole {
    Text,         // a button's, label's, action's, check box's text; a menu's title; a group box's title
    WindowTitle,  // a window's title
    ToolTip,
    AccessibleName,
    AccessibleDescription,
};

// Sets the object's text to the translation of `source` (a text marked with
// QT_TRANSLATE_NOOP("Velmora", …), kept as it is) now and at every change of
// language.
void Translate(QObject* object, const char* source, TextRole role = TextRole::Text);
// The same with %1, %2 … of the translation filled with `args` ("Dashas - %1"
// with the person's name).
void Translate(QObject* object, const char* source, TextRole role, const QStringList& args);

// The items of a combo box, or the column titles of a table or a tree, each
// the translation of its source, now and at every change of language.
void TranslateItems(QObject* object, std::vector<const char*> sources);

// Calls `apply` at every change of language, after the texts set through
// Translate, for as long as `owner` lives: what a window writes from the
// chart (its tables, its dates) is written again in the new language.
void OnLanguageChange(QObject* owner, std::function<void()> apply);

// The object, its text translated as Translate sets it: for a control made
// and placed in one expression.
template <class Object>
Object* Translated(Object* object, const char* source) {
    Translate(object, source);
    return object;
}

}  // namespace velmora
