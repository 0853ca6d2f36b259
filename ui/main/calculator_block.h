#pragma once

#include <QDateTime>
#include <array>
#include <functional>

#include "calc/calculators.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace gui {

class UnitIndicator;

// The widgets of one calculator block, named for what they hold; those a
// block lacks stay null.
struct CalculatorBlock {
    calc::Course course;
    QLineEdit* quantity = nullptr;  // volume or mass
    QLineEdit* density = nullptr;   // reading, density at 15 or 20 °C, or API gravity
    QLineEdit* temperature = nullptr;
    UnitIndicator* temperatureUnit = nullptr;
    UnitIndicator* volumeUnit = nullptr;  // of the volume entered or of the volume result
    QCheckBox* pressureOn = nullptr;
    QLineEdit* pressure = nullptr;
    UnitIndicator* pressureUnit = nullptr;
    std::array<QRadioButton*, 3> group{};  // crude oil, petroleum products, lubricating oils
    QCheckBox* glass = nullptr;
    QPushButton* calculate = nullptr;

    QLineEdit* density20 = nullptr;
    QLineEdit* density15 = nullptr;
    QLineEdit* api = nullptr;
    QLineEdit* actualDensity = nullptr;
    QLineEdit* mass = nullptr;
    QLineEdit* volume = nullptr;
    QLabel* actualLine = nullptr;

    QLineEdit* field(calc::Field field) const;
    // The edit of an output; nullptr for the actual-density line.
    QLineEdit* output(calc::Output output) const;
};

// Runs a block's course on its widgets: reads the texts and choices, asks the
// calculator, and shows what comes back.
class BlockRunner {
public:
    // Told of every run after it is shown, with the time of the click.
    using Observer =
        std::function<void(const CalculatorBlock&, const calc::Inputs&, const calc::Outcome&, const QDateTime&)>;

    BlockRunner(QWidget* window, const density::ReductionTable& table) : m_window(window), m_table(table) {}
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    void run(const CalculatorBlock& block) const;

    static calc::Inputs read(const CalculatorBlock& block);
    // Outputs cleared, the temperature rewritten, the messages and the results
    // in the order they came, then the focus into its field when that can
    // take it.
    void apply(const CalculatorBlock& block, const calc::Outcome& outcome) const;

private:
    QWidget* m_window;
    const density::ReductionTable& m_table;
    Observer m_observer;
};

}  // namespace gui
