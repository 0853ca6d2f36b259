#include "catalogue.h"

namespace text {

namespace {

using density::MsgKey;

template <typename Key>
struct Entry {
    Key key;
    const char* russian;
    const char* english;
};

// Leading and trailing blanks are part of the texts.
const Entry<MsgKey> kEntries[] = {
    {MsgKey::MsgCaptionAttention, "Внимание!", "Attention!"},
    {MsgKey::MsgTempUnitsError, "Ошибка при конвертации единиц температуры", "Error when converting temperature units"},
    {MsgKey::MsgDensityEmpty, "Поле *Плотность (кг/м3)* должно быть заполнено",
     "Field *Density (kg/m3)* must be filled"},
    {MsgKey::MsgDensityInvalid, "Неверное значение поля *Плотность (кг/м3)*",
     "Invalid value of field *Density (kg/m3)*"},
    {MsgKey::MsgTempEmpty, "Поле *Температура* должно быть заполнено", "Field *Temperature* must be filled"},
    {MsgKey::MsgTempInvalid, "Неверное значение поля *Температура*", "Invalid value of field *Temperature*"},
    {MsgKey::MsgDensity20OutOfTable, "Плотность при 20°C вышла за пределы таблицы",
     "Density (20°C) is out of the table"},
    {MsgKey::MsgHydrometerOutOfTable, "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3",
     "Density (areometer) is out of the table : 500 - 1090 kg/m3"},
    {MsgKey::MsgCaptionError, "Ошибка", "Error"},
    {MsgKey::MsgDensity20Empty, "Поле *Плотность при 20°C (кг/м3)* должно быть заполнено",
     "Field *Density 20°C (kg/m3)* must be filled"},
    {MsgKey::MsgDensity20Invalid, "Неверное значение поля *Плотность при 20°C (кг/м3)*",
     "Invalid value of field *Density 20°C (kg/m3)*"},
    {MsgKey::MsgVolumeEmpty, "Поле *Объем* должно быть заполнено", "Field *Volume* must be filled"},
    {MsgKey::MsgVolumeInvalid, "Неверное значение поля *Объем*", "Invalid value of field *Volume*"},
    {MsgKey::MsgVolumeNotPositive, "Значение поля *Объем* должно быть больше нуля",
     "Value of field *Volume* must be above zero"},
    {MsgKey::MsgTankTempEmpty, "Поле *Температура в танке* должно быть заполнено",
     "Field *Temperature in tank* must be filled"},
    {MsgKey::MsgTankTempInvalid, "Неверное значение поля *Температура в танке*",
     "Invalid value of field *Temperature in tank*"},
    {MsgKey::MsgPressureEmpty, "Поле *Избыточное давление* должно быть заполнено",
     "Field *Excessive pressure* must be filled"},
    {MsgKey::MsgPressureInvalid, "Неверное значение поля *Избыточное давление*",
     "Invalid value of field *Excessive pressure*"},
    {MsgKey::MsgPressureOutOfRange, "Избыточное давление вышло за пределы диапазона",
     "Excessive pressure is out of range"},
    {MsgKey::TextActualDensityLabel, "Плотность фактическая (кг/м3)", "Actual density (kg/m3)"},
    {MsgKey::MsgMassEmpty, "Поле *Масса* должно быть заполнено", "Field *Mass* must be filled"},
    {MsgKey::MsgMassInvalid, "Неверное значение поля *Масса*", "Invalid value of field *Mass*"},
    {MsgKey::MsgMassNotPositive, "Значение поля *Масса* должно быть больше нуля",
     "Value of field *Mass* must be above zero"},
    {MsgKey::MsgDensity15Empty, "Поле *Плотность при 15°C (кг/м3)* должно быть заполнено",
     "Field *Density 15°C (kg/m3)* must be filled"},
    {MsgKey::MsgDensity15Invalid, "Неверное значение поля *Плотность при 15°C (кг/м3)*",
     "Invalid value of field *Density 15°C (kg/m3)*"},
    {MsgKey::MsgDensity15OutOfTable, "Плотность при 15°C вышла за пределы таблицы : 610-1170 кг/м3",
     "Density (15°C) is out of the table : 610-1170 kg/m3"},
    {MsgKey::MsgGostToApiError, "Ошибка при конвертации плотности по ГОСТ в плотность по API",
     "Error when converting density from GOST to API"},
    {MsgKey::MsgApiToGostError, "Ошибка при конвертации плотности по API в плотность по ГОСТ",
     "Error when converting density from API to GOST"},
    {MsgKey::MsgVolumeUnitsError, "Ошибка при конвертации единиц объема", "Error when converting volume units"},
    {MsgKey::MsgPressureUnitsError, "Ошибка при конвертации единиц давления", "Error when converting pressure units"},
    {MsgKey::MsgTempOutOfTable, "Температура вышла за пределы таблицы", "Temperature is out of the table"},
    {MsgKey::TextUnitCubicMetre, "м3", "m3"},
    {MsgKey::MsgActualDensityOutOfTable, "Фактическая плотность вышла за пределы таблицы",
     "Actual density is out of the table"},
    {MsgKey::MsgDensityOutOfTable, "Плотность вышла за пределы таблицы", "Density is out of the table"},
    {MsgKey::TextActualDensityError, "Плотность фактическая (кг/м3) : ошибка", "Actual density (kg/m3) : error"},
    {MsgKey::TextUnitKgPerM3, "кг/м3", "kg/m3"},
    {MsgKey::TextUnitKgPerCm2, "кг/см2", "kg/cm2"},
    {MsgKey::MsgApiEmpty, "Поле *Плотность по API при 60°F (град.)* должно быть заполнено",
     "Field *API Gravity 60°F* must be filled"},
    {MsgKey::MsgApiInvalid, "Неверное значение поля *Плотность по API при 60°F (град.)*",
     "Invalid value of field *API Gravity 60°F*"},
    {MsgKey::MsgApiOutOfRange, "Плотность по API вышла за пределы таблицы : 0 - 99",
     "API Gravity 60°F is out of range : 0 - 99"},
    {MsgKey::MsgFilePrefix, "Файл ", "File "},
    {MsgKey::MsgFileNotFoundSuffix, " не найден. Проверьте его наличие в папке программы.",
     " not found. Check the file exists."},
    {MsgKey::MsgCalcError, "Ошибка при вычислении плотности : проверьте входные параметры",
     "Error when calculating density : check input data"},
    {MsgKey::MsgNoTableRow, "В таблице ГОСТ 3900-85 нет строки для этой температуры",
     "The GOST 3900-85 table has no row for this temperature"},
    {MsgKey::MsgFileUnreadableSuffix, " не удаётся прочитать: ", " cannot be read: "},
    {MsgKey::MsgFileTooLargeSuffix, " слишком велик: таблица не бывает больше 4 МБ",
     " is too large: a reduction table is never over 4 MB"},
    {MsgKey::MsgNotRegularFile, "это не обычный файл", "it is not a regular file"},
};

static_assert(sizeof kEntries / sizeof kEntries[0] == density::kMsgKeyCount, "every key has its texts");

const Entry<WindowKey> kWindowEntries[] = {
    {WindowKey::HintClickToCalculate, "Нажмите для вычисления", "Click to calculate"},
    {WindowKey::HintUnlockWithCheckbox, "Разблокируйте чек-боксом справа", "Use the checkbox to unlock the button"},
    {WindowKey::TextLoadedFilePrefix, "  Загружен файл - ", "  Open file - "},
    {WindowKey::TextReloadAfterSave, " Перезагрузите программу после сохранения", " Reload the program after saving"},
    {WindowKey::HelpLanguagePrefix, "", "eng\\"},
    {WindowKey::MsgSettingsNotSaved, "Не удалось сохранить настройки в файл ",
     "Could not save the settings to the file "},
    {WindowKey::MsgEditorReadFailed, "Не удалось прочитать файл ", "Cannot read the file "},
    {WindowKey::MsgEditorWriteFailed, "Не удалось сохранить файл ", "Cannot save the file "},
    {WindowKey::MsgEditorReplacePrefix, "Файл ", "The file "},
    {WindowKey::MsgEditorReplaceSuffix, " уже существует. Заменить его?", " already exists. Replace it?"},
    {WindowKey::MsgEditorBadLinesPrefix, "Программа не прочтёт как строки таблицы строки с номерами ",
     "The program will not read these lines as table rows: "},
    {WindowKey::MsgEditorBadLinesSuffix, ".\nПри пересчёте к 20 °C по таким строкам будут ошибки. Сохранить всё равно?",
     ".\nCalculations to 20 °C that meet them will fail. Save anyway?"},
    {WindowKey::MsgEditorTableEmpty, "Таблица пуста: пересчёт к 20 °C станет невозможен. Сохранить всё равно?",
     "The table is empty: no calculation to 20 °C will be possible. Save anyway?"},
    {WindowKey::MsgEditorRestorePrefix, "Удалить вашу таблицу ", "Remove your own table "},
    {WindowKey::MsgEditorRestoreSuffix, " и вернуться к поставляемой с программой?",
     " and go back to the table shipped with the program?"},
    {WindowKey::MsgEditorRemoveFailed, "Не удалось удалить файл ", "Cannot remove the file "},
    {WindowKey::MsgEditorProgramFolderKept,
     "папка установленной программы не изменяется; ваша таблица сохраняется в папке ",
     "the folder of the installed program is never changed; your own table is saved in the folder "},
    {WindowKey::TextShippedTableBack, " Возвращена поставляемая таблица. Перезагрузите программу",
     " The shipped table is back. Reload the program"},
    {WindowKey::TextOpenDialogTitle, "Открыть", "Open"},
    {WindowKey::TextSaveDialogTitle, "По умолчанию файл сохраниться в формате TXT",
     "By default the file is saved as TXT"},
    {WindowKey::MsgSettingsNotRead, "Настройки не прочитаны из файла ", "The settings were not read from the file "},
    {WindowKey::MsgSettingsKeptSuffix, "\nПрограмма работает с настройками по умолчанию и не изменит этот файл.",
     "\nThe program runs with the default settings and leaves this file as it is."},
    {WindowKey::MsgEditorTableTooLarge,
     "Таблица больше 4 МБ или 20000 строк: при запуске программа её не прочтёт и будет работать без таблицы. "
     "Сохранить всё равно?",
     "The table is over 4 MB or 20000 lines: the program will not read it at its start and will run without a "
     "table. Save anyway?"},
    {WindowKey::TextNotRegularFile, "это не обычный файл", "it is not a regular file"},
    {WindowKey::TextFileLargerPrefix, "файл больше ", "the file is larger than "},
    {WindowKey::TextMegabytesSuffix, " МБ", " MB"},
};

static_assert(sizeof kWindowEntries / sizeof kWindowEntries[0] == kWindowKeyCount, "every window key has its texts");

}  // namespace

void MessageCatalogue::fill(UiLanguage language)
{
    const bool english = language == UiLanguage::English;
    for (const Entry<MsgKey>& e : kEntries)
        m_texts[static_cast<int>(e.key)] = english ? e.english : e.russian;
    for (const Entry<WindowKey>& e : kWindowEntries)
        m_texts[density::kMsgKeyCount + static_cast<int>(e.key)] = english ? e.english : e.russian;
    m_language = language;
    m_filled = true;
}

const std::string& MessageCatalogue::text(density::MsgKey key) const
{
    return m_texts[static_cast<int>(key)];
}

const std::string& MessageCatalogue::text(WindowKey key) const
{
    return m_texts[density::kMsgKeyCount + static_cast<int>(key)];
}

std::string MessageCatalogue::render(const density::Message::Piece& piece) const
{
    return piece.isKey ? text(piece.key) : piece.text;
}

std::string MessageCatalogue::render(const density::Message& message) const
{
    std::string out;
    for (const density::Message::Piece& piece : message.pieces())
        out += render(piece);
    return out;
}

MessageCatalogue& catalogue()
{
    static MessageCatalogue instance;
    return instance;
}

}  // namespace text
