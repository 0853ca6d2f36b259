// "Калькулятор по ГОСТ 3900-85 (20°C)": volume to mass and mass to volume,
// joined by the volume-to-volume chain.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "form_builder.h"
#include "pages.h"

namespace gui {

using namespace build;

void addCalculator20Page(QTabWidget* pages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    QVBoxLayout* layout = column(page);

    QGroupBox* toMass = group(page, "GroupBox5", "Объем в массу");
    QGroupBox* massParameters = group(toMass, "GroupBox6", "Параметры");
    QVBoxLayout* massParametersLayout = column(massParameters);
    massParametersLayout->addLayout(row({label(massParameters, "Label9", "Плотность при 20°C (кг/м3)"),
                                         edit(massParameters, "Edit9"), nullptr,
                                         label(massParameters, "Label10", "Температура в танке"),
                                         edit(massParameters, "Edit10"), indicator(massParameters, "Panel5")}));
    massParametersLayout->addWidget(label(massParameters, "Label11", "Плотность фактическая (кг/м3) :"));
    QVBoxLayout* toMassLayout = column(toMass);
    toMassLayout->addLayout(row({label(toMass, "Label7", "Объем"), edit(toMass, "Edit7"), indicator(toMass, "Panel1"),
                                 nullptr, button(toMass, "Button5", "Вычислить -->>"), nullptr,
                                 label(toMass, "Label8", "Масса (т)"), edit(toMass, "Edit8")}));
    toMassLayout->addWidget(massParameters);
    layout->addWidget(toMass);

    layout->addLayout(chainRow(chainButton(page, "SpeedButton3"), checkBox(page, "CheckBox9", "Объем в объем")));

    QGroupBox* toVolume = group(page, "GroupBox7", "Массу в объем");
    QGroupBox* volumeParameters = group(toVolume, "GroupBox8", "Параметры");
    QVBoxLayout* volumeParametersLayout = column(volumeParameters);
    volumeParametersLayout->addLayout(row({label(volumeParameters, "Label14", "Плотность при 20°C (кг/м3)"),
                                           edit(volumeParameters, "Edit13"), nullptr,
                                           label(volumeParameters, "Label15", "Температура в танке"),
                                           edit(volumeParameters, "Edit14"), indicator(volumeParameters, "Panel6")}));
    volumeParametersLayout->addWidget(label(volumeParameters, "Label16", "Плотность фактическая (кг/м3) :"));
    QVBoxLayout* toVolumeLayout = column(toVolume);
    toVolumeLayout->addLayout(row({label(toVolume, "Label12", "Масса (т)"), edit(toVolume, "Edit11"), nullptr,
                                   button(toVolume, "Button6", "Вычислить -->>"), nullptr,
                                   label(toVolume, "Label13", "Объем"), edit(toVolume, "Edit12"),
                                   indicator(toVolume, "Panel15")}));
    toVolumeLayout->addWidget(volumeParameters);
    layout->addWidget(toVolume);

    layout->addStretch();
    layout->addLayout(helpRow(helpButton(page, "SpeedButton6")));

    pages->addTab(page, QStringLiteral("Калькулятор по ГОСТ 3900-85 (20°C)"));
}

}  // namespace gui
