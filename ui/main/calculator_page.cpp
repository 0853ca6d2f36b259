#include "calculator_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "form_builder.h"
#include "shell/message_box.h"
#include "unit_indicator.h"

namespace gui {

QHBoxLayout* Chain::build(QWidget* page, const char* buttonName, const char* boxName)
{
    button = build::chainButton(page, buttonName);
    box = build::checkBox(page, boxName);
    return build::chainRow(button, box);
}

void Chain::update() const
{
    const bool chained = box->isChecked();
    button->setEnabled(chained);
    button->setToolTip(shell::catalogueEntry(chained ? text::WindowKey::HintClickToCalculate
                                                     : text::WindowKey::HintUnlockWithCheckbox));
    for (QWidget* w : locked)
        w->setEnabled(!chained);
}

QGroupBox* readingGroup(QWidget* parent, const ReadingNames& n, CalculatorBlock& b, QLabel** densityLabel)
{
    QGroupBox* box = build::group(parent, n.box);
    QLabel* label = build::label(box, n.densityLabel);
    b.density = build::edit(box, n.density);
    b.temperature = build::edit(box, n.temperature);
    b.temperatureUnit = build::indicator(box, n.panel);
    build::column(box)->addLayout(build::row(
        {label, b.density, nullptr, build::label(box, n.temperatureLabel), b.temperature, b.temperatureUnit}));
    if (densityLabel)
        *densityLabel = label;
    return box;
}

QGroupBox* quantityFrame(QWidget* parent, const QuantityNames& n, CalculatorBlock& b, QLabel** quantityLabel,
                         QLabel** resultLabel)
{
    const bool toMass = b.course == calc::Course::Mass20 || b.course == calc::Course::Mass15;
    QGroupBox* box = build::group(parent, n.box);
    QLabel* given = build::label(box, n.quantityLabel);
    b.quantity = build::edit(box, n.quantity);
    b.calculate = build::button(box, n.button);
    QLabel* result = build::label(box, n.resultLabel);
    QLineEdit* resultEdit = build::edit(box, n.result);
    (toMass ? b.mass : b.volume) = resultEdit;
    b.volumeUnit = build::indicator(box, n.panel);
    build::column(box)->addLayout(
        toMass ? build::row({given, b.quantity, b.volumeUnit, nullptr, b.calculate, nullptr, result, resultEdit})
               : build::row({given, b.quantity, nullptr, b.calculate, nullptr, result, resultEdit, b.volumeUnit}));
    if (quantityLabel)
        *quantityLabel = given;
    if (resultLabel)
        *resultLabel = result;
    return box;
}

CalculatorPage::CalculatorPage(const char* objectName, const BlockRunner& runner) : m_runner(runner)
{
    setObjectName(QString::fromLatin1(objectName));
}

void CalculatorPage::runOnEnter(const CalculatorBlock& block, const Chain* chain)
{
    const auto press = [&block, chain] {
        if (block.calculate->isEnabled())
            block.calculate->click();
        else if (chain && chain->button->isEnabled())
            chain->button->click();
    };
    for (QLineEdit* field : {block.quantity, block.density, block.temperature, block.pressure, block.density20,
                             block.density15, block.api, block.actualDensity, block.mass, block.volume})
        if (field)
            connect(field, &QLineEdit::returnPressed, this, press);
}

QWidget* CalculatorPage::boxOf(const CalculatorBlock& block)
{
    return block.calculate->parentWidget();
}

void CalculatorPage::addBlocks(std::initializer_list<const CalculatorBlock*> blocks)
{
    for (const CalculatorBlock* block : blocks) {
        m_blocks.push_back(block);
        QWidget* box = boxOf(*block);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, block, box](const QPoint& at) { emit blockMenuRequested(block, box->mapToGlobal(at)); });
    }
}

QToolButton* CalculatorPage::helpButton(QWidget* parent, const char* name, const char* pageFile)
{
    QToolButton* button = build::helpButton(parent, name);
    const QString page = QString::fromLatin1(pageFile);
    m_helpPage = page;
    connect(button, &QToolButton::clicked, this, [this, page] { emit helpRequested(page); });
    return button;
}

}  // namespace gui
