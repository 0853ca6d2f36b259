#pragma once

#include <vector>

// Every fixed text of the windows in Russian and English.
namespace gui {

enum class CaptionWindow { Main, Editor, About, Help, Journal };

// Caption: a label's, button's or menu item's text, a group box's or menu's
// title, a tab page's tab text, a window's title, a text area's whole text.
enum class CaptionProperty { Caption, Hint };

struct CaptionRow {
    CaptionWindow window;
    std::vector<const char*> objects;  // object names; "" is the window itself
    CaptionProperty property;
    const char* russian;  // UTF-8
    const char* english;
};

const std::vector<CaptionRow>& captionTable();

}  // namespace gui
