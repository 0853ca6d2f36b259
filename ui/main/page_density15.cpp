// "Плотность по ГОСТ Р 50.2.076-2010 (15°C)": reduction to 15 °C and the
// actual density at a temperature and an excess pressure, joined by the
// density-to-density chain.
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

void addDensity15Page(QTabWidget* pages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    QVBoxLayout* layout = column(page);

    QGroupBox* reduction = group(page, "GroupBox9", "Приведение к плотности при 15°C");
    QVBoxLayout* reductionLayout = column(reduction);
    reductionLayout->addWidget(groupRow(reduction, "GroupBox10", "Замер по ареометру",
                                        {label(reduction, "Label18", "Плотность (кг/м3)"), edit(reduction, "Edit15"),
                                         nullptr, label(reduction, "Label19", "Температура"),
                                         edit(reduction, "Edit16"), indicator(reduction, "Panel7")}));
    reductionLayout->addWidget(
        checkBox(reduction, "CheckBox1", "Учитывать температурное расширение стекла ареометра"));
    reductionLayout->addWidget(productGroup(reduction, "GroupBox17", 1));
    reductionLayout->addLayout(row({label(reduction, "Label17", "Плотность при 15°C (кг/м3)"),
                                    edit(reduction, "Edit17"), nullptr, button(reduction, "Button7", "Вычислить")}));
    layout->addWidget(reduction);

    layout->addLayout(chainRow(chainButton(page, "SpeedButton2"), checkBox(page, "CheckBox8", "Плотность в плотность")));

    QGroupBox* actual = group(page, "GroupBox11", "Расчет фактической плотности");
    QGroupBox* parameters = group(actual, "GroupBox12", "Параметры");
    QVBoxLayout* parametersLayout = column(parameters);
    parametersLayout->addLayout(row({label(parameters, "Label21", "Плотность при 15°C (кг/м3)"),
                                     edit(parameters, "Edit18"), nullptr, label(parameters, "Label22", "Температура"),
                                     edit(parameters, "Edit19"), indicator(parameters, "Panel8")}));
    parametersLayout->addLayout(row({checkBox(parameters, "CheckBox2", "Учитывать избыточное давление"),
                                     pressureEdit(parameters, "Edit29"), indicator(parameters, "Panel12"),
                                     label(parameters, "Label33", "(0 .... 10,34)"), nullptr}));
    QVBoxLayout* actualLayout = column(actual);
    actualLayout->addWidget(parameters);
    actualLayout->addWidget(productGroup(actual, "GroupBox18", 4));
    actualLayout->addLayout(row({label(actual, "Label20", "Плотность фактическая (кг/м3) :"), edit(actual, "Edit20"),
                                 nullptr, button(actual, "Button8", "Вычислить")}));
    layout->addWidget(actual);

    layout->addStretch();
    layout->addLayout(helpRow(helpButton(page, "SpeedButton8")));

    pages->addTab(page, QStringLiteral("Плотность по ГОСТ Р 50.2.076-2010 (15°C)"));
}

}  // namespace gui
