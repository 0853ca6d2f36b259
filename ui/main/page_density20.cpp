// "Плотность по ГОСТ 3900-85 (20°C)": reduction to 20 °C and the actual
// density, joined by the density-to-density chain; the hidden table.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "form_builder.h"
#include "pages.h"

namespace gui {

using namespace build;

void addDensity20Page(QTabWidget* pages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    QVBoxLayout* layout = column(page);

    QGroupBox* reduction = group(page, "GroupBox1", "Приведение к плотности при 20°C");
    QGroupBox* reading = group(reduction, "GroupBox3", "Замер по ареометру");
    reading->setLayout(row({label(reading, "Label1", "Плотность (кг/м3)"), edit(reading, "Edit1"), nullptr,
                            label(reading, "Label2", "Температура"), edit(reading, "Edit2"),
                            indicator(reading, "Panel3")}));
    QVBoxLayout* reductionLayout = column(reduction);
    reductionLayout->addWidget(reading);
    reductionLayout->addLayout(row({label(reduction, "Label3", "Плотность при 20°C (кг/м3)"),
                                    edit(reduction, "Edit3"), nullptr, button(reduction, "Button3", "Вычислить")}));
    layout->addWidget(reduction);

    layout->addLayout(chainRow(chainButton(page, "SpeedButton1"), checkBox(page, "CheckBox7", "Плотность в плотность")));

    QGroupBox* actual = group(page, "GroupBox2", "Расчет фактической плотности");
    QGroupBox* parameters = group(actual, "GroupBox4", "Параметры");
    parameters->setLayout(row({label(parameters, "Label4", "Плотность при 20°C (кг/м3)"), edit(parameters, "Edit4"),
                               nullptr, label(parameters, "Label5", "Температура"), edit(parameters, "Edit5"),
                               indicator(parameters, "Panel4")}));
    QVBoxLayout* actualLayout = column(actual);
    actualLayout->addWidget(parameters);
    actualLayout->addLayout(row({label(actual, "Label6", "Плотность фактическая (кг/м3)"), edit(actual, "Edit6"),
                                 nullptr, button(actual, "Button4", "Вычислить")}));
    layout->addWidget(actual);

    layout->addStretch();
    layout->addLayout(helpRow(helpButton(page, "SpeedButton5")));

    // the reduction table, one file line per line; never shown
    auto* table = new QPlainTextEdit(page);
    table->setObjectName(QStringLiteral("Memo1"));
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    table->hide();

    pages->addTab(page, QStringLiteral("Плотность по ГОСТ 3900-85 (20°C)"));
}

}  // namespace gui
