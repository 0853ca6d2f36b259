#pragma once

#include <QLabel>
#include <QString>
#include <vector>

#include "settings/indicator_table.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;

namespace gui {

// The small sunken panel beside a temperature, volume or pressure field that
// shows the field's unit word. A right click opens its pop-up menu: one radio
// item per unit, a separator, and the recalculate item.
class UnitIndicator : public QLabel {
    Q_OBJECT
public:
    UnitIndicator(const settings::IndicatorEntry& entry, QWidget* parent);

    const settings::IndicatorEntry& entry() const { return m_entry; }
    density::UnitKind kind() const { return m_entry.kind; }
    QMenu* popup() const { return m_popup; }
    // The unit items in menu order: item i has unit code i + 1.
    const std::vector<QAction*>& unitItems() const { return m_unitItems; }
    QAction* recalcItem() const { return m_recalcItem; }

    // The field and the range label, looked up by name once every page exists.
    void bind(QLineEdit* field, QLabel* rangeLabel);
    QLineEdit* field() const { return m_field; }
    QLabel* rangeLabel() const { return m_rangeLabel; }

    // The unit of the field: the last checked unit item in menu order, or,
    // when none is checked, °F, US gallons or MPa.
    int currentUnit() const;
    bool recalculates() const;

    // A unit item chosen: caption, range label, the field's number converted
    // when the recalculate mark is on, then the marks. A failed conversion
    // (its message shown) leaves the field text as it was; the unit changes.
    void selectUnit(int target, density::MessageSink& sink);
    // On to the next unit of the current one.
    void cycleUnit(density::MessageSink& sink);
    // A double click, as the indicator's row of the table says.
    void answerDoubleClick(density::MessageSink& sink);
    // Caption and range label from the marks, no conversion: after the marks
    // have been loaded, and after a language switch. With no unit checked the
    // caption stays as it is.
    void restoreCaption();

signals:
    void doubleClicked();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showUnit(int unit);
    void changeUnit(int from, int to, bool cycle, density::MessageSink& sink);
    void markUnit(int unit);

    const settings::IndicatorEntry& m_entry;
    QMenu* m_popup;
    QActionGroup* m_units;
    std::vector<QAction*> m_unitItems;
    QAction* m_recalcItem = nullptr;
    QLineEdit* m_field = nullptr;
    QLabel* m_rangeLabel = nullptr;
    // The unit the marks held after the last change: by the time a unit
    // item's click arrives, the menu has already moved its check mark.
    int m_markedUnit = settings::kDefaultUnit;
};

}  // namespace gui
