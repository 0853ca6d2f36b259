#pragma once

#include <QIcon>

namespace gui {

enum class EditorIcon { Open, Save, Copy, Cut, Paste, Help };

// The desktop theme's icon, or a drawn one when the theme has none.
QIcon editorIcon(EditorIcon which);

}  // namespace gui
