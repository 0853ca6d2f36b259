// "Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)": volume to mass and mass to
// volume with an excess pressure, joined by the volume-to-volume chain.
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

namespace {

// Names of one block's parameter components, in reading order.
struct ParameterNames {
    const char* box;
    const char* densityLabel;
    const char* densityEdit;
    const char* temperatureLabel;
    const char* temperatureEdit;
    const char* temperaturePanel;
    const char* pressureCheck;
    const char* pressureEdit;
    const char* pressurePanel;
    const char* rangeLabel;
    const char* groupBox;
    int firstRadio;
    const char* actualLine;
};

// The parameters of a block: density and temperature, the pressure, the
// actual-density line, and the product group at their right. Returns the
// density's label.
QLabel* parameters(QGroupBox* block, const ParameterNames& n, CalculatorBlock& b)
{
    QGroupBox* box = group(block, n.box);
    QLabel* densityLabel = label(box, n.densityLabel);
    b.density = edit(box, n.densityEdit);
    b.temperature = edit(box, n.temperatureEdit);
    b.temperatureUnit = indicator(box, n.temperaturePanel);
    b.pressureOn = checkBox(box, n.pressureCheck);
    b.pressure = pressureEdit(box, n.pressureEdit);
    b.pressureUnit = indicator(box, n.pressurePanel);
    b.actualLine = label(box, n.actualLine);
    auto* rows = new QVBoxLayout;
    rows->addLayout(
        row({densityLabel, b.density, nullptr, label(box, n.temperatureLabel), b.temperature, b.temperatureUnit}));
    rows->addLayout(row({b.pressureOn, b.pressure, b.pressureUnit, label(box, n.rangeLabel), nullptr}));
    rows->addWidget(b.actualLine);
    auto* layout = new QHBoxLayout(box);
    layout->addLayout(rows, 1);
    layout->addWidget(productGroup(box, n.groupBox, n.firstRadio, b.group));
    block->layout()->addWidget(box);
    return densityLabel;
}

}  // namespace

Calculator15Page::Calculator15Page(const BlockRunner& runner) : CalculatorPage("TabSheet5", runner)
{
    QVBoxLayout* layout = column(this);

    CalculatorBlock& m = m_toMass;
    QLabel* massLabel = nullptr;
    QGroupBox* toMass = quantityFrame(
        this, {"GroupBox13", "Label23", "Edit21", "Button9", "Label24", "Edit22", "Panel11"}, m, nullptr, &massLabel);
    parameters(toMass,
               {"GroupBox14", "Label25", "Edit23", "Label26", "Edit24", "Panel9", "CheckBox3", "Edit30", "Panel13",
                "Label34", "GroupBox19", 7, "Label27"},
               m);
    layout->addWidget(toMass);

    layout->addLayout(m_chain.build(this, "SpeedButton4", "CheckBox10"));

    CalculatorBlock& v = m_toVolume;
    QLabel* givenMassLabel = nullptr;
    QGroupBox* toVolume = quantityFrame(
        this, {"GroupBox15", "Label28", "Edit25", "Button10", "Label29", "Edit26", "Panel2"}, v, &givenMassLabel);
    QLabel* givenDensityLabel = parameters(toVolume,
                                           {"GroupBox16", "Label30", "Edit27", "Label31", "Edit28", "Panel10",
                                            "CheckBox4", "Edit31", "Panel14", "Label35", "GroupBox20", 10, "Label32"},
                                           v);
    layout->addWidget(toVolume);

    QToolButton* help = helpButton(this, "SpeedButton7", "calcul15.html");
    layout->addLayout(helpRow(help));
    layout->addStretch();

    m_chain.locked = {m.calculate, v.calculate, m.mass,         v.quantity,
                      v.density,   massLabel,   givenMassLabel, givenDensityLabel};
    addBlocks({&m, &v});
    tabOrder({m.quantity,    m.volumeUnit,      m.density,      m.temperature, m.temperatureUnit,
              m.pressureOn,  m.pressure,        m.pressureUnit, m.group[0],    m.calculate,
              m.mass,        m_chain.button,    m_chain.box,    v.quantity,    v.density,
              v.temperature, v.temperatureUnit, v.pressureOn,   v.pressure,    v.pressureUnit,
              v.group[0],    v.calculate,       v.volume,       v.volumeUnit,  help});
    runOnEnter(m, &m_chain);
    runOnEnter(v, &m_chain);
    connect(m.calculate, &QPushButton::clicked, this, &Calculator15Page::volumeToMass);
    connect(v.calculate, &QPushButton::clicked, this, &Calculator15Page::massToVolume);
    connect(m.pressureOn, &QCheckBox::toggled, this, &Calculator15Page::enablePressureEdits);
    connect(v.pressureOn, &QCheckBox::toggled, this, &Calculator15Page::enablePressureEdits);
    connect(m_chain.box, &QCheckBox::clicked, this, &Calculator15Page::lockChain);
    connect(m_chain.button, &QToolButton::clicked, this, &Calculator15Page::chainVolumes);
}

void Calculator15Page::enablePressureEdits()
{
    m_toMass.pressure->setEnabled(m_toMass.pressureOn->isChecked());
    m_toVolume.pressure->setEnabled(m_toVolume.pressureOn->isChecked());
}

// The mass of the volume at the upper block's temperature, group and
// pressure, then its volume at the lower block's.
void Calculator15Page::chainVolumes()
{
    volumeToMass();
    m_toVolume.quantity->setText(m_toMass.mass->text());
    m_toVolume.density->setText(m_toMass.density->text());
    massToVolume();
}

}  // namespace gui
