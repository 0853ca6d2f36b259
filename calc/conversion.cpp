#include "conversion.h"

#include "density/numeric_text.h"

namespace calc {

namespace {

// Collects what a conversion reports; any message means the text was no number.
class Collected : public density::MessageSink {
public:
    explicit Collected(Converted& out) : m_out(out) {}
    void show(const density::Message& message) override
    {
        m_out.messages.push_back(message);
        m_out.status = Status::CheckFailed;
    }

private:
    Converted& m_out;
};

// What a conversion held, when its text reads as a number.
std::optional<double> held(const std::optional<long double>& value)
{
    return value ? std::optional<double>(static_cast<double>(*value)) : std::nullopt;
}

}  // namespace

Converted convertTemperature(std::string_view text, density::TemperatureUnit from, density::TemperatureUnit to)
{
    Converted out;
    Collected sink(out);
    const std::optional<long double> x = density::parseNumberExtended(text);
    if (from != to) {
        out.text = density::convertTemperature(text, from, sink);
        if (x)
            out.held = held(density::convertedTemperature(*x, from));
        return out;
    }
    // the same unit: re-formatted with the conversion's decimal
    out.held = held(x);
    const std::optional<std::string> f = x ? density::formatFixed(*x, 1) : std::nullopt;
    if (f)
        out.text = *f;
    else
        sink.show(density::Message(density::MsgKey::MsgTempUnitsError));
    return out;
}

Converted convertVolume(std::string_view text, density::VolumeUnit from, density::VolumeUnit to)
{
    Converted out;
    Collected sink(out);
    out.text = density::convertVolume(text, from, to, sink);
    if (const std::optional<long double> x = density::parseNumberExtended(text))
        out.held = held(density::convertedVolume(*x, from, to));
    return out;
}

Converted convertPressure(std::string_view text, density::PressureUnit from, density::PressureUnit to)
{
    Converted out;
    Collected sink(out);
    out.text = density::convertPressure(text, from, to, sink);
    if (const std::optional<long double> x = density::parseNumberExtended(text))
        out.held = held(density::convertedPressure(*x, from, to));
    return out;
}

}  // namespace calc
