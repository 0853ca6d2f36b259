// "Плотность по ГОСТ 3900-85 (20°C)": reduction to 20 °C and the actual
// density, joined by the density-to-density chain; the hidden table.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

Density20Page::Density20Page(const BlockRunner& runner) : CalculatorPage("TabSheet1", runner)
{
    QVBoxLayout* layout = column(this);

    CalculatorBlock& r = m_reduction;
    QGroupBox* reduction = group(this, "GroupBox1");
    QGroupBox* reading = readingGroup(reduction, {"GroupBox3", "Label1", "Edit1", "Label2", "Edit2", "Panel3"}, r);
    QLabel* resultLabel = label(reduction, "Label3");
    r.density20 = edit(reduction, "Edit3");
    r.calculate = button(reduction, "Button3");
    QVBoxLayout* reductionLayout = column(reduction);
    reductionLayout->addWidget(reading);
    reductionLayout->addLayout(row({resultLabel, r.density20, nullptr, r.calculate}));
    layout->addWidget(reduction);

    layout->addLayout(m_chain.build(this, "SpeedButton1", "CheckBox7"));

    CalculatorBlock& a = m_actual;
    QGroupBox* actual = group(this, "GroupBox2");
    QLabel* givenLabel = nullptr;
    QGroupBox* parameters =
        readingGroup(actual, {"GroupBox4", "Label4", "Edit4", "Label5", "Edit5", "Panel4"}, a, &givenLabel);
    a.actualDensity = edit(actual, "Edit6");
    a.calculate = button(actual, "Button4");
    QVBoxLayout* actualLayout = column(actual);
    actualLayout->addWidget(parameters);
    actualLayout->addLayout(row({label(actual, "Label6"), a.actualDensity, nullptr, a.calculate}));
    layout->addWidget(actual);

    QToolButton* help = helpButton(this, "SpeedButton5", "density20.html");
    layout->addLayout(helpRow(help));
    layout->addStretch();

    // the reduction table, one file line per line; never shown
    m_tableText = new QPlainTextEdit(this);
    m_tableText->setObjectName(QStringLiteral("Memo1"));
    m_tableText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tableText->hide();

    m_chain.locked = {r.calculate, a.calculate, r.density20, a.density, resultLabel, givenLabel};
    addBlocks({&r, &a});
    tabOrder({r.density, r.temperature, r.temperatureUnit, r.calculate, r.density20, m_chain.button, m_chain.box,
              a.density, a.temperature, a.temperatureUnit, a.calculate, a.actualDensity, help});
    runOnEnter(r, &m_chain);
    runOnEnter(a, &m_chain);
    connect(r.calculate, &QPushButton::clicked, this, &Density20Page::reduceTo20);
    connect(a.calculate, &QPushButton::clicked, this, &Density20Page::actualDensity);
    connect(m_chain.box, &QCheckBox::clicked, this, &Density20Page::lockChain);
    connect(m_chain.button, &QToolButton::clicked, this, &Density20Page::chainDensities);
}

// The reading reduced to 20 °C, then carried to the temperature of the lower
// calculator; the error word stops the chain.
void Density20Page::chainDensities()
{
    reduceTo20();
    m_actual.density->setText(m_reduction.density20->text());
    if (m_actual.density->text() != shell::catalogueEntry(density::MsgKey::MsgCaptionError))
        actualDensity();
}

}  // namespace gui
