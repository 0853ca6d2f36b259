#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculators.h"
#include "density/result.h"

// The steps every course is made of: field checks that stop at the first
// failure, results, and the failures after the checks. Internal to calc/.
namespace calc::detail {

enum class Standard { Gost3900, R50 };

// Densities are shown with this many decimals.
constexpr int kDensityDecimals = 1;

class Steps : public density::MessageSink {
public:
    // a course gives at most four results
    explicit Steps(const Inputs& inputs) : m_in(inputs) { m_out.results.reserve(4); }

    const Inputs& in() const { return m_in; }
    Outcome& out() { return m_out; }
    Outcome take() { return std::move(m_out); }
    bool ok() const { return m_out.status == Status::Ok; }

    // Computations report here; after the checks a message means the course
    // failed (unless it already has).
    void show(const density::Message& message) override;

    // --- checks: false (or nothing) after the field's message and focus ---
    std::optional<double> number(Field field, std::string_view text, density::MsgKey empty, density::MsgKey invalid);
    bool inRange(Field field, std::string_view text, density::MsgKey empty, density::MsgKey invalid, double min,
                 double max, const density::Message& outside);
    bool positive(Field field, std::string_view text, density::MsgKey empty, density::MsgKey invalid,
                  density::MsgKey notPositive);
    bool temperature(density::MsgKey empty, density::MsgKey invalid, Standard standard);
    // The pressure in MPa as text: "0" while the option is off.
    std::optional<std::string> pressure();
    // All checks passed: from here on messages are failures.
    void checked() { m_checked = true; }

    // The reduction table, or nothing (status CalcFailed) when there is none.
    const density::ReductionTable* table(const TableSource& source);
    // The temperature field on the half-degree grid, written back.
    std::optional<std::string> roundTemperature();

    // --- results ---
    void clear(Output output) { m_out.cleared.push_back(output); }
    void result(Output output, double value, int decimals);
    void result(Output output, std::string text);
    // text as computed, and the value it was rounded from
    void result(Output output, std::string text, double held);
    void actualLine(double actualDensity);
    void word(Output output, density::MsgKey key);

    // A GOST 3900-85 lookup: the value to go on with (0 with no row), or
    // nothing after out of table (message, error word, focus) or a failure.
    std::optional<double> lookedUp(const density::Result<double>& r, density::MsgKey outOfTable, Output errorOutput,
                                   Field focus);
    // A value of a computation that may stop on malformed data.
    std::optional<double> value(const density::Result<double>& r);

    // A failure after the checks: the status (the first one holds), the message.
    void fail(Status status, const density::Message& message);
    void fail(Status status) { setStatus(status); }
    // The generic error report.
    void report(const std::string& reason);
    void focus(Field field) { m_out.focus = field; }

private:
    void refuse(Field field, const density::Message& message);
    void setStatus(Status status);

    const Inputs& m_in;
    Outcome m_out;
    bool m_checked = false;
};

// 60 °F as the API courses pass it, with the separator in force: the
// half-degree row of the table, and the formula temperature.
std::string sixtyOnTheGrid();
std::string sixtyFahrenheit();

}  // namespace calc::detail
