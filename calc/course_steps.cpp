#include "course_steps.h"

#include "density/gost3900.h"
#include "density/numeric_text.h"

namespace calc::detail {

using density::Message;
using density::MsgKey;

void Steps::show(const Message& message)
{
    m_out.messages.push_back(message);
    if (m_checked)
        setStatus(Status::CalcFailed);
}

void Steps::setStatus(Status status)
{
    if (m_out.status == Status::Ok)
        m_out.status = status;
}

void Steps::refuse(Field field, const Message& message)
{
    m_out.messages.push_back(message);
    m_out.status = Status::CheckFailed;
    m_out.focus = field;
}

std::optional<double> Steps::number(Field field, std::string_view text, MsgKey empty, MsgKey invalid)
{
    const density::FieldReading r = density::readField(text);
    if (r.state == density::FieldState::Number)
        return r.value;
    refuse(field, Message(r.state == density::FieldState::Empty ? empty : invalid));
    return std::nullopt;
}

bool Steps::inRange(Field field, std::string_view text, MsgKey empty, MsgKey invalid, double min, double max,
                    const Message& outside)
{
    const std::optional<double> v = number(field, text, empty, invalid);
    if (v && !density::admitted(*v, min, max))
        refuse(field, outside);
    return ok();
}

bool Steps::positive(Field field, std::string_view text, MsgKey empty, MsgKey invalid, MsgKey notPositive)
{
    const std::optional<double> v = number(field, text, empty, invalid);
    if (v && !(*v > 0))
        refuse(field, Message(notPositive));
    return ok();
}

bool Steps::temperature(MsgKey empty, MsgKey invalid, Standard standard)
{
    if (!number(Field::Temperature, m_in.temperature, empty, invalid))
        return false;
    const bool outside = standard == Standard::R50
                             ? density::r50CheckTemperature(m_in.temperature, m_in.temperatureUnit, *this)
                             : density::gost3900CheckTemperature(m_in.temperature, m_in.temperatureUnit, *this);
    if (outside) {
        m_out.status = Status::CheckFailed;
        m_out.focus = Field::Temperature;
    }
    return !outside;
}

std::optional<std::string> Steps::pressure()
{
    if (!m_in.pressure)
        return std::string("0");
    if (!number(Field::Pressure, *m_in.pressure, MsgKey::MsgPressureEmpty, MsgKey::MsgPressureInvalid))
        return std::nullopt;
    std::string mpa = density::convertPressure(*m_in.pressure, m_in.pressureUnit, density::PressureUnit::MPa, *this);
    const std::optional<double> p = density::parseNumber(mpa);
    if (!p || *p < 0 || *p > density::kPressureMaxMPa) {
        refuse(Field::Pressure, Message(MsgKey::MsgPressureOutOfRange));
        return std::nullopt;
    }
    return mpa;
}

const density::ReductionTable* Steps::table(const TableSource& source)
{
    const density::ReductionTable* t = source(*this);
    if (!t)
        setStatus(Status::CalcFailed);
    return t;
}

std::optional<std::string> Steps::roundTemperature()
{
    density::Result<std::string> r = density::roundToHalfDegree(m_in.temperature);
    if (!r) {
        report(r.error());
        return std::nullopt;
    }
    m_out.temperature = *r;
    return *r;
}

void Steps::result(Output output, double value, int decimals)
{
    std::optional<std::string> text = density::formatFixed(value, decimals);
    result(output, text ? std::move(*text) : density::formatHandOver(value));
    m_out.results.back().held = value;
}

void Steps::result(Output output, std::string text)
{
    m_out.results.push_back({output, Text{std::nullopt, text}, std::move(text), ok(), m_out.messages.size(), {}});
}

void Steps::result(Output output, std::string text, double held)
{
    result(output, std::move(text));
    m_out.results.back().held = held;
}

void Steps::actualLine(double actualDensity)
{
    const std::optional<std::string> text = density::formatFixed(actualDensity, kDensityDecimals);
    const std::string number = text ? *text : density::formatHandOver(actualDensity);
    m_out.results.push_back({Output::ActualLine, Text{MsgKey::TextActualDensityLabel, " : " + number}, number, ok(),
                             m_out.messages.size(), actualDensity});
}

void Steps::word(Output output, MsgKey key)
{
    m_out.results.push_back({output, Text{key, {}}, {}, false, m_out.messages.size(), {}});
}

std::optional<double> Steps::lookedUp(const density::Result<double>& r, MsgKey outOfTable, Output errorOutput,
                                      Field focusField)
{
    if (!r) {
        report(r.error());
        return std::nullopt;
    }
    switch (density::tableStatus(*r)) {
    case density::QuantityStatus::OutOfTable:
        fail(Status::OutOfTable, Message(outOfTable));
        word(errorOutput, MsgKey::MsgCaptionError);
        focus(focusField);
        return std::nullopt;
    case density::QuantityStatus::NoRow:
        setStatus(Status::NoRow);
        return 0.0;
    case density::QuantityStatus::Ok:
        break;
    }
    return *r;
}

std::optional<double> Steps::value(const density::Result<double>& r)
{
    if (r)
        return *r;
    report(r.error());
    return std::nullopt;
}

void Steps::fail(Status status, const Message& message)
{
    setStatus(status);
    m_out.messages.push_back(message);
}

void Steps::report(const std::string& reason)
{
    setStatus(Status::CalcFailed);
    m_out.failure = reason;
}

std::string sixtyOnTheGrid()
{
    return std::string("15") + density::decimalSeparator() + "5";
}

std::string sixtyFahrenheit()
{
    return std::string("15") + density::decimalSeparator() + "55555";
}

}  // namespace calc::detail
