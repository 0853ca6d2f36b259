#include "tform2.h"

namespace gui {

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
}

}  // namespace gui
