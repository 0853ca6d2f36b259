#include "caption_table.h"

namespace gui {

namespace {

constexpr CaptionWindow M = CaptionWindow::Main;
constexpr CaptionWindow E = CaptionWindow::Editor;
constexpr CaptionWindow A = CaptionWindow::About;
constexpr CaptionWindow W = CaptionWindow::Help;
constexpr CaptionWindow J = CaptionWindow::Journal;
constexpr CaptionProperty C = CaptionProperty::Caption;
constexpr CaptionProperty H = CaptionProperty::Hint;

// The note of the API page: three paragraphs with a line holding one blank
// between them.
#define NOTE_GAP "\n \n"

// The radio buttons of the six product groups, by position.
const std::vector<const char*> kCrudeOil = {"RadioButton1",  "RadioButton4",  "RadioButton7",
                                            "RadioButton10", "RadioButton13", "RadioButton16"};
const std::vector<const char*> kOilProducts = {"RadioButton2",  "RadioButton5",  "RadioButton8",
                                               "RadioButton11", "RadioButton14", "RadioButton17"};
const std::vector<const char*> kLubeOil = {"RadioButton3",  "RadioButton6",  "RadioButton9",
                                           "RadioButton12", "RadioButton15", "RadioButton18"};

}  // namespace

const std::vector<CaptionRow>& captionTable()
{
    static const std::vector<CaptionRow> table = {
        // main window, one by one
        {M, {""}, C, "Vantorel", "Vantorel"},
        {M, {"N1"}, C, "&Файл", "&File"},
        {M, {"N5"}, C, "&Править таблицу ГОСТ 3900-85", "&Edit table GOST 3900-85"},
        {M, {"N4"}, C, "&Закрыть", "&Close"},
        {M, {"actionJournal"}, C, "&Журнал расчётов...", "&Journal of calculations..."},
        {M, {"actionCopyResults"}, C, "Копировать &результаты", "Copy re&sults"},
        {M, {"actionPrintRecord"}, C, "Пе&чать протокола...", "&Print record..."},
        {M, {"actionExportRecordPdf"}, C, "Протокол в P&DF...", "Record to P&DF..."},
        {M, {"actionJournalEnabled"}, C, "&Вести журнал расчётов", "&Keep the journal"},
        {M, {"N79"}, C, "&Настройки", "&Settings"},
        {M, {"N80"}, C, "Сбросить все &температуры", "Reset all &temperatures"},
        {M, {"N81"}, C, "Сбросить все &объемы", "Reset all &volumes"},
        {M, {"N82"}, C, "Сбросить все &давления", "Reset all &pressures"},
        {M, {"N105"}, C, "&Язык", "&Language"},
        {M, {"N106"}, C, "&Русский", "&Russian"},
        {M, {"N107"}, C, "&Английский", "&English"},
        {M, {"N7"}, C, "&Справка", "&Help"},
        {M, {"actionPageHelp"}, C, "Справка по &этой странице", "Help on this &page"},
        {M, {"N8"}, C, "&О программе...", "&About..."},
        {M, {"TabSheet1"}, C, "Плотность по ГОСТ 3900-85 (20°C)", "Density : GOST 3900-85 (20°C)"},
        {M, {"TabSheet3"}, C, "Калькулятор по ГОСТ 3900-85 (20°C)", "Calculator : GOST 3900-85 (20°C)"},
        {M, {"TabSheet2"}, C, "Приведение к плотности API (60°F)", "Conversion to API (60°F)"},
        {M, {"TabSheet6"}, C, "По ГОСТ 3900-85 (20°C)", "GOST 3900-85 (20°C)"},
        {M, {"TabSheet7"}, C, "По ГОСТ Р 50.2.076-2010 (15°C)", "GOST R 50.2.076-2010 (15°C)"},
        {M, {"TabSheet4"}, C, "Плотность по ГОСТ Р 50.2.076-2010 (15°C)", "Density : GOST R 50.2.076-2010 (15°C)"},
        {M, {"TabSheet5"}, C, "Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)", "Calculator : GOST R 50.2.076-2010 (15°C)"},
        {M, {"GroupBox1"}, C, "Приведение к плотности при 20°C", "Calculation of 20°C density"},
        {M, {"GroupBox9"}, C, "Приведение к плотности при 15°C", "Calculation of 15°C density"},
        {M,
         {"Memo2"},
         C,
         "Обратите внимание, для конвертации в плотность по API (60°F) и обратно используются таблицы и формулы из "
         "соответствующих ГОСТ, а не родные таблицы к стандарту ASTM D 1250." NOTE_GAP
         "Данный раздел был включен в программу для приблизительной оценки соотношения между стандартами при "
         "отсутствии под рукой официальных таблиц API." NOTE_GAP
         "Стоит отметить, что ГОСТ Р 50.2.076-2010 практически полностью совпадает с таблицами ASTM 54A, 54B и 54D. "
         "Погрешность при пересчете по ГОСТ 3900-85 не превышает 0,5%.",
         "Please note. To convert density to and from API Gravity (60°F) the program uses tables and formulas from "
         "the GOSTs instead of the ASTM tables." NOTE_GAP
         "This section was included in the program for rough estimate of correlation between the density standards "
         "in the absence of the ASTM tables." NOTE_GAP
         "It is worth noting that GOST R 50.2.076-2010 almost completely coincides with the ASTM tables 54A, 54B and "
         "54D. Concerning GOST 3900-85 the error does not exceed 0,5% when using the GOST for density converting."},

        // About box
        {A, {""}, C, "О программе...", "About..."},
        {A, {"Label1"}, C, "Vantorel", "Vantorel"},
        {A, {"Label3"}, C, "Версия 2.0  (2018 г.)", "Version 2.0  (2018)"},
        {A, {"Label4"}, C, "Разработка: команда проекта Vantorel", "Developed by the Vantorel project team"},
        {A, {"Label5"}, C, "Сайт: https://vantorel.example.org", "Web site: https://vantorel.example.org"},
        {A, {"Label2"}, C, "Почта: support@vantorel.example.org", "E-mail: support@vantorel.example.org"},
        {A, {"O_progr_but"}, C, "OK", "OK"},

        // journal window (its title, columns and lists follow the language on their own)
        {J, {"journalFromLabel"}, C, "&С", "&From"},
        {J, {"journalToLabel"}, C, "&по", "&to"},
        {J, {"journalPageLabel"}, C, "С&траница", "P&age"},
        {J, {"journalSearchLabel"}, C, "П&оиск", "&Search"},
        {J, {"journalExportCsv"}, C, "Экспорт в &CSV...", "Export to &CSV..."},
        {J, {"journalExportPdf"}, C, "Экспорт в P&DF...", "Export to P&DF..."},
        {J, {"journalRecordPdf"}, C, "П&ротокол в PDF...", "&Record to PDF..."},
        {J, {"journalPrintRecord"}, C, "Пе&чать протокола...", "&Print record..."},
        {J, {"journalDelete"}, C, "&Удалить...", "De&lete..."},

        // table editor
        {E, {""}, C, "Правка таблицы ГОСТ 3900-85", "Edit of table GOST 3900-85"},
        {E, {"N1"}, C, "&Файл", "&File"},
        {E, {"N6"}, C, "&Открыть...", "&Open..."},
        {E, {"N7"}, C, "&Сохранить...", "&Save..."},
        {E, {"RestoreTable1"}, C, "Вернуть &поставляемую таблицу", "&Restore the shipped table"},
        {E, {"N17"}, C, "&Выход", "&Close"},
        {E, {"N2"}, C, "&Правка", "&Edit"},
        {E, {"N9"}, C, "&Копировать", "&Copy"},
        {E, {"N10"}, C, "&Вырезать", "Cu&t"},
        {E, {"N11"}, C, "Вст&авить", "&Paste"},
        {E, {"actionFind"}, C, "&Найти...", "&Find..."},
        {E, {"N3"}, C, "&Настройки", "&Settings"},
        {E, {"N18"}, C, "&Цвет редактора...", "&Editor color..."},
        {E, {"N19"}, C, "Цвет &шрифта...", "&Font color..."},
        {E, {"N4"}, C, "По&мощь", "&Help"},
        {E, {"N5"}, C, "&Помощь", "&Help"},
        {E, {"ToolButton3"}, H, "Открыть", "Open"},
        {E, {"ToolButton4"}, H, "Сохранить", "Save"},
        {E, {"ToolButton7"}, H, "Копировать", "Copy"},
        {E, {"ToolButton8"}, H, "Вырезать", "Cut"},
        {E, {"ToolButton9"}, H, "Вставить", "Paste"},
        {E, {"ToolButton5"}, H, "Помощь", "Help"},

        // help window
        {W, {"actionHelpBack"}, C, "Назад", "Back"},
        {W, {"actionHelpForward"}, C, "Вперед", "Forward"},
        {W, {"actionHelpHome"}, C, "Содержание", "Contents"},
        {W, {"actionHelpFind"}, C, "Найти", "Find"},
        {W, {"actionHelpOpenInBrowser"}, C, "Открыть в браузере", "Open in browser"},
        {W, {"actionHelpClose"}, C, "Закрыть", "Close"},

        // the find rows of the help window and the editor
        {W, {"FindLabel"}, C, "&Найти:", "&Find:"},
        {E, {"FindLabel"}, C, "&Найти:", "&Find:"},
        {W, {"FindPrevious"}, H, "Предыдущее (Shift+F3)", "Previous (Shift+F3)"},
        {E, {"FindPrevious"}, H, "Предыдущее (Shift+F3)", "Previous (Shift+F3)"},
        {W, {"FindNext"}, H, "Следующее (F3)", "Next (F3)"},
        {E, {"FindNext"}, H, "Следующее (F3)", "Next (F3)"},
        {W, {"FindClose"}, H, "Закрыть (Esc)", "Close (Esc)"},
        {E, {"FindClose"}, H, "Закрыть (Esc)", "Close (Esc)"},

        // main window, words shared by many components
        {M,
         {"N83", "N14", "N9", "N18", "N23", "N13", "N29", "N33", "N37", "N92", "N95", "N98", "N101"},
         C,
         "Градусы &Цельсия (°C)",
         "&Celsius degree (°C)"},
        {M,
         {"N84", "N15", "N10", "N19", "N24", "N21", "N30", "N34", "N38", "N93", "N96", "N99", "N102"},
         C,
         "Градусы &Фаренгейта (°F)",
         "&Fahrenheit degree (°F)"},
        {M, {"N85", "N41", "N69", "N46", "N74"}, C, "&Кубометры (1000 л.)", "&Cubic meter (1000 l.)"},
        {M, {"N86", "N42", "N70", "N47", "N75"}, C, "US &Gallons (3,78541 л.)", "US &Gallons (3,78541 l.)"},
        {M, {"N87", "N43", "N71", "N48", "N76"}, C, "&Barrels (158,988 л.)", "&Barrels (158,988 l.)"},
        {M, {"N88", "N51", "N57", "N63"}, C, "&Мегапаскаль (MPa)", "&Megapascal (MPa)"},
        {M, {"N89", "N52", "N58", "N64"}, C, "&Бар (bar)", "&Bar"},
        {M,
         {"N90", "N53", "N59", "N65"},
         C,
         "&Техническая атмосфера (ат , кг/см2 , кгс/см2)",
         "&Technical atmosphere (at , kg/cm2 , kgf/cm2)"},
        {M, {"N91", "N54", "N60", "N66"}, C, "&Фунт на квадратный дюйм (psi)", "&Pounds per square inch (psi)"},
        {M,
         {"N12", "N17", "N22", "N26", "N28", "N32", "N36", "N40", "N45", "N50", "N56", "N62", "N68", "N73", "N78",
          "N94", "N97", "N100", "N103"},
         C,
         "&Пересчитать при смене единиц",
         "&Recalculate when changing units"},
        {M, {"N3"}, C, "&Помощь", "&Help"},
        {M,
         {"SpeedButton5", "SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton9", "SpeedButton10"},
         H,
         "Помощь",
         "Help"},
        {M,
         {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9", "Panel10",
          "Panel11", "Panel12", "Panel13", "Panel14", "Panel15", "Panel16", "Panel17", "Panel18", "Panel19"},
         H,
         "Для смены единиц : правая кнопка мыши или двойной клик",
         "To change units use right mouse button or double click"},
        {M, {"GroupBox3", "GroupBox10", "GroupBox22", "GroupBox26"}, C, "Замер по ареометру", "Areometer measurement"},
        {M,
         {"GroupBox4", "GroupBox6", "GroupBox8", "GroupBox12", "GroupBox14", "GroupBox16", "GroupBox24", "GroupBox29"},
         C,
         "Параметры",
         "Parameters"},
        {M, {"GroupBox2", "GroupBox11"}, C, "Расчет фактической плотности", "Calculation of actual density"},
        {M, {"GroupBox5", "GroupBox13"}, C, "Объем в массу", "Volume to mass"},
        {M, {"GroupBox7", "GroupBox15"}, C, "Массу в объем", "Mass to volume"},
        {M, {"GroupBox17", "GroupBox18", "GroupBox19", "GroupBox20", "GroupBox27", "GroupBox30"}, C, "Группа", "Group"},
        {M, {"GroupBox21", "GroupBox25"}, C, "ГОСТ -->> API", "GOST -->> API"},
        {M, {"GroupBox23", "GroupBox28"}, C, "API -->> ГОСТ", "API -->> GOST"},
        {M, {"GroupBox31", "GroupBox32", "GroupBox33", "GroupBox34"}, C, "Расчетная плотность", "Calculated density"},
        {M, {"Label1", "Label18", "Label37", "Label43"}, C, "Плотность (кг/м3)", "Density (kg/m3)"},
        {M,
         {"Label2", "Label5", "Label19", "Label22", "Label38", "Label41", "Label44", "Label48"},
         C,
         "Температура",
         "Temperature"},
        {M, {"Label10", "Label15", "Label26", "Label31"}, C, "Температура в танке", "Temperature in tank"},
        {M, {"Label3", "Label4", "Label9", "Label14"}, C, "Плотность при 20°C (кг/м3)", "Density at 20°C (kg/m3)"},
        {M, {"Label17", "Label21", "Label25", "Label30"}, C, "Плотность при 15°C (кг/м3)", "Density at 15°C (kg/m3)"},
        {M, {"Label7", "Label13", "Label23", "Label29"}, C, "Объем", "Volume"},
        {M, {"Label8", "Label12", "Label24", "Label28"}, C, "Масса (т)", "Mass (t)"},
        {M,
         {"Label11", "Label16", "Label20", "Label27", "Label32"},
         C,
         "Плотность фактическая (кг/м3) :",
         "Actual density (kg/m3) :"},
        {M, {"Label49", "Label50"}, C, "При 20°C (кг/м3)", "At 20°C (kg/m3)"},
        {M, {"Label51", "Label52"}, C, "При 15°C (кг/м3)", "At 15°C (kg/m3)"},
        {M, {"Label36", "Label42"}, C, "API при 60°F (град.)", "API at 60°F (degr.)"},
        {M, {"Label40", "Label47"}, C, "Плотность по API при 60°F (град.)", "API Gravity at 60°F (degr.)"},
        {M, {"Label39", "Label45"}, C, "Фактическая (кг/м3)", "Actual (kg/m3)"},
        {M,
         {"Button1", "Button2", "Button3", "Button4", "Button7", "Button8", "Button11", "Button12"},
         C,
         "Вычислить",
         "Calculate"},
        {M, {"Button5", "Button6", "Button9", "Button10"}, C, "Вычислить -->>", "Calculate -->>"},
        {M, {"CheckBox7", "CheckBox8"}, C, "Плотность в плотность", "Density  to density"},
        {M, {"CheckBox9", "CheckBox10"}, C, "Объем в объем", "Volume to volume"},
        {M,
         {"CheckBox1", "CheckBox11", "CheckBox12"},
         C,
         "Учитывать температурное расширение стекла ареометра",
         "Take into account thermal expansion of areometer glass"},
        {M,
         {"CheckBox2", "CheckBox3", "CheckBox4"},
         C,
         "Учитывать избыточное давление",
         "Take into account excess pressure"},
        {M, kCrudeOil, C, "Нефть сырая", "Crude oil"},
        {M, kOilProducts, C, "Нефтепродукты", "Oil products"},
        {M, kLubeOil, C, "Смазочные масла", "Lube oil"},
        {M, kCrudeOil, H, "Плотность от 611,2 до 1163,8 кг/м3", "Density from 611,2 to 1163,8 kg/m3"},
        {M, kOilProducts, H, "Плотность от 611,2 до 1163,9 кг/м3", "Density from 611,2 to 1163,9 kg/m3"},
        {M, kLubeOil, H, "Плотность от 801,3 до 1163,9 кг/м3", "Density from 801,3 to 1163,9 kg/m3"},
    };
    return table;
}

}  // namespace gui
