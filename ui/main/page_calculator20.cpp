// "Калькулятор по ГОСТ 3900-85 (20°C)": volume to mass and mass to volume,
// joined by the volume-to-volume chain.
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
#include "shell/message_box.h"
#include "unit_indicator.h"

namespace gui {

using namespace build;

Calculator20Page::Calculator20Page(const BlockRunner& runner) : CalculatorPage("TabSheet3", runner)
{
    QVBoxLayout* layout = column(this);

    CalculatorBlock& m = m_toMass;
    QLabel* massLabel = nullptr;
    QGroupBox* toMass = quantityFrame(this, {"GroupBox5", "Label7", "Edit7", "Button5", "Label8", "Edit8", "Panel1"}, m,
                                      nullptr, &massLabel);
    QGroupBox* massParameters =
        readingGroup(toMass, {"GroupBox6", "Label9", "Edit9", "Label10", "Edit10", "Panel5"}, m);
    m.actualLine = label(massParameters, "Label11");
    massParameters->layout()->addWidget(m.actualLine);
    toMass->layout()->addWidget(massParameters);
    layout->addWidget(toMass);

    layout->addLayout(m_chain.build(this, "SpeedButton3", "CheckBox9"));

    CalculatorBlock& v = m_toVolume;
    QLabel* givenMassLabel = nullptr;
    QGroupBox* toVolume = quantityFrame(
        this, {"GroupBox7", "Label12", "Edit11", "Button6", "Label13", "Edit12", "Panel15"}, v, &givenMassLabel);
    QLabel* givenDensityLabel = nullptr;
    QGroupBox* volumeParameters = readingGroup(
        toVolume, {"GroupBox8", "Label14", "Edit13", "Label15", "Edit14", "Panel6"}, v, &givenDensityLabel);
    v.actualLine = label(volumeParameters, "Label16");
    volumeParameters->layout()->addWidget(v.actualLine);
    toVolume->layout()->addWidget(volumeParameters);
    layout->addWidget(toVolume);

    QToolButton* help = helpButton(this, "SpeedButton6", "calcul20.html");
    layout->addLayout(helpRow(help));
    layout->addStretch();

    m_chain.locked = {m.calculate, v.calculate, m.mass,         v.quantity,
                      v.density,   massLabel,   givenMassLabel, givenDensityLabel};
    addBlocks({&m, &v});
    tabOrder({m.quantity, m.volumeUnit, m.density, m.temperature, m.temperatureUnit, m.calculate, m.mass,
              m_chain.button, m_chain.box, v.quantity, v.density, v.temperature, v.temperatureUnit, v.calculate,
              v.volume, v.volumeUnit, help});
    runOnEnter(m, &m_chain);
    runOnEnter(v, &m_chain);
    connect(m.calculate, &QPushButton::clicked, this, &Calculator20Page::volumeToMass);
    connect(v.calculate, &QPushButton::clicked, this, &Calculator20Page::massToVolume);
    connect(m_chain.box, &QCheckBox::clicked, this, &Calculator20Page::lockChain);
    connect(m_chain.button, &QToolButton::clicked, this, &Calculator20Page::chainVolumes);
}

// The mass of the volume at one tank temperature, then its volume at the
// other; the error word stops the chain.
void Calculator20Page::chainVolumes()
{
    volumeToMass();
    m_toVolume.density->setText(m_toMass.density->text());
    m_toVolume.quantity->setText(m_toMass.mass->text());
    if (m_toMass.mass->text() != shell::catalogueEntry(density::MsgKey::MsgCaptionError))
        massToVolume();
}

}  // namespace gui
