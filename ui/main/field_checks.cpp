#include "field_checks.h"

#include <QLineEdit>

#include "app/catalogue.h"
#include "app/message_box.h"
#include "density/numeric_text.h"

namespace gui {

namespace {

std::nullopt_t refuse(QWidget* window, QLineEdit* field, density::MsgKey key)
{
    showCatalogueMessage(window, key);
    focusField(field);
    return std::nullopt;
}

}  // namespace

std::optional<double> readNumber(QWidget* window, const NumberField& f)
{
    const density::FieldReading r = density::readField(f.field->text().toStdString());
    if (r.state == density::FieldState::Empty)
        return refuse(window, f.field, f.emptyMessage);
    if (r.state == density::FieldState::Invalid)
        return refuse(window, f.field, f.invalidMessage);
    return r.value;
}

std::optional<double> readNumberInRange(QWidget* window, const NumberField& f,
                                        const std::function<bool(double)>& admitted, density::MsgKey rangeMessage)
{
    const std::optional<double> value = readNumber(window, f);
    if (value && !admitted(*value))
        return refuse(window, f.field, rangeMessage);
    return value;
}

void focusField(QLineEdit* field)
{
    if (field->isVisible() && field->isEnabled())
        field->setFocus();
}

QString catalogueText(density::MsgKey key)
{
    return QString::fromStdString(shell::catalogue().text(key));
}

void showCatalogueMessage(QWidget* window, density::MsgKey key)
{
    shell::showAttention(window, catalogueText(key));
}

QString resultText(double value, int decimals)
{
    const std::optional<std::string> text = density::formatFixed(value, decimals);
    return text ? QString::fromStdString(*text) : catalogueText(density::MsgKey::MsgCaptionError);
}

}  // namespace gui
