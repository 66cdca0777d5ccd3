#pragma once
// The Language menu of the windows' menu bars: English and the languages
// Velmora speaks, each under its own name, the one chosen ticked. Choosing
// one switches every open window at once and keeps the choice. Below them,
// "Native digits": numbers in the language's own digits.

class QMenuBar;

namespace velmora {

void AddLanguageMenu(QMenuBar* bar);

}  // namespace velmora
