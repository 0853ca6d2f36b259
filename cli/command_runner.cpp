#include "command_runner.h"

#include "calc/calculators.h"
#include "calc/conversion.h"
#include "calc/shown.h"
#include "calc/unit_names.h"
#include "density/api.h"
#include "density/gost3900.h"
#include "density/numeric_text.h"
#include "density/units.h"
#include "text/catalogue.h"
#include "usage_texts.h"

namespace cli {

using density::Message;
using density::MsgKey;

namespace {

// Collects what the computations and the checks report, as the user reads it.
class CollectingSink : public density::MessageSink {
public:
    explicit CollectingSink(std::vector<std::string>& texts) : m_texts(texts) {}
    void show(const Message& message) override { m_texts.push_back(text::catalogue().render(message)); }

private:
    std::vector<std::string>& m_texts;
};

using Args = std::vector<std::string>;

// The part of a subcommand's run that is not a calculator: usage errors.
class Run {
public:
    explicit Run(CommandReport& out) : m_out(out), m_sink(out.messages) {}

    density::MessageSink& sink() { return m_sink; }
    void status(int status) { m_out.status = status; }
    void usage(const std::string& what)
    {
        m_out.messages.push_back(what);
        m_out.status = kStatusUsage;
    }
    void result(const char* name, std::string text, std::optional<double> held)
    {
        m_out.results.emplace_back(name, std::move(text));
        m_out.held.push_back(held);
    }

private:
    CommandReport& m_out;
    CollectingSink m_sink;
};

const char* resultName(calc::Output output)
{
    switch (output) {
    case calc::Output::Density20:
        return "density20";
    case calc::Output::Density15:
        return "density15";
    case calc::Output::Api:
        return "api";
    case calc::Output::Mass:
        return "mass_t";
    case calc::Output::Volume:
        return "volume";
    case calc::Output::ActualDensity:
    case calc::Output::ActualLine:
        break;
    }
    return "actual_density";
}

// What the command line prints of a calculator's report: the rewritten
// temperature first, then what a face shows of it.
void print(calc::Outcome& o, CommandReport& out)
{
    const auto render = [](const Message& m) { return text::catalogue().render(m); };
    const calc::Shown shown = calc::shown(o);
    if (o.temperature) {
        out.results.emplace_back("temperature", std::move(*o.temperature));
        out.held.emplace_back();
    }
    for (std::size_t k = 0; k < shown.results; ++k) {
        calc::ResultText& r = o.results[k];
        out.results.emplace_back(resultName(r.output), std::move(r.value));
        out.held.push_back(r.held);
    }
    for (std::size_t i = 0; i < shown.messages; ++i)
        out.messages.push_back(render(o.messages[i]));
    if (shown.noRowNote)
        out.messages.push_back(render(Message(MsgKey::MsgNoTableRow)));
    if (shown.failureReport)
        out.messages.push_back(o.failure);
    out.status = o.status == calc::Status::Ok            ? kStatusOk
                 : o.status == calc::Status::CheckFailed ? kStatusCheckFailed
                                                         : kStatusCalcFailed;
}

// The argument texts are moved from `taken` when it is given (it is `a`).
calc::Inputs inputs(calc::Course course, const Args& a, Args* taken, const Options& options)
{
    calc::Inputs in;
    const auto text = [&](std::size_t k) { return taken ? std::move((*taken)[k]) : a[k]; };
    // the quantity blocks read a volume or a mass first
    const bool quantity = course == calc::Course::Mass20 || course == calc::Course::Volume20 ||
                          course == calc::Course::Mass15 || course == calc::Course::Volume15;
    if (quantity)
        in.quantity = text(0);
    in.density = text(quantity ? 1 : 0);
    in.temperature = text(quantity ? 2 : 1);
    static_cast<calc::Choices&>(in) = options;
    // the API page never applies a pressure
    const bool pressured =
        course == calc::Course::Actual15 || course == calc::Course::Mass15 || course == calc::Course::Volume15;
    if (!pressured)
        in.pressure.reset();
    return in;
}

// --- unit conversions ---

void convert(Run& run, const Args& a)
{
    const std::string& kind = a[0];
    const std::string& text = a[1];
    std::optional<calc::Converted> c;
    const char* name = nullptr;
    if (calc::sameName(kind, "temperature")) {
        name = "temperature";
        const auto from = calc::temperatureUnitNamed(a[2]);
        const auto to = calc::temperatureUnitNamed(a[3]);
        if (from && to)
            c = calc::convertTemperature(text, *from, *to);
    } else if (calc::sameName(kind, "volume")) {
        name = "volume";
        const auto from = calc::volumeUnitNamed(a[2]);
        const auto to = calc::volumeUnitNamed(a[3]);
        if (from && to)
            c = calc::convertVolume(text, *from, *to);
    } else if (calc::sameName(kind, "pressure")) {
        name = "pressure";
        const auto from = calc::pressureUnitNamed(a[2]);
        const auto to = calc::pressureUnitNamed(a[3]);
        if (from && to)
            c = calc::convertPressure(text, *from, *to);
    } else {
        run.usage(say(CliText::UnknownQuantity, {quotedField(kind)}));
        return;
    }
    if (!c) {
        run.usage(say(CliText::UnknownUnits, {kind, quotedField(a[2]), quotedField(a[3])}));
        return;
    }
    for (const Message& m : c->messages)
        run.sink().show(m);
    if (c->status != calc::Status::Ok) {
        // the conversion could not read its input: a failed check
        run.status(kStatusCheckFailed);
        return;
    }
    run.result(name, std::move(c->text), c->held);
}

struct Entry {
    Command command;
    std::optional<calc::Course> course;  // nothing: convert
};

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> list = {
        {{"reduce20", {"DENSITY", "TEMP"}, {"temperature", "density20"}}, calc::Course::Reduce20},
        {{"actual20", {"DENSITY20", "TEMP"}, {"temperature", "actual_density"}}, calc::Course::Actual20},
        {{"mass20", {"VOLUME", "DENSITY20", "TEMP"}, {"temperature", "mass_t", "actual_density"}},
         calc::Course::Mass20},
        {{"volume20", {"MASS", "DENSITY20", "TEMP"}, {"temperature", "volume", "actual_density"}},
         calc::Course::Volume20},
        {{"reduce15", {"DENSITY", "TEMP"}, {"density15"}}, calc::Course::Reduce15},
        {{"actual15", {"DENSITY15", "TEMP"}, {"actual_density"}}, calc::Course::Actual15},
        {{"mass15", {"VOLUME", "DENSITY15", "TEMP"}, {"mass_t", "actual_density"}}, calc::Course::Mass15},
        {{"volume15", {"MASS", "DENSITY15", "TEMP"}, {"volume", "actual_density"}}, calc::Course::Volume15},
        {{"api20", {"DENSITY", "TEMP"}, {"temperature", "density20", "api"}}, calc::Course::Api20},
        {{"api20-density", {"API", "TEMP"}, {"temperature", "density20", "actual_density"}},
         calc::Course::ApiToDensity20},
        {{"api15", {"DENSITY", "TEMP"}, {"density15", "api"}}, calc::Course::Api15},
        {{"api15-density", {"API", "TEMP"}, {"density15", "actual_density"}}, calc::Course::ApiToDensity15},
        {{"convert", {"temperature|volume|pressure", "VALUE", "FROM", "TO"}, {"temperature", "volume", "pressure"}},
         std::nullopt},
    };
    return list;
}

const Entry* findEntry(std::string_view name)
{
    // the names measured once: batch looks one up on every line
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const Entry& e : entries())
            out.emplace_back(e.command.name);
        return out;
    }();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (name == names[i])
            return &entries()[i];
    return nullptr;
}

}  // namespace

const std::vector<Command>& commands()
{
    static const std::vector<Command> list = [] {
        std::vector<Command> out;
        for (const Entry& e : entries())
            out.push_back(e.command);
        return out;
    }();
    return list;
}

const Command* findCommand(std::string_view name)
{
    const Entry* e = findEntry(name);
    return e ? &e->command : nullptr;
}

const std::vector<std::string>& allResultNames()
{
    static const std::vector<std::string> names = {"temperature",    "density20", "density15", "api",
                                                   "actual_density", "mass_t",    "volume",    "pressure"};
    return names;
}

CommandRunner::CommandRunner(std::string tableFile, std::string tableName)
    : m_tableFile(std::move(tableFile)), m_tableName(std::move(tableName))
{
    if (m_tableName.empty())
        m_tableName = m_tableFile.substr(m_tableFile.find_last_of('/') + 1);
    // a name too long to read is told by its end, where the file's own name is
    constexpr std::size_t kShownTail = 100;
    if (m_tableName.size() > kShownTail + 20) {
        std::size_t from = m_tableName.size() - kShownTail;
        while (from < m_tableName.size() && (static_cast<unsigned char>(m_tableName[from]) & 0xC0) == 0x80)
            ++from;
        m_tableName = "..." + m_tableName.substr(from);
    }
}

bool CommandRunner::loadTable(CommandReport& report)
{
    if (!m_tried) {
        m_tried = true;
        m_tableRead = density::readReductionTableFile(m_tableFile, m_table);
        m_loaded = m_tableRead.read();
        m_table.setFileName(m_tableName);
    }
    if (m_loaded)
        return true;
    CollectingSink sink(report.messages);
    sink.show(density::tableFileMessageNamed(m_tableName, m_tableRead));
    report.status = kStatusCalcFailed;
    return false;
}

CommandReport CommandRunner::run(std::string_view command, const std::vector<std::string>& arguments,
                                 const Options& options)
{
    CommandReport report;
    run(command, arguments, options, report);
    return report;
}

void CommandRunner::prepare()
{
    CommandReport ignored;
    loadTable(ignored);
}

void CommandRunner::run(std::string_view command, const std::vector<std::string>& arguments, const Options& options,
                        CommandReport& report)
{
    const Entry* e = findEntry(command);
    if (!e) {
        report.status = kStatusUsage;
        report.results.clear();
        report.held.clear();
        report.messages.assign(1, say(CliText::UnknownSubcommand, {quotedField(command)}));
        return;
    }
    run(e->command, arguments, options, report);
}

void CommandRunner::run(const Command& command, const std::vector<std::string>& arguments, const Options& options,
                        CommandReport& report)
{
    runCommand(command, arguments, nullptr, options, report);
}

void CommandRunner::runTaking(const Command& command, std::vector<std::string>& arguments, const Options& options,
                              CommandReport& report)
{
    runCommand(command, arguments, &arguments, options, report);
}

void CommandRunner::runCommand(const Command& command, const std::vector<std::string>& arguments,
                               std::vector<std::string>* taken, const Options& options, CommandReport& report)
{
    report.status = kStatusOk;
    report.results.clear();
    report.held.clear();
    report.messages.clear();
    const Entry* e = nullptr;
    for (const Entry& candidate : entries())
        if (&candidate.command == &command)
            e = &candidate;
    if (!e) {
        run(command.name, arguments, options, report);
        return;
    }
    if (arguments.size() != e->command.arguments.size()) {
        report.status = kStatusUsage;
        report.messages.push_back(
            say(CliText::ArgumentCount,
                {e->command.name, std::to_string(e->command.arguments.size()), std::to_string(arguments.size())}));
        return;
    }
    if (!e->course) {
        Run run(report);
        convert(run, arguments);
        return;
    }
    calc::Outcome o =
        calc::run(*e->course, inputs(*e->course, arguments, taken, options),
                  [this, &report](density::MessageSink&) { return loadTable(report) ? &m_table : nullptr; });
    print(o, report);
}

}  // namespace cli
