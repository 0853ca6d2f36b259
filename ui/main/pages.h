#pragma once

#include <QStringList>

#include "calculator_page.h"
#include "text/catalogue.h"

class QPlainTextEdit;
class QTabWidget;

// One class per page of the main window, each holding its blocks and chain.
namespace gui {

// TabSheet1 "Плотность по ГОСТ 3900-85 (20°C)": reduction to 20 °C and the
// actual density, the density-to-density chain, the hidden table Memo1.
class Density20Page : public CalculatorPage {
public:
    explicit Density20Page(const BlockRunner& runner);
    void reduceTo20() { run(m_reduction); }
    void actualDensity() { run(m_actual); }
    void chainDensities();
    // The chain's controls after its check box (also after a language switch).
    void lockChain() { m_chain.update(); }
    QPlainTextEdit* tableText() const { return m_tableText; }

private:
    CalculatorBlock m_reduction{calc::Course::Reduce20};
    CalculatorBlock m_actual{calc::Course::Actual20};
    Chain m_chain;
    QPlainTextEdit* m_tableText;
};

// TabSheet3 "Калькулятор по ГОСТ 3900-85 (20°C)": volume to mass and mass to
// volume, the volume-to-volume chain.
class Calculator20Page : public CalculatorPage {
public:
    explicit Calculator20Page(const BlockRunner& runner);
    void volumeToMass() { run(m_toMass); }
    void massToVolume() { run(m_toVolume); }
    void chainVolumes();
    void lockChain() { m_chain.update(); }

private:
    CalculatorBlock m_toMass{calc::Course::Mass20};
    CalculatorBlock m_toVolume{calc::Course::Volume20};
    Chain m_chain;
};

// TabSheet4 "Плотность по ГОСТ Р 50.2.076-2010 (15°C)": reduction to 15 °C and
// the actual density at a temperature and an excess pressure.
class Density15Page : public CalculatorPage {
public:
    explicit Density15Page(const BlockRunner& runner);
    void reduceTo15() { run(m_reduction); }
    void actualDensity() { run(m_actual); }
    void chainDensities();
    void lockChain() { m_chain.update(); }
    // The pressure field enabled exactly while its check box is checked.
    void enablePressureEdit();

private:
    CalculatorBlock m_reduction{calc::Course::Reduce15};
    CalculatorBlock m_actual{calc::Course::Actual15};
    Chain m_chain;
};

// TabSheet5 "Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)": volume to mass and
// mass to volume with excess pressures.
class Calculator15Page : public CalculatorPage {
public:
    explicit Calculator15Page(const BlockRunner& runner);
    void volumeToMass() { run(m_toMass); }
    void massToVolume() { run(m_toVolume); }
    void chainVolumes();
    void lockChain() { m_chain.update(); }
    void enablePressureEdits();

private:
    CalculatorBlock m_toMass{calc::Course::Mass15};
    CalculatorBlock m_toVolume{calc::Course::Volume15};
    Chain m_chain;
};

// TabSheet2 "Приведение к плотности API (60°F)": PageControl2 with the API
// conversions through each standard and the note.
class ApiPage : public CalculatorPage {
public:
    explicit ApiPage(const BlockRunner& runner);
    void densityToApi20() { run(m_toApi20); }
    void apiToDensity20() { run(m_fromApi20); }
    void densityToApi15() { run(m_toApi15); }
    void apiToDensity15() { run(m_fromApi15); }
    QTabWidget* subPages() const { return m_subPages; }

private:
    QWidget* subPage(const char* name, const char* help, CalculatorBlock& to, CalculatorBlock& from, bool r50);

    CalculatorBlock m_toApi20{calc::Course::Api20};
    CalculatorBlock m_fromApi20{calc::Course::ApiToDensity20};
    CalculatorBlock m_toApi15{calc::Course::Api15};
    CalculatorBlock m_fromApi15{calc::Course::ApiToDensity15};
    QTabWidget* m_subPages;
};

}  // namespace gui
