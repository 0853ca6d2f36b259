// The two GOST 3900-85 pages: reduction to 20 °C and actual density
// (TabSheet1), volume to mass and mass to volume (TabSheet3), and their chains.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "app/catalogue.h"
#include "app/message_box.h"
#include "density/gost3900.h"
#include "field_checks.h"
#include "tform1.h"

namespace gui {

using density::MsgKey;

namespace {

bool hydrometerAdmitted(double v)
{
    return v >= density::kHydrometerMin && v <= density::kHydrometerMax;
}

bool density20Admitted(double v)
{
    return v >= density::kDensity20Min && v <= density::kDensity20Max;
}

bool positive(double v)
{
    return v > 0;
}

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

QString actualDensityLine(double actualDensity)
{
    return catalogueText(MsgKey::TextActualDensityLabel) + QStringLiteral(" : ") + resultText(actualDensity, 1);
}

}  // namespace

void TForm1::reportFailure(const std::string& reason)
{
    shell::showGenericError(this, QString::fromStdString(reason));
}

std::optional<std::string> TForm1::gost3900Temperature(const char* fieldName, const char* panel, MsgKey emptyMessage,
                                                       MsgKey invalidMessage)
{
    auto* field = component<QLineEdit>(QString::fromLatin1(fieldName));
    if (!readNumber(this, {field, emptyMessage, invalidMessage}))
        return std::nullopt;
    const auto unit = static_cast<density::TemperatureUnit>(unitOf(panel));
    if (density::gost3900CheckTemperature(textOf(field), unit, m_sink)) {
        focusField(field);
        return std::nullopt;
    }
    const density::Result<std::string> grid = density::roundToHalfDegree(textOf(field));
    if (!grid) {
        reportFailure(grid.error());
        return std::nullopt;
    }
    field->setText(QString::fromStdString(*grid));
    return *grid;
}

// Reduction to 20 °C and actual density share one course: the density field,
// the temperature, the lookup, and the error word when the table has no value.
void TForm1::densityCalculation(const DensityCalculation& c)
{
    auto* input = component<QLineEdit>(QString::fromLatin1(c.input));
    if (!readNumberInRange(this, {input, c.emptyMessage, c.invalidMessage}, c.admitted, c.rangeMessage))
        return;
    const std::optional<std::string> t =
        gost3900Temperature(c.temperature, c.panel, MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid);
    if (!t)
        return;

    const density::Result<double> r =
        c.lookup(m_table, textOf(input), *t, static_cast<density::TemperatureUnit>(unitOf(c.panel)), m_sink);
    if (!r) {
        reportFailure(r.error());
        return;
    }
    auto* result = component<QLineEdit>(QString::fromLatin1(c.result));
    if (*r == density::kOutOfTableMark) {
        showCatalogueMessage(this, MsgKey::MsgDensity20OutOfTable);
        result->setText(catalogueText(MsgKey::MsgCaptionError));
        focusField(input);
        return;
    }
    result->setText(resultText(*r, 1));
}

void TForm1::Button3Click()
{
    densityCalculation({"Edit1", MsgKey::MsgDensityEmpty, MsgKey::MsgDensityInvalid, hydrometerAdmitted,
                        MsgKey::MsgHydrometerOutOfTable, "Edit2", "Panel3", "Edit3", density::gost3900ReduceTo20});
}

void TForm1::Button4Click()
{
    densityCalculation({"Edit4", MsgKey::MsgDensity20Empty, MsgKey::MsgDensity20Invalid, density20Admitted,
                        MsgKey::MsgDensity20OutOfTable, "Edit5", "Panel4", "Edit6", density::gost3900ActualDensity});
}

void TForm1::Button5Click()
{
    auto* edit7 = component<QLineEdit>(QStringLiteral("Edit7"));
    auto* edit8 = component<QLineEdit>(QStringLiteral("Edit8"));
    auto* edit9 = component<QLineEdit>(QStringLiteral("Edit9"));
    auto* label11 = component<QLabel>(QStringLiteral("Label11"));
    if (!readNumberInRange(this, {edit7, MsgKey::MsgVolumeEmpty, MsgKey::MsgVolumeInvalid}, positive,
                           MsgKey::MsgVolumeNotPositive))
        return;
    if (!readNumberInRange(this, {edit9, MsgKey::MsgDensity20Empty, MsgKey::MsgDensity20Invalid}, density20Admitted,
                           MsgKey::MsgDensity20OutOfTable))
        return;
    const std::optional<std::string> t =
        gost3900Temperature("Edit10", "Panel5", MsgKey::MsgTankTempEmpty, MsgKey::MsgTankTempInvalid);
    if (!t)
        return;

    const density::Result<density::MassResult> r = density::gost3900MassFromVolume(
        m_table, textOf(edit7), static_cast<density::VolumeUnit>(unitOf("Panel1")), textOf(edit9), *t,
        static_cast<density::TemperatureUnit>(unitOf("Panel5")), m_sink);
    if (!r) {
        reportFailure(r.error());
        return;
    }
    if (r->status != density::QuantityStatus::Ok) {
        showCatalogueMessage(this, MsgKey::MsgActualDensityOutOfTable);
        edit8->setText(catalogueText(MsgKey::MsgCaptionError));
        label11->setText(catalogueText(MsgKey::TextActualDensityError));
        focusField(edit7);
        return;
    }
    edit8->setText(resultText(r->mass, 3));
    label11->setText(actualDensityLine(r->actualDensity));
}

void TForm1::Button6Click()
{
    auto* edit11 = component<QLineEdit>(QStringLiteral("Edit11"));
    auto* edit12 = component<QLineEdit>(QStringLiteral("Edit12"));
    auto* edit13 = component<QLineEdit>(QStringLiteral("Edit13"));
    auto* label16 = component<QLabel>(QStringLiteral("Label16"));
    if (!readNumberInRange(this, {edit11, MsgKey::MsgMassEmpty, MsgKey::MsgMassInvalid}, positive,
                           MsgKey::MsgMassNotPositive))
        return;
    if (!readNumberInRange(this, {edit13, MsgKey::MsgDensity20Empty, MsgKey::MsgDensity20Invalid}, density20Admitted,
                           MsgKey::MsgDensity20OutOfTable))
        return;
    const std::optional<std::string> t =
        gost3900Temperature("Edit14", "Panel6", MsgKey::MsgTankTempEmpty, MsgKey::MsgTankTempInvalid);
    if (!t)
        return;

    const density::Result<density::VolumeResult> r = density::gost3900VolumeFromMass(
        m_table, textOf(edit11), static_cast<density::VolumeUnit>(unitOf("Panel15")), textOf(edit13), *t,
        static_cast<density::TemperatureUnit>(unitOf("Panel6")), m_sink);
    if (!r) {
        reportFailure(r.error());
        return;
    }
    if (r->status != density::QuantityStatus::Ok) {
        // no table row: the computation has told the user why
        if (r->status == density::QuantityStatus::OutOfTable)
            showCatalogueMessage(this, MsgKey::MsgActualDensityOutOfTable);
        edit12->setText(catalogueText(MsgKey::MsgCaptionError));
        label16->setText(catalogueText(MsgKey::TextActualDensityError));
        focusField(edit11);
        return;
    }
    edit12->setText(QString::fromStdString(r->volumeText));
    label16->setText(actualDensityLine(r->actualDensity));
}

// Ticking a chain box unlocks its flat button and locks the two calculate
// buttons and the fields the chain fills; clearing it reverses that.
void TForm1::lockChain(const char* checkBox, const char* chainButton, std::initializer_list<const char*> locked)
{
    const bool chained = component<QAbstractButton>(QString::fromLatin1(checkBox))->isChecked();
    auto* chain = component<QAbstractButton>(QString::fromLatin1(chainButton));
    chain->setEnabled(chained);
    chain->setToolTip(catalogueText(chained ? MsgKey::HintClickToCalculate : MsgKey::HintUnlockWithCheckbox));
    for (const char* name : locked)
        component<QWidget>(QString::fromLatin1(name))->setEnabled(!chained);
}

void TForm1::CheckBox7Click()
{
    lockChain("CheckBox7", "SpeedButton1", {"Button3", "Button4", "Edit3", "Edit4", "Label3", "Label4"});
}

void TForm1::CheckBox9Click()
{
    lockChain("CheckBox9", "SpeedButton3",
              {"Button5", "Button6", "Edit8", "Edit11", "Edit13", "Label8", "Label12", "Label14"});
}

// Density to density: the reading reduced to 20 °C, then carried to the
// temperature of the lower calculator.
void TForm1::SpeedButton1Click()
{
    Button3Click();
    auto* edit4 = component<QLineEdit>(QStringLiteral("Edit4"));
    edit4->setText(component<QLineEdit>(QStringLiteral("Edit3"))->text());
    if (edit4->text() != catalogueText(MsgKey::MsgCaptionError))
        Button4Click();
}

// Volume to volume: the mass of the volume at one tank temperature, then its
// volume at the other.
void TForm1::SpeedButton3Click()
{
    Button5Click();
    component<QLineEdit>(QStringLiteral("Edit13"))->setText(component<QLineEdit>(QStringLiteral("Edit9"))->text());
    auto* edit8 = component<QLineEdit>(QStringLiteral("Edit8"));
    component<QLineEdit>(QStringLiteral("Edit11"))->setText(edit8->text());
    if (edit8->text() != catalogueText(MsgKey::MsgCaptionError))
        Button6Click();
}

}  // namespace gui
