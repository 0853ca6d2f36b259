#include "calculator_block.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "shell/message_box.h"
#include "text/catalogue.h"
#include "unit_indicator.h"

namespace gui {

namespace {

QString textOf(const calc::Text& text)
{
    std::string s = text.key ? text::catalogue().text(*text.key) : std::string();
    return QString::fromStdString(s + text.literal);
}

std::string typed(const QLineEdit* edit)
{
    return edit ? edit->text().toStdString() : std::string();
}

}  // namespace

QLineEdit* CalculatorBlock::field(calc::Field f) const
{
    switch (f) {
    case calc::Field::Quantity:
        return quantity;
    case calc::Field::Density:
        return density;
    case calc::Field::Temperature:
        return temperature;
    case calc::Field::Pressure:
        return pressure;
    }
    return nullptr;
}

QLineEdit* CalculatorBlock::output(calc::Output o) const
{
    switch (o) {
    case calc::Output::Density20:
        return density20;
    case calc::Output::Density15:
        return density15;
    case calc::Output::Api:
        return api;
    case calc::Output::ActualDensity:
        return actualDensity;
    case calc::Output::Mass:
        return mass;
    case calc::Output::Volume:
        return volume;
    case calc::Output::ActualLine:
        break;
    }
    return nullptr;
}

calc::Inputs BlockRunner::read(const CalculatorBlock& b)
{
    calc::Inputs in;
    in.quantity = typed(b.quantity);
    in.density = typed(b.density);
    in.temperature = typed(b.temperature);
    if (b.temperatureUnit)
        in.temperatureUnit = static_cast<density::TemperatureUnit>(b.temperatureUnit->currentUnit());
    if (b.volumeUnit)
        in.volumeUnit = static_cast<density::VolumeUnit>(b.volumeUnit->currentUnit());
    if (b.pressureOn && b.pressureOn->isChecked())
        in.pressure = typed(b.pressure);
    if (b.pressureUnit)
        in.pressureUnit = static_cast<density::PressureUnit>(b.pressureUnit->currentUnit());
    for (int i = 0; i < 3; ++i)
        if (b.group[i] && b.group[i]->isChecked())
            in.group = static_cast<density::ProductGroup>(i + 1);
    in.glass = b.glass && b.glass->isChecked();
    return in;
}

void BlockRunner::run(const CalculatorBlock& block) const
{
    const QDateTime at = QDateTime::currentDateTime();
    const density::ReductionTable& table = m_table;
    const calc::Inputs inputs = read(block);
    const calc::Outcome outcome = calc::run(block.course, inputs, [&table](density::MessageSink&) { return &table; });
    apply(block, outcome);
    if (m_observer)
        m_observer(block, inputs, outcome, at);
}

void BlockRunner::apply(const CalculatorBlock& block, const calc::Outcome& outcome) const
{
    for (calc::Output o : outcome.cleared)
        if (QLineEdit* edit = block.output(o))
            edit->clear();
    if (outcome.temperature)
        block.temperature->setText(QString::fromStdString(*outcome.temperature));
    // each result is written before the messages that came after it
    std::size_t written = 0;
    const auto writeUpTo = [&](std::size_t messagesShown) {
        for (; written < outcome.results.size() && outcome.results[written].messagesBefore <= messagesShown;
             ++written) {
            const calc::ResultText& r = outcome.results[written];
            if (r.output == calc::Output::ActualLine)
                block.actualLine->setText(textOf(r.text));
            else if (QLineEdit* edit = block.output(r.output))
                edit->setText(textOf(r.text));
        }
    };
    for (std::size_t i = 0; i < outcome.messages.size(); ++i) {
        writeUpTo(i);
        shell::showAttention(m_window, QString::fromStdString(text::catalogue().render(outcome.messages[i])));
    }
    if (!outcome.failure.empty())
        shell::showGenericError(m_window, QString::fromStdString(outcome.failure));
    writeUpTo(outcome.messages.size());
    if (outcome.focus) {
        QLineEdit* edit = block.field(*outcome.focus);
        if (edit && edit->isVisible() && edit->isEnabled())
            edit->setFocus();
    }
}

}  // namespace gui
