#pragma once

class QMenuBar;

namespace gui {

// Fills the main menu: "Файл", "Настройки" (reset all units, language) and
// "Помощь", every item named; separators are named actions too.
void buildMainMenu(QMenuBar* bar);

}  // namespace gui
