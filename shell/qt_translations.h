#pragma once

// Qt's own texts (standard buttons, file dialogs, the edit fields' context
// menu) in the interface language, from the translations Qt installs
// (Debian: qt6-translations-l10n).
namespace shell {

// Russian: Qt's Russian translation installed; otherwise Qt's built-in
// English. Returns false when Russian was asked for and Qt's translation
// could not be loaded (the texts then stay in English).
bool useQtTranslations(bool russian);

}  // namespace shell
