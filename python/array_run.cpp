#include "array_run.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <thread>

#include "calc/number_course.h"
#include "calc/shown.h"
#include "density/numeric_text.h"
#include "text/catalogue.h"

namespace vantorel_python {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Column columnOf(calc::Output output)
{
    switch (output) {
    case calc::Output::Density20:
        return Column::Density20;
    case calc::Output::Density15:
        return Column::Density15;
    case calc::Output::Api:
        return Column::Api;
    case calc::Output::Mass:
        return Column::Mass;
    case calc::Output::Volume:
        return Column::Volume;
    case calc::Output::ActualDensity:
    case calc::Output::ActualLine:
        break;
    }
    return Column::ActualDensity;
}

bool quantityCourse(calc::Course course)
{
    return course == calc::Course::Mass20 || course == calc::Course::Volume20 || course == calc::Course::Mass15 ||
           course == calc::Course::Volume15;
}

double numberOf(const std::string& text)
{
    return density::parseNumber(text).value_or(kNaN);
}

// Writes element i of the outcome into the columns.
void store(calc::Outcome& o, Columns& c, std::size_t i)
{
    for (double* column : c.outputs)
        if (column)
            column[i] = kNaN;
    if (o.temperature && c.outputs[static_cast<int>(Column::Temperature)])
        c.outputs[static_cast<int>(Column::Temperature)][i] = numberOf(*o.temperature);
    const calc::Shown shown = calc::shown(o);
    for (std::size_t k = 0; k < shown.results; ++k) {
        double* column = c.outputs[static_cast<int>(columnOf(o.results[k].output))];
        if (column)
            column[i] = numberOf(o.results[k].value);
    }
    c.status[i] = static_cast<std::int8_t>(exitStatus(o.status));
}

// The messages, joined as the error column of a batch joins them.
std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : " / ") + line;
    return text;
}

std::string failureText(const calc::Outcome& o)
{
    const auto& catalogue = text::catalogue();
    const calc::Shown shown = calc::shown(o);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < shown.messages; ++i)
        lines.push_back(catalogue.render(o.messages[i]));
    if (shown.noRowNote)
        lines.push_back(catalogue.render(density::Message(density::MsgKey::MsgNoTableRow)));
    if (shown.failureReport)
        lines.push_back(o.failure);
    return joined(lines);
}

// Runs `part` over contiguous parts of [0, count) on `threads` threads; the
// failures of all parts in index order.
template <typename Part>
Failures onThreads(std::size_t count, int threads, const Part& part)
{
    const std::size_t n = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), 1, count ? count : 1);
    std::vector<Failures> failures(n);
    std::vector<std::thread> pool;
    pool.reserve(n - 1);
    const auto range = [&](std::size_t k) { part(count * k / n, count * (k + 1) / n, failures[k]); };
    for (std::size_t k = 1; k < n; ++k)
        pool.emplace_back(range, k);
    range(0);
    for (std::thread& t : pool)
        t.join();
    for (std::size_t k = 1; k < n; ++k)
        std::move(failures[k].begin(), failures[k].end(), std::back_inserter(failures[0]));
    return std::move(failures[0]);
}

}  // namespace

const char* columnName(Column column)
{
    static const char* const names[kColumnCount] = {"temperature",    "density20", "density15", "api",
                                                    "actual_density", "mass_t",    "volume"};
    return names[static_cast<int>(column)];
}

ExitStatus exitStatus(calc::Status status)
{
    switch (status) {
    case calc::Status::Ok:
        return ExitStatus::Ok;
    case calc::Status::CheckFailed:
        return ExitStatus::CheckFailed;
    default:
        return ExitStatus::CalcFailed;
    }
}

void numberText(double value, std::string& out)
{
    out.clear();
    if (std::isnan(value))
        return;
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.assign(buffer, ec == std::errc() ? end : buffer);
}

void elementInputs(calc::Course course, const Columns& c, std::size_t i, calc::Inputs& in)
{
    const bool quantity = quantityCourse(course);
    if (quantity)
        numberText(c.inputs[0][i], in.quantity);
    numberText(c.inputs[quantity ? 1 : 0][i], in.density);
    numberText(c.inputs[quantity ? 2 : 1][i], in.temperature);
    if (c.pressure)
        numberText(c.pressure[i], in.pressure.emplace());
}

Failures runCourse(calc::Course course, const calc::Choices& choices, const density::ReductionTable* table,
                   const density::Message* tableMessage, Columns& columns, int threads)
{
    const auto part = [&](std::size_t begin, std::size_t end, Failures& failures) {
        const calc::TableSource source = [&](density::MessageSink& sink) -> const density::ReductionTable* {
            if (!table && tableMessage)
                sink.show(*tableMessage);
            return table;
        };
        calc::Inputs in;
        static_cast<calc::Choices&>(in) = choices;
        // the course over numbers writes its one value and the temperature
        const calc::NumberCourse numbers =
            columns.pressure ? calc::NumberCourse() : calc::numberCourse(course, choices);
        double* const values = columns.outputs[static_cast<int>(columnOf(numbers.output))];
        double* const temperatures =
            numbers.rewritesTemperature ? columns.outputs[static_cast<int>(Column::Temperature)] : nullptr;
        for (std::size_t i = begin; i < end; ++i) {
            if (numbers.run) {
                const calc::NumberAnswer a = numbers.run(columns.inputs[0][i], columns.inputs[1][i], choices, table);
                if (a.status == calc::NumberStatus::Answered) {
                    values[i] = a.value;
                    if (temperatures)
                        temperatures[i] = a.temperature;
                    columns.status[i] = static_cast<std::int8_t>(ExitStatus::Ok);
                    continue;
                }
            }
            elementInputs(course, columns, i, in);
            calc::Outcome o = calc::run(course, in, source);
            store(o, columns, i);
            if (o.status != calc::Status::Ok)
                failures.push_back({i, failureText(o)});
        }
    };
    return onThreads(columns.count, threads, part);
}

namespace {

calc::Converted convertOne(const Units& u, double value)
{
    std::string text;
    numberText(value, text);
    switch (u.quantity) {
    case Quantity::Temperature:
        return calc::convertTemperature(text, static_cast<density::TemperatureUnit>(u.from),
                                        static_cast<density::TemperatureUnit>(u.to));
    case Quantity::Volume:
        return calc::convertVolume(text, static_cast<density::VolumeUnit>(u.from),
                                   static_cast<density::VolumeUnit>(u.to));
    case Quantity::Pressure:
        break;
    }
    return calc::convertPressure(text, static_cast<density::PressureUnit>(u.from),
                                 static_cast<density::PressureUnit>(u.to));
}

}  // namespace

Failures runConversion(const Units& units, const double* in, double* out, std::int8_t* status, std::size_t count,
                       int threads)
{
    const auto part = [&](std::size_t begin, std::size_t end, Failures& failures) {
        for (std::size_t i = begin; i < end; ++i) {
            const calc::Converted c = convertOne(units, in[i]);
            out[i] = c.status == calc::Status::Ok ? numberOf(c.text) : kNaN;
            status[i] = static_cast<std::int8_t>(exitStatus(c.status));
            if (c.status != calc::Status::Ok) {
                std::vector<std::string> lines;
                for (const density::Message& m : c.messages)
                    lines.push_back(text::catalogue().render(m));
                failures.push_back({i, joined(lines)});
            }
        }
    };
    return onThreads(count, threads, part);
}

}  // namespace vantorel_python
