#pragma once

#include <QDialog>

namespace gui {

// The table editor window.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace gui
