#include "journal_texts.h"

#include <cstring>

#include "text/catalogue.h"
#include "ui/main/caption_table.h"

namespace gui {

namespace {

bool russian()
{
    return text::catalogue().language() == text::UiLanguage::Russian;
}

struct Words {
    JournalText key;
    const char* russian;
    const char* english;
};

// clang-format off
const Words kWords[] = {
    {JournalText::ColumnTime, "Дата и время", "Date and time"},
    {JournalText::ColumnPage, "Страница", "Page"},
    {JournalText::ColumnBlock, "Расчёт", "Calculation"},
    {JournalText::ColumnStandard, "Стандарт", "Standard"},
    {JournalText::ColumnChoices, "Группа и условия", "Group and options"},
    {JournalText::ColumnInputs, "Исходные данные", "Inputs"},
    {JournalText::ColumnResults, "Результаты", "Results"},
    {JournalText::ColumnMessages, "Сообщения", "Messages"},
    {JournalText::ColumnStatus, "Итог", "Outcome"},
    {JournalText::AllPages, "Все страницы", "All pages"},
    {JournalText::CsvComma, "CSV: запятая, десятичная точка", "CSV: comma, decimal point"},
    {JournalText::CsvSemicolon, "CSV: точка с запятой, десятичная запятая", "CSV: semicolon, decimal comma"},
    {JournalText::RecordTitle, "Протокол расчёта", "Calculation record"},
    {JournalText::JournalTitle, "Журнал расчётов", "Calculation journal"},
    {JournalText::Inputs, "Исходные данные", "Inputs"},
    {JournalText::Results, "Результаты", "Results"},
    {JournalText::Messages, "Сообщения", "Messages"},
    {JournalText::Status, "Итог", "Outcome"},
    {JournalText::Time, "Дата и время", "Date and time"},
    {JournalText::Page, "Страница", "Page"},
    {JournalText::Block, "Расчёт", "Calculation"},
    {JournalText::Standard, "Стандарт", "Standard"},
    {JournalText::Group, "Группа и условия", "Group and options"},
    {JournalText::GlassOn, "с поправкой на расширение стекла ареометра", "with the hydrometer glass correction"},
    {JournalText::GlassOff, "без поправки на расширение стекла ареометра", "without the hydrometer glass correction"},
    {JournalText::PressureOn, "с избыточным давлением", "with excess pressure"},
    {JournalText::PressureOff, "без избыточного давления", "without excess pressure"},
    {JournalText::TablePath, "Таблица пересчёта", "Reduction table"},
    {JournalText::TableChecksum, "Контрольная сумма таблицы (SHA-256)", "Table checksum (SHA-256)"},
    {JournalText::ProgramVersion, "Версия программы", "Program version"},
    {JournalText::StatusOk, "выполнен", "done"},
    {JournalText::StatusCheckFailed, "данные не прошли проверку", "an input failed its check"},
    {JournalText::StatusOutOfTable, "вне таблицы", "out of the table"},
    {JournalText::StatusNoRow, "нет строки таблицы", "no table row"},
    {JournalText::StatusCalcFailed, "ошибка вычисления", "calculation failed"},
    {JournalText::AskDelete, "Удалить из журнала выбранные записи: ", "Delete the selected journal entries: "},
    {JournalText::NoCalculation, "В этом блоке ещё не было расчёта.", "There is no calculation in this block yet."},
    {JournalText::JournalFailed, "Журнал расчётов не ведётся: файл ", "The calculation journal is not kept: the file "},
    {JournalText::JournalRetry, "\nРасчёты выполняются как обычно; журнал будет открыт снова при следующем запуске.",
     "\nCalculations go on as usual; the journal will be tried again at the next start."},
    {JournalText::JournalSetAside, "Файл журнала расчётов повреждён; он сохранён под именем ",
     "The calculation journal file was damaged; it is kept as "},
    {JournalText::JournalSetAsideEnd, ", начат новый журнал.", ", and a new journal is begun."},
    {JournalText::WriteFailed, "Не удалось сохранить файл ", "Cannot save the file "},
    {JournalText::PdfFilter, "Документ PDF (*.pdf)", "PDF document (*.pdf)"},
    {JournalText::CsvFilter, "Таблица CSV (*.csv)", "CSV table (*.csv)"},
};
// clang-format on

QString captionOf(const char* object)
{
    for (const CaptionRow& row : captionTable())
        if (row.window == CaptionWindow::Main && row.property == CaptionProperty::Caption)
            for (const char* name : row.objects)
                if (std::strcmp(name, object) == 0)
                    return QString::fromUtf8(russian() ? row.russian : row.english);
    return QString::fromLatin1(object);
}

struct KeyName {
    const char* key;
    const char* object;  // whose caption names it
};

const KeyName kPages[] = {{"density20", "TabSheet1"},
                          {"calculator20", "TabSheet3"},
                          {"api", "TabSheet2"},
                          {"density15", "TabSheet4"},
                          {"calculator15", "TabSheet5"}};

const KeyName kBlocks[] = {
    {"reduce20", "GroupBox1"},          {"actual20", "GroupBox2"},  {"mass20", "GroupBox5"},
    {"volume20", "GroupBox7"},          {"reduce15", "GroupBox9"},  {"actual15", "GroupBox11"},
    {"mass15", "GroupBox13"},           {"volume15", "GroupBox15"}, {"api20", "GroupBox21"},
    {"api_to_density20", "GroupBox23"}, {"api15", "GroupBox25"},    {"api_to_density15", "GroupBox28"},
};

const KeyName kGroups[] = {
    {"crude_oil", "RadioButton1"}, {"petroleum_products", "RadioButton2"}, {"lubricating_oils", "RadioButton3"}};

QString nameFrom(const KeyName* begin, const KeyName* end, const QString& key)
{
    for (const KeyName* k = begin; k != end; ++k)
        if (key == QLatin1String(k->key))
            return captionOf(k->object);
    return key;
}

}  // namespace

QString journalText(JournalText key)
{
    for (const Words& w : kWords)
        if (w.key == key)
            return QString::fromUtf8(russian() ? w.russian : w.english);
    return {};
}

QString pageName(const QString& key)
{
    return nameFrom(std::begin(kPages), std::end(kPages), key);
}

QString blockName(const QString& key)
{
    return nameFrom(std::begin(kBlocks), std::end(kBlocks), key);
}

QString groupName(const QString& key)
{
    return nameFrom(std::begin(kGroups), std::end(kGroups), key);
}

QString statusName(const QString& key)
{
    const std::pair<const char*, JournalText> statuses[] = {{"ok", JournalText::StatusOk},
                                                            {"check_failed", JournalText::StatusCheckFailed},
                                                            {"out_of_table", JournalText::StatusOutOfTable},
                                                            {"no_row", JournalText::StatusNoRow},
                                                            {"calc_failed", JournalText::StatusCalcFailed}};
    for (const auto& [name, text] : statuses)
        if (key == QLatin1String(name))
            return journalText(text);
    return key;
}

QString standardName(const QString& standard)
{
    if (!russian())
        return standard;
    return QString(standard)
        .replace(QStringLiteral("GOST R"), QStringLiteral("ГОСТ Р"))
        .replace(QStringLiteral("GOST"), QStringLiteral("ГОСТ"));
}

QString choicesText(const journal::Entry& e)
{
    QStringList parts;
    if (!e.productGroup.isEmpty())
        parts << groupName(e.productGroup);
    if (e.glassCorrection)
        parts << journalText(*e.glassCorrection ? JournalText::GlassOn : JournalText::GlassOff);
    if (e.pressureOn)
        parts << journalText(*e.pressureOn ? JournalText::PressureOn : JournalText::PressureOff);
    return parts.join(QStringLiteral("; "));
}

const QStringList& pageKeys()
{
    static const QStringList keys = [] {
        QStringList out;
        for (const KeyName& k : kPages)
            out << QString::fromLatin1(k.key);
        return out;
    }();
    return keys;
}

}  // namespace gui
