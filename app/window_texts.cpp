#include "window_texts.h"

#include <QObject>
#include <QVariant>
#include <cstring>

namespace shell {

namespace {

// clang-format off
const WindowText kTexts[] = {
    {"Form2", "windowTitle", "Правка таблицы ГОСТ 3900-85", "Edit of table GOST 3900-85"},
    {"N1", "title", "Файл", "File"},
    {"N6", "text", "Открыть...", "Open..."},
    {"N7", "text", "Сохранить...", "Save..."},
    {"N17", "text", "Выход", "Close"},
    {"N2", "title", "Правка", "Edit"},
    {"N9", "text", "Копировать", "Copy"},
    {"N10", "text", "Вырезать", "Cut"},
    {"N11", "text", "Вставить", "Paste"},
    {"N3", "title", "Настройки", "Settings"},
    {"N18", "text", "Цвет редактора...", "Editor color..."},
    {"N19", "text", "Цвет шрифта...", "Font color..."},
    {"N4", "title", "Помощь", "Help"},
    {"N5", "text", "Помощь", "Help"},
    {"ToolButton3", "toolTip", "Открыть", "Open"},
    {"ToolButton4", "toolTip", "Сохранить", "Save"},
    {"ToolButton7", "toolTip", "Копировать", "Copy"},
    {"ToolButton8", "toolTip", "Вырезать", "Cut"},
    {"ToolButton9", "toolTip", "Вставить", "Paste"},
    {"ToolButton5", "toolTip", "Помощь", "Help"},
    {"SaveDialog1", "windowTitle", "По умолчанию файл сохраниться в формате TXT", "By default the file is saved as TXT"},
    {"OpenDialog1", "windowTitle", "Открыть", "Open"},
    {"O_progr_form", "windowTitle", "О программе...", "About..."},
    {"Label1", "text", "Vantorel", "Vantorel"},
    {"Label3", "text", "Версия 2.0  (2018 г.)", "Version 2.0  (2018)"},
    {"Label4", "text", "Разработка: команда проекта Vantorel", "Developed by the Vantorel project team"},
    {"Label5", "text", "Сайт: https://vantorel.example.org", "Web site: https://vantorel.example.org"},
    {"Label2", "text", "Почта: support@vantorel.example.org", "E-mail: support@vantorel.example.org"},
    {"O_progr_but", "text", "OK", "OK"},
};

struct MessageText {
    EditorMessage key;
    const char* russian;
    const char* english;
};

const MessageText kMessages[] = {
    {EditorMessage::ReadFailed, "Не удалось прочитать файл ", "Cannot read the file "},
    {EditorMessage::WriteFailed, "Не удалось сохранить файл ", "Cannot save the file "},
    {EditorMessage::ReplaceFile, "Файл ", "The file "},
    {EditorMessage::ReplaceFileEnd, " уже существует. Заменить его?", " already exists. Replace it?"},
    {EditorMessage::TableLinesBad, "Программа не прочтёт как строки таблицы строки с номерами ",
     "The program will not read these lines as table rows: "},
    {EditorMessage::TableLinesBadEnd, ".\nПри пересчёте к 20 °C по таким строкам будут ошибки. Сохранить всё равно?",
     ".\nCalculations to 20 °C that meet them will fail. Save anyway?"},
    {EditorMessage::TableEmpty, "Таблица пуста: пересчёт к 20 °C станет невозможен. Сохранить всё равно?",
     "The table is empty: no calculation to 20 °C will be possible. Save anyway?"},
};
// clang-format on

QString pick(UiLanguage language, const char* russian, const char* english)
{
    return QString::fromUtf8(language == UiLanguage::English ? english : russian);
}

}  // namespace

void applyWindowTexts(QObject* window, UiLanguage language)
{
    for (const WindowText& t : kTexts) {
        const QString name = QString::fromLatin1(t.object);
        QObject* target = window->objectName() == name ? window : window->findChild<QObject*>(name);
        if (target)
            target->setProperty(t.property, pick(language, t.russian, t.english));
    }
}

QString windowText(const char* object, const char* property, UiLanguage language)
{
    for (const WindowText& t : kTexts)
        if (std::strcmp(t.object, object) == 0 && std::strcmp(t.property, property) == 0)
            return pick(language, t.russian, t.english);
    return {};
}

QString editorMessage(EditorMessage message, UiLanguage language)
{
    for (const MessageText& m : kMessages)
        if (m.key == message)
            return pick(language, m.russian, m.english);
    return {};
}

}  // namespace shell
