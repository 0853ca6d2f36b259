// "Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)": volume to mass and mass to
// volume with an excess pressure, joined by the volume-to-volume chain.
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

namespace {

// Names of one calculator's parameter components, in reading order.
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

QGroupBox* parameterBox(QWidget* parent, const ParameterNames& n)
{
    QGroupBox* box = group(parent, n.box, "Параметры");
    QVBoxLayout* layout = column(box);
    layout->addLayout(row({label(box, n.densityLabel, "Плотность при 15°C (кг/м3)"), edit(box, n.densityEdit), nullptr,
                           label(box, n.temperatureLabel, "Температура в танке"), edit(box, n.temperatureEdit),
                           indicator(box, n.temperaturePanel)}));
    layout->addLayout(row({checkBox(box, n.pressureCheck, "Учитывать избыточное давление"), pressureEdit(box, n.pressureEdit),
                           indicator(box, n.pressurePanel), label(box, n.rangeLabel, "(0 .... 10,34)"), nullptr}));
    layout->addWidget(productGroup(box, n.groupBox, n.firstRadio));
    layout->addWidget(label(box, n.actualLine, "Плотность фактическая (кг/м3) :"));
    return box;
}

}  // namespace

void addCalculator15Page(QTabWidget* pages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    QVBoxLayout* layout = column(page);

    QGroupBox* toMass = group(page, "GroupBox13", "Объем в массу");
    QVBoxLayout* toMassLayout = column(toMass);
    toMassLayout->addLayout(row({label(toMass, "Label23", "Объем"), edit(toMass, "Edit21"),
                                 indicator(toMass, "Panel11"), nullptr, button(toMass, "Button9", "Вычислить -->>"),
                                 nullptr, label(toMass, "Label24", "Масса (т)"), edit(toMass, "Edit22")}));
    toMassLayout->addWidget(parameterBox(toMass, {"GroupBox14", "Label25", "Edit23", "Label26", "Edit24", "Panel9",
                                                  "CheckBox3", "Edit30", "Panel13", "Label34", "GroupBox19", 7,
                                                  "Label27"}));
    layout->addWidget(toMass);

    layout->addLayout(chainRow(chainButton(page, "SpeedButton4"), checkBox(page, "CheckBox10", "Объем в объем")));

    QGroupBox* toVolume = group(page, "GroupBox15", "Массу в объем");
    QVBoxLayout* toVolumeLayout = column(toVolume);
    toVolumeLayout->addLayout(row({label(toVolume, "Label28", "Масса (т)"), edit(toVolume, "Edit25"), nullptr,
                                   button(toVolume, "Button10", "Вычислить -->>"), nullptr,
                                   label(toVolume, "Label29", "Объем"), edit(toVolume, "Edit26"),
                                   indicator(toVolume, "Panel2")}));
    toVolumeLayout->addWidget(parameterBox(toVolume, {"GroupBox16", "Label30", "Edit27", "Label31", "Edit28",
                                                      "Panel10", "CheckBox4", "Edit31", "Panel14", "Label35",
                                                      "GroupBox20", 10, "Label32"}));
    layout->addWidget(toVolume);

    layout->addStretch();
    layout->addLayout(helpRow(helpButton(page, "SpeedButton7")));

    pages->addTab(page, QStringLiteral("Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)"));
}

}  // namespace gui
