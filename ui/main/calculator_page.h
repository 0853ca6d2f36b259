#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "calculator_block.h"

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QToolButton;

namespace gui {

// Two calculators joined by a flat button that runs them in turn, unlocked by
// its check box; while unlocked the calculate buttons and the fields the chain
// fills are locked.
struct Chain {
    QToolButton* button = nullptr;
    QCheckBox* box = nullptr;
    std::vector<QWidget*> locked;

    // Makes the button and its check box on the page; the row that holds them
    // goes between the two calculators.
    QHBoxLayout* build(QWidget* page, const char* buttonName, const char* boxName);
    // Sets the button, its hint and the locked widgets after the box.
    void update() const;
};

// Names of a group box with one row: a density (or API gravity) field and a
// temperature field with its unit indicator, each after its label.
struct ReadingNames {
    const char* box;
    const char* densityLabel;
    const char* density;
    const char* temperatureLabel;
    const char* temperature;
    const char* panel;
};

// Builds that group, laid out in a column, into the block; the density's label is returned through
// `densityLabel` when asked for.
QGroupBox* readingGroup(QWidget* parent, const ReadingNames& n, CalculatorBlock& b, QLabel** densityLabel = nullptr);

// Names of the frame of a volume-to-mass or mass-to-volume block.
struct QuantityNames {
    const char* box;
    const char* quantityLabel;
    const char* quantity;
    const char* button;
    const char* resultLabel;
    const char* result;
    const char* panel;  // beside the volume, entered or computed
};

// The frame of a quantity block with the quantity, the button and the result
// in one row; its column layout takes the parameters next. The labels of the
// quantity and of the result come back when asked for.
QGroupBox* quantityFrame(QWidget* parent, const QuantityNames& n, CalculatorBlock& b, QLabel** quantityLabel = nullptr,
                         QLabel** resultLabel = nullptr);

// A calculator page: its blocks, its help button, its chain.
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    CalculatorPage(const char* objectName, const BlockRunner& runner);
    // The page file of this page's help ("density15.html").
    const QString& helpPage() const { return m_helpPage; }

    const std::vector<const CalculatorBlock*>& blocks() const { return m_blocks; }
    // The group box that holds the block's fields and button.
    static QWidget* boxOf(const CalculatorBlock& block);

signals:
    // The block's box was right-clicked.
    void blockMenuRequested(const CalculatorBlock* block, const QPoint& globalPos);
    // The help button was clicked: the page file of the help ("density15.html").
    void helpRequested(const QString& pageFile);

protected:
    void run(const CalculatorBlock& block) const { m_runner.run(block); }
    // Enter (and keypad Enter) in any field of the block presses its calculate
    // button; while the chain is unlocked (the button locked), the chain's.
    void runOnEnter(const CalculatorBlock& block, const Chain* chain = nullptr);
    // A help button named `name` under the content, opening pageFile.
    QToolButton* helpButton(QWidget* parent, const char* name, const char* pageFile);
    // The page's blocks, once built; each box gets the block's context menu.
    void addBlocks(std::initializer_list<const CalculatorBlock*> blocks);

private:
    const BlockRunner& m_runner;
    QString m_helpPage;
    std::vector<const CalculatorBlock*> m_blocks;
};

}  // namespace gui
