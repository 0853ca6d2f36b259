#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "calculator_block.h"

class QCheckBox;
class QToolButton;

namespace gui {

// Two calculators joined by a flat button that runs them in turn, unlocked by
// its check box; while unlocked the calculate buttons and the fields the chain
// fills are locked.
struct Chain {
    QToolButton* button = nullptr;
    QCheckBox* box = nullptr;
    std::vector<QWidget*> locked;

    // Sets the button, its hint and the locked widgets after the box.
    void update() const;
};

// A calculator page: its blocks, its help button, its chain.
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    CalculatorPage(const char* objectName, const BlockRunner& runner);

signals:
    // The help button was clicked: the page file of the help ("density15.html").
    void helpRequested(const QString& pageFile);

protected:
    void run(const CalculatorBlock& block) const { m_runner.run(block); }
    // A help button named `name` under the content, opening pageFile.
    QToolButton* helpButton(QWidget* parent, const char* name, const char* pageFile);

private:
    const BlockRunner& m_runner;
};

}  // namespace gui
