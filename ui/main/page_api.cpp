// "Приведение к плотности API (60°F)": density to API gravity and back through
// either standard, on sub-pages, and the note on the method.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "form_builder.h"
#include "pages.h"
#include "unit_indicator.h"

namespace gui {

using namespace build;

namespace {

struct FrameNames {
    const char* frame;
    const char* inputs;
    const char* firstLabel;
    const char* firstEdit;
    const char* temperatureLabel;
    const char* temperatureEdit;
    const char* panel;
    const char* glass;  // nullptr on the GOST 3900-85 sub-page
    const char* groupBox;
    int firstRadio;
    const char* results;
    const char* standardLabel;
    const char* standardEdit;
    const char* finalLabel;
    const char* finalEdit;
    const char* button;
};

// A calculator frame: its input group (with the glass option and the group of
// the 15 °C standard at its right), then the results with the button.
QGroupBox* frame(QWidget* page, const FrameNames& n, CalculatorBlock& b, QLineEdit*& standardResult,
                 QLineEdit*& finalResult)
{
    QGroupBox* box = group(page, n.frame);
    QGroupBox* inputs =
        readingGroup(box, {n.inputs, n.firstLabel, n.firstEdit, n.temperatureLabel, n.temperatureEdit, n.panel}, b);
    QGroupBox* results = group(box, n.results);
    standardResult = edit(results, n.standardEdit);
    finalResult = edit(results, n.finalEdit);
    results->setLayout(
        row({label(results, n.standardLabel), standardResult, nullptr, label(results, n.finalLabel), finalResult}));
    b.calculate = button(box, n.button);

    auto* inputColumn = new QVBoxLayout;
    inputColumn->addWidget(inputs);
    if (n.glass) {
        b.glass = checkBox(box, n.glass);
        inputColumn->addWidget(b.glass);
    }
    auto* inputRow = new QHBoxLayout;
    inputRow->addLayout(inputColumn, 1);
    if (n.glass)
        inputRow->addWidget(productGroup(box, n.groupBox, n.firstRadio, b.group));
    QHBoxLayout* resultRow = row({results, b.calculate});
    resultRow->setAlignment(b.calculate, Qt::AlignBottom);
    QVBoxLayout* layout = column(box);
    layout->addLayout(inputRow);
    layout->addLayout(resultRow);
    return box;
}

// The four frames: density to API and back, through GOST 3900-85, then
// through GOST R 50.2.076-2010.
// clang-format off
const FrameNames kFrames[4] = {
    {"GroupBox21", "GroupBox22", "Label37", "Edit32",
     "Label38", "Edit33", "Panel16", nullptr, nullptr, 0, "GroupBox32", "Label49", "Edit45",
     "Label36", "Edit34", "Button1"},
    {"GroupBox23", "GroupBox24", "Label40", 
     "Edit35", "Label41", "Edit36", "Panel17", nullptr, nullptr, 0, "GroupBox31", "Label50", 
     "Edit44", "Label39", "Edit37", "Button2"},
    {"GroupBox25", "GroupBox26", "Label43", "Edit38",
     "Label44", "Edit39", "Panel18", "CheckBox11", "GroupBox27", 13, "GroupBox33", "Label51", 
     "Edit46", "Label42", "Edit40", "Button11"},
    {"GroupBox28", "GroupBox29", "Label47", 
     "Edit41", "Label48", "Edit42", "Panel19", "CheckBox12", "GroupBox30", 16, "GroupBox34", "Label52",
     "Edit47", "Label45", "Edit43", "Button12"},
};
// clang-format on

}  // namespace

ApiPage::ApiPage(const BlockRunner& runner) : CalculatorPage("TabSheet2", runner)
{
    m_subPages = new QTabWidget(this);
    m_subPages->setObjectName(QStringLiteral("PageControl2"));
    m_subPages->addTab(subPage("TabSheet6", "SpeedButton9", m_toApi20, m_fromApi20, false), QString());
    m_subPages->addTab(subPage("TabSheet7", "SpeedButton10", m_toApi15, m_fromApi15, true), QString());

    auto* notePage = new QWidget;
    notePage->setObjectName(QStringLiteral("TabSheet8"));
    auto* note = new QPlainTextEdit(notePage);
    note->setObjectName(QStringLiteral("Memo2"));
    note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column(notePage)->addWidget(note);
    m_subPages->addTab(notePage, QString());
    m_subPages->setCurrentIndex(0);
    column(this)->addWidget(m_subPages);

    const auto onClick = [this](const CalculatorBlock& b, void (ApiPage::*handler)()) {
        connect(b.calculate, &QPushButton::clicked, this, handler);
    };
    onClick(m_toApi20, &ApiPage::densityToApi20);
    onClick(m_fromApi20, &ApiPage::apiToDensity20);
    onClick(m_toApi15, &ApiPage::densityToApi15);
    onClick(m_fromApi15, &ApiPage::apiToDensity15);
}

// A sub-page of one standard: density to API above, API to density below.
QWidget* ApiPage::subPage(const char* name, const char* help, CalculatorBlock& to, CalculatorBlock& from, bool r50)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    QVBoxLayout* layout = column(page);
    const FrameNames* names = &kFrames[r50 ? 2 : 0];
    layout->addWidget(frame(page, names[0], to, r50 ? to.density15 : to.density20, to.api));
    layout->addWidget(frame(page, names[1], from, r50 ? from.density15 : from.density20, from.actualDensity));
    QToolButton* helpOfPage = helpButton(page, help, "api.html");
    layout->addLayout(helpRow(helpOfPage));
    layout->addStretch();
    QLineEdit* toStandard = r50 ? to.density15 : to.density20;
    QLineEdit* fromStandard = r50 ? from.density15 : from.density20;
    // the glass option and the group are missing on the GOST 3900-85 sub-page
    addBlocks({&to, &from});
    tabOrder({to.density, to.temperature, to.temperatureUnit, to.glass, to.group[0], to.calculate, toStandard, to.api,
              from.density, from.temperature, from.temperatureUnit, from.glass, from.group[0], from.calculate,
              fromStandard, from.actualDensity, helpOfPage});
    runOnEnter(to);
    runOnEnter(from);
    return page;
}

}  // namespace gui
