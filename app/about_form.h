#pragma once

#include <QDialog>

namespace shell {

// The About box.
class TO_progr_form : public QDialog {
    Q_OBJECT
public:
    explicit TO_progr_form(QWidget* parent = nullptr);
};

}  // namespace shell
