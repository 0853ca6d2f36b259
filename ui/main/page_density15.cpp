// "Плотность по ГОСТ Р 50.2.076-2010 (15°C)": reduction to 15 °C and the
// actual density at a temperature and an excess pressure, joined by the
// density-to-density chain.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "form_builder.h"
#include "pages.h"
#include "unit_indicator.h"

namespace gui {

using namespace build;

Density15Page::Density15Page(const BlockRunner& runner) : CalculatorPage("TabSheet4", runner)
{
    QVBoxLayout* layout = column(this);

    CalculatorBlock& r = m_reduction;
    QGroupBox* reduction = group(this, "GroupBox9");
    QGroupBox* reading = readingGroup(reduction, {"GroupBox10", "Label18", "Edit15", "Label19", "Edit16", "Panel7"}, r);
    r.glass = checkBox(reduction, "CheckBox1");
    QGroupBox* reductionGroup = productGroup(reduction, "GroupBox17", 1, r.group);
    QLabel* resultLabel = label(reduction, "Label17");
    r.density15 = edit(reduction, "Edit17");
    r.calculate = button(reduction, "Button7");
    auto* readingColumn = new QVBoxLayout;
    readingColumn->addWidget(reading);
    readingColumn->addWidget(r.glass);
    readingColumn->addLayout(row({resultLabel, r.density15, nullptr, r.calculate}));
    auto* reductionLayout = new QHBoxLayout(reduction);
    reductionLayout->addLayout(readingColumn, 1);
    reductionLayout->addWidget(reductionGroup);
    layout->addWidget(reduction);

    layout->addLayout(m_chain.build(this, "SpeedButton2", "CheckBox8"));

    CalculatorBlock& a = m_actual;
    QGroupBox* actual = group(this, "GroupBox11");
    QLabel* givenLabel = nullptr;
    QGroupBox* parameters =
        readingGroup(actual, {"GroupBox12", "Label21", "Edit18", "Label22", "Edit19", "Panel8"}, a, &givenLabel);
    a.pressureOn = checkBox(parameters, "CheckBox2");
    a.pressure = pressureEdit(parameters, "Edit29");
    a.pressureUnit = indicator(parameters, "Panel12");
    static_cast<QVBoxLayout*>(parameters->layout())
        ->addLayout(row({a.pressureOn, a.pressure, a.pressureUnit, label(parameters, "Label33"), nullptr}));
    QGroupBox* actualGroup = productGroup(actual, "GroupBox18", 4, a.group);
    a.actualDensity = edit(actual, "Edit20");
    a.calculate = button(actual, "Button8");
    auto* parametersColumn = new QVBoxLayout;
    parametersColumn->addWidget(parameters);
    parametersColumn->addLayout(row({label(actual, "Label20"), a.actualDensity, nullptr, a.calculate}));
    auto* actualLayout = new QHBoxLayout(actual);
    actualLayout->addLayout(parametersColumn, 1);
    actualLayout->addWidget(actualGroup);
    layout->addWidget(actual);

    QToolButton* help = helpButton(this, "SpeedButton8", "density15.html");
    layout->addLayout(helpRow(help));
    layout->addStretch();

    m_chain.locked = {r.calculate, a.calculate, r.density15, a.density, resultLabel, givenLabel};
    addBlocks({&r, &a});
    tabOrder({r.density, r.temperature, r.temperatureUnit, r.glass, r.group[0], r.calculate, r.density15,
              m_chain.button, m_chain.box, a.density, a.temperature, a.temperatureUnit, a.pressureOn, a.pressure,
              a.pressureUnit, a.group[0], a.calculate, a.actualDensity, help});
    runOnEnter(r, &m_chain);
    runOnEnter(a, &m_chain);
    connect(r.calculate, &QPushButton::clicked, this, &Density15Page::reduceTo15);
    connect(a.calculate, &QPushButton::clicked, this, &Density15Page::actualDensity);
    connect(a.pressureOn, &QCheckBox::toggled, this, &Density15Page::enablePressureEdit);
    connect(m_chain.box, &QCheckBox::clicked, this, &Density15Page::lockChain);
    connect(m_chain.button, &QToolButton::clicked, this, &Density15Page::chainDensities);
}

void Density15Page::enablePressureEdit()
{
    m_actual.pressure->setEnabled(m_actual.pressureOn->isChecked());
}

// The reading reduced to 15 °C (one decimal), then carried to the temperature
// and pressure of the lower calculator.
void Density15Page::chainDensities()
{
    reduceTo15();
    m_actual.density->setText(m_reduction.density15->text());
    actualDensity();
}

}  // namespace gui
