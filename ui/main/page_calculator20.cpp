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
#include "unit_indicator.h"

namespace gui {

using namespace build;

Calculator20Page::Calculator20Page(const BlockRunner& runner) : CalculatorPage("TabSheet3", runner)
{
    QVBoxLayout* layout = column(this);

    CalculatorBlock& m = m_toMass;
    QGroupBox* toMass = group(this, "GroupBox5", "Объем в массу");
    m.quantity = edit(toMass, "Edit7");
    m.volumeUnit = indicator(toMass, "Panel1");
    m.calculate = button(toMass, "Button5", "Вычислить -->>");
    QLabel* massLabel = label(toMass, "Label8", "Масса (т)");
    m.mass = edit(toMass, "Edit8");
    QGroupBox* massParameters = group(toMass, "GroupBox6", "Параметры");
    QLabel* givenLabel = label(massParameters, "Label9", "Плотность при 20°C (кг/м3)");
    m.density = edit(massParameters, "Edit9");
    m.temperature = edit(massParameters, "Edit10");
    m.temperatureUnit = indicator(massParameters, "Panel5");
    m.actualLine = label(massParameters, "Label11", "Плотность фактическая (кг/м3) :");
    QVBoxLayout* massParametersLayout = column(massParameters);
    massParametersLayout->addLayout(
        row({givenLabel, m.density, nullptr, label(massParameters, "Label10", "Температура в танке"), m.temperature,
             m.temperatureUnit}));
    massParametersLayout->addWidget(m.actualLine);
    QVBoxLayout* toMassLayout = column(toMass);
    toMassLayout->addLayout(row({label(toMass, "Label7", "Объем"), m.quantity, m.volumeUnit, nullptr, m.calculate,
                                 nullptr, massLabel, m.mass}));
    toMassLayout->addWidget(massParameters);
    layout->addWidget(toMass);

    m_chain.button = chainButton(this, "SpeedButton3");
    m_chain.box = checkBox(this, "CheckBox9", "Объем в объем");
    layout->addLayout(chainRow(m_chain.button, m_chain.box));

    CalculatorBlock& v = m_toVolume;
    QGroupBox* toVolume = group(this, "GroupBox7", "Массу в объем");
    QLabel* givenMassLabel = label(toVolume, "Label12", "Масса (т)");
    v.quantity = edit(toVolume, "Edit11");
    v.calculate = button(toVolume, "Button6", "Вычислить -->>");
    v.volume = edit(toVolume, "Edit12");
    v.volumeUnit = indicator(toVolume, "Panel15");
    QGroupBox* volumeParameters = group(toVolume, "GroupBox8", "Параметры");
    QLabel* givenDensityLabel = label(volumeParameters, "Label14", "Плотность при 20°C (кг/м3)");
    v.density = edit(volumeParameters, "Edit13");
    v.temperature = edit(volumeParameters, "Edit14");
    v.temperatureUnit = indicator(volumeParameters, "Panel6");
    v.actualLine = label(volumeParameters, "Label16", "Плотность фактическая (кг/м3) :");
    QVBoxLayout* volumeParametersLayout = column(volumeParameters);
    volumeParametersLayout->addLayout(
        row({givenDensityLabel, v.density, nullptr, label(volumeParameters, "Label15", "Температура в танке"),
             v.temperature, v.temperatureUnit}));
    volumeParametersLayout->addWidget(v.actualLine);
    QVBoxLayout* toVolumeLayout = column(toVolume);
    toVolumeLayout->addLayout(row({givenMassLabel, v.quantity, nullptr, v.calculate, nullptr,
                                   label(toVolume, "Label13", "Объем"), v.volume, v.volumeUnit}));
    toVolumeLayout->addWidget(volumeParameters);
    layout->addWidget(toVolume);

    layout->addLayout(helpRow(helpButton(this, "SpeedButton6", "calcul20.html")));
    layout->addStretch();

    m_chain.locked = {m.calculate, v.calculate, m.mass,         v.quantity,
                      v.density,   massLabel,   givenMassLabel, givenDensityLabel};
    tabOrder({m.quantity, m.density, m.temperature, m.calculate, m.mass, m_chain.box, v.quantity, v.density,
              v.temperature, v.calculate, v.volume});
    connect(m.calculate, &QPushButton::clicked, this, &Calculator20Page::volumeToMass);
    connect(v.calculate, &QPushButton::clicked, this, &Calculator20Page::massToVolume);
    connect(m_chain.box, &QCheckBox::clicked, this, [this] { m_chain.update(); });
    connect(m_chain.button, &QToolButton::clicked, this, &Calculator20Page::chainVolumes);
}

// The mass of the volume at one tank temperature, then its volume at the
// other; the error word stops the chain.
void Calculator20Page::chainVolumes()
{
    volumeToMass();
    m_toVolume.density->setText(m_toMass.density->text());
    m_toVolume.quantity->setText(m_toMass.mass->text());
    if (m_toMass.mass->text() != QString::fromStdString(shell::catalogue().text(density::MsgKey::MsgCaptionError)))
        massToVolume();
}

}  // namespace gui
