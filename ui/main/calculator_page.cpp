#include "calculator_page.h"

#include <QCheckBox>
#include <QToolButton>

#include "app/catalogue.h"
#include "form_builder.h"

namespace gui {

void Chain::update() const
{
    const bool chained = box->isChecked();
    button->setEnabled(chained);
    button->setToolTip(QString::fromStdString(shell::catalogue().text(
        chained ? density::MsgKey::HintClickToCalculate : density::MsgKey::HintUnlockWithCheckbox)));
    for (QWidget* w : locked)
        w->setEnabled(!chained);
}

CalculatorPage::CalculatorPage(const char* objectName, const BlockRunner& runner) : m_runner(runner)
{
    setObjectName(QString::fromLatin1(objectName));
}

QToolButton* CalculatorPage::helpButton(QWidget* parent, const char* name, const char* pageFile)
{
    QToolButton* button = build::helpButton(parent, name);
    const QString page = QString::fromLatin1(pageFile);
    connect(button, &QToolButton::clicked, this, [this, page] { emit helpRequested(page); });
    return button;
}

}  // namespace gui
