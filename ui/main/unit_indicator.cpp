#include "unit_indicator.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include "text/catalogue.h"

namespace gui {

namespace {

// The widest word a panel of the kind shows in either language, so that no
// unit change resizes it.
QString widestUnitWord(density::UnitKind kind)
{
    switch (kind) {
    case density::UnitKind::Temperature:
        return QStringLiteral("°F");
    case density::UnitKind::Volume:
        return QStringLiteral("US Gallons");
    case density::UnitKind::Pressure:
        return QStringLiteral("kg/cm2");
    }
    return {};
}

}  // namespace

UnitIndicator::UnitIndicator(const settings::IndicatorEntry& entry, QWidget* parent)
    : QLabel(parent), m_entry(entry), m_popup(new QMenu(this)), m_units(new QActionGroup(this))
{
    setObjectName(QString::fromLatin1(entry.panel));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setText(QString::fromStdString(text::catalogue().render(density::unitCaption(entry.kind, settings::kDefaultUnit))));
    const QFontMetrics metrics(font());
    setFixedWidth(metrics.horizontalAdvance(widestUnitWord(entry.kind)) + 2 * frameWidth() + 12);

    m_popup->setObjectName(QString::fromLatin1(entry.popup));
    m_units->setExclusive(true);
    int unit = 1;
    for (const char* name : entry.unitItems) {
        QAction* item = m_popup->addAction(QString());
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(unit == settings::kDefaultUnit);
        m_units->addAction(item);
        m_unitItems.push_back(item);
        ++unit;
    }
    m_popup->addSeparator()->setObjectName(QString::fromLatin1(entry.separator));
    m_recalcItem = m_popup->addAction(QString());
    m_recalcItem->setObjectName(QString::fromLatin1(entry.recalcItem));
    m_recalcItem->setCheckable(true);
    m_recalcItem->setChecked(true);
}

void UnitIndicator::bind(QLineEdit* field, QLabel* rangeLabel)
{
    m_field = field;
    m_rangeLabel = rangeLabel;
    showUnit(currentUnit());
}

int UnitIndicator::currentUnit() const
{
    int unit = m_entry.kind == density::UnitKind::Pressure ? 1 : 2;
    for (std::size_t i = 0; i < m_unitItems.size(); ++i)
        if (m_unitItems[i]->isChecked())
            unit = static_cast<int>(i) + 1;
    return unit;
}

bool UnitIndicator::recalculates() const
{
    return m_recalcItem->isChecked();
}

void UnitIndicator::selectUnit(int target, density::MessageSink& sink)
{
    changeUnit(m_markedUnit, target, false, sink);
}

void UnitIndicator::cycleUnit(density::MessageSink& sink)
{
    const int current = currentUnit();
    changeUnit(current, density::nextUnit(m_entry.kind, current), true, sink);
}

void UnitIndicator::answerDoubleClick(density::MessageSink& sink)
{
    switch (m_entry.doubleClick) {
    case settings::DoubleClick::NextUnit:
        cycleUnit(sink);
        break;
    case settings::DoubleClick::CelsiusOrFahrenheit:
        selectUnit(m_unitItems[1]->isChecked() ? 1 : 2, sink);
        break;
    }
}

void UnitIndicator::changeUnit(int from, int to, bool cycle, density::MessageSink& sink)
{
    showUnit(to);
    if (m_field) {
        const std::string text = m_field->text().toStdString();
        const std::string converted =
            density::recalcOnUnitChange(m_entry.kind, text, from, to, recalculates(), cycle, sink);
        if (converted != text)
            m_field->setText(QString::fromStdString(converted));
    }
    markUnit(to);
}

void UnitIndicator::restoreCaption()
{
    for (std::size_t i = 0; i < m_unitItems.size(); ++i)
        if (m_unitItems[i]->isChecked())
            showUnit(static_cast<int>(i) + 1);
    m_markedUnit = currentUnit();
}

void UnitIndicator::showUnit(int unit)
{
    setText(QString::fromStdString(text::catalogue().render(density::unitCaption(m_entry.kind, unit))));
    if (m_rangeLabel)
        m_rangeLabel->setText(
            QString::fromStdString(density::pressureRangeText(static_cast<density::PressureUnit>(unit))));
}

void UnitIndicator::markUnit(int unit)
{
    for (std::size_t i = 0; i < m_unitItems.size(); ++i)
        m_unitItems[i]->setChecked(static_cast<int>(i) + 1 == unit);
    m_markedUnit = unit;
}

void UnitIndicator::contextMenuEvent(QContextMenuEvent* event)
{
    m_popup->popup(event->globalPos());
    event->accept();
}

void UnitIndicator::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    event->accept();
}

}  // namespace gui
