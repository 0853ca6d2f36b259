#pragma once

#include <string>
#include <vector>

// The keys of settings.ini: what each one holds and where it goes.
namespace settings {

enum class Window { Main, Editor, Help, Journal };

enum class KeyKind {
    Top,       // window's top edge
    Left,      // window's left edge
    Height,    // window's height
    Width,     // window's width
    Text,      // an edit field's text, verbatim
    Language,  // the interface language, 1 Russian, 2 English
    Radio,     // a radio button: checking it unchecks the others of its group
    Check,     // a check box: a change runs its click
    Mark,      // a menu item's check mark; unit items uncheck their siblings
};

struct Key {
    const char* section;
    std::string key;
    std::string defaultValue;
    KeyKind kind;
    Window window;
    std::string target;  // the component's object name; empty for the window
};

// The keys in the order a new file lists them.
const std::vector<Key>& keyTable();

// Kinds in the order they are read: geometry, fields, language, radio
// buttons, check boxes, menu marks.
int readingRank(KeyKind kind);

}  // namespace settings
