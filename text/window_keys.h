#pragma once

// Keys of the texts only the windows show: the calculate buttons' hints, the
// table editor's status line, messages and dialog titles, the settings file
// that could not be read or written, why a file was refused, the help
// folder's prefix. What the computations report is named by density::MsgKey.
namespace text {

enum class WindowKey {
    HintClickToCalculate,
    HintUnlockWithCheckbox,
    TextLoadedFilePrefix,
    TextReloadAfterSave,
    HelpLanguagePrefix,
    // settings.ini could not be written at close (file and reason follow)
    MsgSettingsNotSaved,
    // the table editor's messages and the titles of its file dialogs
    MsgEditorReadFailed,     // + file + reason
    MsgEditorWriteFailed,    // + file + reason
    MsgEditorReplacePrefix,  // + file + suffix
    MsgEditorReplaceSuffix,
    MsgEditorBadLinesPrefix,  // + line numbers + suffix
    MsgEditorBadLinesSuffix,
    MsgEditorTableEmpty,
    // an installed copy's own table: going back to the shipped one
    MsgEditorRestorePrefix,  // + the user's table + suffix
    MsgEditorRestoreSuffix,
    MsgEditorRemoveFailed,       // + file + reason
    MsgEditorProgramFolderKept,  // why a save into the program folder is refused; + the user's folder
    TextShippedTableBack,
    TextOpenDialogTitle,
    TextSaveDialogTitle,
    // settings.ini refused at start (file and reason follow, then the suffix)
    MsgSettingsNotRead,
    MsgSettingsKeptSuffix,
    // a table the program would refuse at its next start
    MsgEditorTableTooLarge,
    // why a file was not read or written, after the file's name
    TextNotRegularFile,
    TextFileLargerPrefix,  // + the limit in megabytes + suffix
    TextMegabytesSuffix,
};

constexpr int kWindowKeyCount = static_cast<int>(WindowKey::TextMegabytesSuffix) + 1;

}  // namespace text
