#pragma once

#include <string>

#include "density/messages.h"
#include "window_keys.h"

// The language-dependent message, hint and unit texts, one language at a time.
namespace text {

enum class UiLanguage { Russian = 1, English = 2 };

class MessageCatalogue {
public:
    // Puts the texts of the language into every entry at once.
    void fill(UiLanguage language);
    UiLanguage language() const { return m_language; }
    bool filled() const { return m_filled; }

    // The entry's current text (UTF-8); empty before the first fill.
    const std::string& text(density::MsgKey key) const;
    const std::string& text(WindowKey key) const;
    // The message with its pieces joined.
    std::string render(const density::Message& message) const;
    std::string render(const density::Message::Piece& piece) const;

private:
    // the computations' entries, then the windows'
    std::string m_texts[density::kMsgKeyCount + kWindowKeyCount];
    UiLanguage m_language = UiLanguage::Russian;
    bool m_filled = false;
};

// The one catalogue of the program.
MessageCatalogue& catalogue();

}  // namespace text
