#include "usage_texts.h"

#include <cstdlib>
#include <utility>

namespace cli {

namespace {

struct Entry {
    CliText key;
    const char* russian;
    const char* english;
};

// In the order of CliText.
constexpr Entry kEntries[] = {
    {CliText::TryHelp, "Попробуйте '{0} --help'.", "Try '{0} --help'."},
    {CliText::NeedSubcommand, "нужна подкоманда", "a subcommand is needed"},
    {CliText::UnknownSubcommand, "неизвестная подкоманда {0}", "unknown subcommand {0}"},
    {CliText::UnknownOption, "неизвестный параметр {0}", "unknown option {0}"},
    {CliText::UnexpectedArgument, "лишний аргумент {0}", "unexpected argument {0}"},
    {CliText::ArgumentCount, "{0}: нужно аргументов {1}, дано {2}", "{0} takes {1} arguments, not {2}"},
    {CliText::ArgumentsAre, "{0}; использование: {1}", "{0}; usage: {1}"},
    {CliText::OptionNeedsValue, "{0}: нужно значение", "{0} takes a value"},
    {CliText::OptionTakesNoValue, "{0} не принимает значения", "{0} takes no value"},
    {CliText::OptionTakes, "{0}: допустимо {1}", "{0} takes {1}"},
    {CliText::Or, " или ", " or "},
    {CliText::ThreadsRange, "{0}: допустимо число от 1 до 64", "{0} takes a number from 1 to 64"},
    {CliText::TableNeedsFile, "{0}: нужен файл", "{0} takes a file"},
    {CliText::UnknownQuantity, "неизвестная величина {0}: temperature, volume или pressure",
     "unknown quantity {0}: temperature, volume or pressure"},
    {CliText::UnknownUnits, "{0}: неизвестная единица среди {1} и {2}", "unknown {0} unit among {1} and {2}"},
    {CliText::BatchOneFile, "batch принимает не больше одного файла", "batch takes one file at most"},
    {CliText::CannotWrite, "не удаётся записать вывод: {0}", "cannot write the output: {0}"},
    {CliText::CannotRead, "не удаётся прочитать {0}: {1}", "cannot read {0}: {1}"},
    {CliText::LinesFailed, "строк с ошибкой: {0} из {1}, первая — строка {2}",
     "{0} of {1} lines failed, the first at line {2}"},
    {CliText::BatchEmpty, "пакетный ввод пуст", "the batch input is empty"},
    {CliText::FirstLineTooLong, "первая строка длиннее {0} байт", "the first line is longer than {0} bytes"},
    {CliText::InputUnreadable, "ввод не удалось прочитать до конца (после строки {0})",
     "the input could not be read to its end (after line {0})"},
    {CliText::OutputUnwritable, "вывод не удалось записать", "the output could not be written"},
    {CliText::LineTooLong, "строка длиннее {0} байт", "the line is longer than {0} bytes"},
    {CliText::LineFields, "в строке полей: {0}, в заголовке: {1}", "the line has {0} fields, the header {1}"},
    {CliText::HelpUsage, "Использование: {0} [ПАРАМЕТРЫ] {1}", "Usage: {0} [OPTIONS] {1}"},
    {CliText::HelpAbout,
     "Плотность и количество нефти и нефтепродуктов (ГОСТ 3900-85, ГОСТ Р 50.2.076-2010,\n"
     "плотность API) — калькуляторы окна Vantorel в командной строке.",
     "Density and quantity of crude oil and petroleum products (GOST 3900-85,\n"
     "GOST R 50.2.076-2010, API gravity), as the calculators of the Vantorel window."},
    {CliText::HelpSubcommands, "Подкоманды:", "Subcommands:"},
    {CliText::HelpOptions,
     "Параметры:\n"
     "  -h, --help               эта справка; SUBCOMMAND --help: справка подкоманды\n"
     "  -V, --version            версия, авторские права и лицензия\n"
     "  --fahrenheit             температуры в °F (по умолчанию °C)\n"
     "  --volume-unit m3|gal|bbl единица объёма, вводимого и вычисленного (по умолчанию m3)\n"
     "  --pressure VALUE         учесть избыточное давление (вычисления к 15 °C)\n"
     "  --pressure-unit MPa|bar|at|psi   единица --pressure (по умолчанию MPa)\n"
     "  --group crude|products|lube      группа продуктов (по умолчанию products)\n"
     "  --no-glass               без поправки на стекло ареометра (по умолчанию с ней)\n"
     "  --lang ru|en             язык сообщений (по умолчанию: LC_ALL, LC_MESSAGES или LANG;\n"
     "                           ru* — русский, иначе английский)\n"
     "  --decimal ,|.            десятичный разделитель ввода и вывода (по умолчанию: локали)\n"
     "  --format text|tsv|csv|json   вывод: строки ИМЯ<TAB>ЗНАЧЕНИЕ (text), строка имён и строка\n"
     "                           значений (tsv, csv), объект JSON (json; batch: JSON Lines)\n"
     "  --precision shown|full   результаты как в окне (shown) или все цифры вычисленного\n"
     "                           значения (full)\n"
     "  --table FILE             таблица пересчёта (по умолчанию та, что называет --which-table)\n"
     "  --which-table            напечатать путь таблицы, которую читают подкоманды 20 °C\n"
     "  --threads N              batch: строки считаются в N потоков (по умолчанию по ядру)\n"
     "  --header                 batch: первая строка — заголовок, что бы в ней ни было\n"
     "  --strict                 batch: код выхода — наибольший код строки с ошибкой\n"
     "  --completion bash        напечатать сценарий дополнения для bash\n"
     "  --                       дальше только аргументы, даже начинающиеся с -\n",
     "Options:\n"
     "  -h, --help               this text; SUBCOMMAND --help: the subcommand's\n"
     "  -V, --version            the version, copyright and licence\n"
     "  --fahrenheit             temperatures are in °F (default °C)\n"
     "  --volume-unit m3|gal|bbl the unit of volumes, typed or computed (default m3)\n"
     "  --pressure VALUE         allow for an excess pressure (15 °C calculations)\n"
     "  --pressure-unit MPa|bar|at|psi   the unit of --pressure (default MPa)\n"
     "  --group crude|products|lube      the product group (default products)\n"
     "  --no-glass               no correction for the hydrometer's glass (default on)\n"
     "  --lang ru|en             the language of the messages (default: LC_ALL, LC_MESSAGES\n"
     "                           or LANG; Russian for ru*, English otherwise)\n"
     "  --decimal ,|.            the decimal separator, in and out (default: the locale's)\n"
     "  --format text|tsv|csv|json   the output: NAME<TAB>VALUE lines (text), a line of names\n"
     "                           and one of values (tsv, csv), a JSON object (json; batch:\n"
     "                           JSON Lines)\n"
     "  --precision shown|full   results as the window shows them (shown), or every digit of\n"
     "                           the value the computation holds (full)\n"
     "  --table FILE             the reduction table (default: the one --which-table names)\n"
     "  --which-table            print the path of the table the 20 °C subcommands read\n"
     "  --threads N              batch: lines computed on N threads (default: one per core)\n"
     "  --header                 batch: the first line is a header whatever it holds\n"
     "  --strict                 batch: exit with the highest status of a failed line\n"
     "  --completion bash        print the bash completion script\n"
     "  --                       what follows are arguments, even when they start with -\n"},
    {CliText::HelpStatus,
     "Параметры стоят до или после подкоманды; --имя=значение тоже можно.\n"
     "Каждый результат печатается строкой ИМЯ<TAB>ЗНАЧЕНИЕ; сообщения идут в стандартный поток ошибок.\n"
     "Код выхода: 0 готово, 1 неверная командная строка, 2 ввод не прошёл проверку,\n"
     "3 вне таблицы, таблица не читается или ошибка вычисления,\n"
     "4 вывод не удалось записать. В конвейере, закрытом читателем, программа\n"
     "завершается сигналом SIGPIPE молча, как cat или grep.\n",
     "Options stand before or after the subcommand; --name=value works too.\n"
     "Each result is printed as NAME<TAB>VALUE, one per line; messages go to standard error.\n"
     "Exit status: 0 done, 1 wrong command line, 2 an input failed a check,\n"
     "3 out of the table, an unreadable table or a calculation failure,\n"
     "4 the output could not be written. Into a pipe its reader has closed the program\n"
     "dies quietly by SIGPIPE, as cat or grep do.\n"},
    {CliText::HelpResults, "Результаты:", "Results:"},
    {CliText::HelpBatch,
     "Читает CSV из FILE (или из стандартного ввода при - или без FILE). Первая строка —\n"
     "заголовок, если её первое поле command (или с --header). Каждая строка: подкоманда,\n"
     "её аргументы, затем любые свои столбцы (номер, резервуар, время) — они переносятся\n"
     "в вывод как есть. Разделитель ';', если он есть в первой строке, иначе ','; поле с\n"
     "разделителем берётся в кавычки. Строки кончаются LF, CR LF или CR.\n"
     "Вывод CSV: столбцы ввода, столбцы результатов\n"
     "{0}\n"
     "и error; с --format json — по объекту JSON на строку (JSON Lines). Строка с ошибкой\n"
     "получает сообщение в error, и счёт продолжается; стандартный поток ошибок говорит,\n"
     "сколько строк не удалось и какая первая. Параметры действуют на каждую строку.\n"
     "Код выхода 0, если ввод прочитан (с --strict — наибольший код строки с ошибкой),\n"
     "1, если нет, 4, если вывод не удалось записать.\n"
     "\n"
     "Пример:\n"
     "  command;quantity;density;temp;tank\n"
     "  mass20;1000;850;20;T-5\n"
     "  reduce20;853,4;15,3;;T-7\n",
     "Reads CSV from FILE (or standard input for - or no FILE). The first line is a\n"
     "header when its first field is command (or with --header). Each line holds a\n"
     "subcommand, its arguments, then any columns of your own (an id, a tank, a time),\n"
     "which are copied to the output unchanged. The delimiter is ';' when the first line\n"
     "holds one, ',' otherwise; quote a field that holds the delimiter. Lines end with\n"
     "LF, CR LF or CR.\n"
     "Writes CSV: the input columns, the result columns\n"
     "{0}\n"
     "and error; with --format json one JSON object per line (JSON Lines). A failed line\n"
     "gets its message in error and the run goes on; standard error then says how many\n"
     "lines failed and which first. The options apply to every line. Exit status 0 when\n"
     "the input was read (with --strict, the highest status of a failed line), 1 when\n"
     "not, 4 when the output could not be written.\n"
     "\n"
     "Example:\n"
     "  command;quantity;density;temp;tank\n"
     "  mass20;1000;850;20;T-5\n"
     "  reduce20;853,4;15,3;;T-7\n"},
    {CliText::Version,
     "{0} (Vantorel) {1}\n"
     "Copyright (C) 2026 Vantorel developers.\n"
     "Лицензия: проприетарная; использование — на условиях поставки программы.\n"
     "Программа поставляется БЕЗ ГАРАНТИЙ в пределах, допускаемых законом.\n",
     "{0} (Vantorel) {1}\n"
     "Copyright (C) 2026 Vantorel developers.\n"
     "License: proprietary; use is subject to the terms the program was supplied under.\n"
     "There is NO WARRANTY, to the extent permitted by law.\n"},
};

constexpr std::size_t kEntryCount = sizeof kEntries / sizeof kEntries[0];
constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (static_cast<std::size_t>(kEntries[i].key) != i)
            return false;
    return kEntryCount == static_cast<std::size_t>(CliText::Version) + 1;
}
static_assert(inKeyOrder(), "every text has its entry, in the order of CliText");

struct Summary {
    const char* name;
    const char* russian;
    const char* english;
};

const Summary kSummaries[] = {
    {"reduce20", "показание ареометра к плотности при 20 °C (таблица ГОСТ 3900-85)",
     "hydrometer reading to the density at 20 °C (GOST 3900-85 table)"},
    {"actual20", "фактическая плотность при TEMP по плотности при 20 °C",
     "actual density at TEMP from the density at 20 °C"},
    {"mass20", "объём в резервуаре при TEMP в тонны, по ГОСТ 3900-85",
     "volume in a tank at TEMP to tonnes, by GOST 3900-85"},
    {"volume20", "тонны в объём при TEMP, по ГОСТ 3900-85", "tonnes to the volume at TEMP, by GOST 3900-85"},
    {"reduce15", "показание ареометра к плотности при 15 °C (ГОСТ Р 50.2.076-2010)",
     "hydrometer reading to the density at 15 °C (GOST R 50.2.076-2010)"},
    {"actual15", "фактическая плотность при TEMP (и --pressure) по плотности при 15 °C",
     "actual density at TEMP (and --pressure) from the density at 15 °C"},
    {"mass15", "объём в резервуаре при TEMP в тонны, по ГОСТ Р 50.2.076-2010",
     "volume in a tank at TEMP to tonnes, by GOST R 50.2.076-2010"},
    {"volume15", "тонны в объём при TEMP, по ГОСТ Р 50.2.076-2010",
     "tonnes to the volume at TEMP, by GOST R 50.2.076-2010"},
    {"api20", "показание ареометра к плотности при 20 °C и плотности API, через ГОСТ 3900-85",
     "hydrometer reading to the density at 20 °C and API gravity, through GOST 3900-85"},
    {"api20-density", "плотность API к плотности при 20 °C и фактической при TEMP, через ГОСТ 3900-85",
     "API gravity to the density at 20 °C and the actual density at TEMP, through GOST 3900-85"},
    {"api15", "показание ареометра к плотности при 15 °C и плотности API, через ГОСТ Р 50.2.076-2010",
     "hydrometer reading to the density at 15 °C and API gravity, through GOST R 50.2.076-2010"},
    {"api15-density", "плотность API к плотности при 15 °C и фактической при TEMP, через ГОСТ Р 50.2.076-2010",
     "API gravity to the density at 15 °C and the actual density at TEMP, through GOST R 50.2.076-2010"},
    {"convert", "переводит VALUE между единицами (C F; m3 gal bbl; MPa bar at psi)",
     "converts VALUE between units (C F; m3 gal bbl; MPa bar at psi)"},
    {"batch", "одно вычисление на строку CSV; CSV или JSON Lines на выходе",
     "one calculation per CSV line; CSV or JSON Lines out"},
};

Language g_language = Language::English;

// The first byte at or before `max` that starts a UTF-8 character.
std::size_t cutAt(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return text.size();
    std::size_t cut = max;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

}  // namespace

void setLanguage(Language language)
{
    g_language = language;
}

Language language()
{
    return g_language;
}

Language languageOfEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return std::string_view(value).substr(0, 2) == "ru" ? Language::Russian : Language::English;
    }
    return Language::English;
}

const char* text(CliText key)
{
    const Entry& e = kEntries[static_cast<std::size_t>(key)];
    return g_language == Language::Russian ? e.russian : e.english;
}

std::string say(CliText key, std::initializer_list<std::string_view> arguments)
{
    const std::string_view pattern = text(key);
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 2 < pattern.size() && pattern[i] == '{' && pattern[i + 2] == '}'
                                  ? static_cast<std::size_t>(pattern[i + 1] - '0')
                                  : arguments.size();
        if (n < arguments.size()) {
            out += arguments.begin()[n];
            i += 2;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

const char* subcommandSummary(std::string_view name)
{
    for (const Summary& s : kSummaries)
        if (name == s.name)
            return g_language == Language::Russian ? s.russian : s.english;
    return "";
}

std::string quotedField(std::string_view field)
{
    const std::size_t cut = cutAt(field, kQuotedPrefixBytes);
    return "'" + std::string(field.substr(0, cut)) + (cut < field.size() ? "...'" : "'");
}

std::string shortMessage(std::string_view message)
{
    const std::size_t cut = cutAt(message, kMaxMessageBytes);
    return std::string(message.substr(0, cut)) + (cut < message.size() ? "..." : "");
}

}  // namespace cli
