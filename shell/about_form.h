#pragma once

#include <QDialog>
#include <QPointer>

class QPushButton;

namespace shell {

// The About box: title, version and contact lines. Not modal: while it is
// shown it disables the main window itself, and enables it again however it
// is closed.
class TO_progr_form : public QDialog {
    Q_OBJECT
public:
    explicit TO_progr_form(QWidget* parent = nullptr);

    // Enables the box and shows it without waiting; the owner stays
    // disabled while the box is visible.
    void showFor(QWidget* owner);

    QPushButton* okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QWidget> m_owner;
    QPushButton* m_ok = nullptr;
};

}  // namespace shell
