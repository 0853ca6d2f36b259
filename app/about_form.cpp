#include "about_form.h"

namespace shell {

TO_progr_form::TO_progr_form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("O_progr_form"));
    setEnabled(false);
}

}  // namespace shell
