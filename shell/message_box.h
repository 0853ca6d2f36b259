#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

#include "density/messages.h"
#include "text/window_keys.h"

class QWidget;

// Every message box of the program goes through here, so that tests can
// answer boxes instead of showing them.
namespace shell {

struct BoxRequest {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

using BoxResponder = std::function<QMessageBox::StandardButton(const BoxRequest&)>;

// Shows a modal box and returns the button pressed, or asks the responder
// when one is installed.
QMessageBox::StandardButton showBox(QWidget* parent, const BoxRequest& request);
// Installs (or, with an empty function, removes) the responder.
void setBoxResponder(BoxResponder responder);

// The catalogue entry's current text, for a widget or a box.
QString catalogueEntry(density::MsgKey key);
QString catalogueEntry(text::WindowKey key);

// A box with one OK button captioned with the attention caption.
void showAttention(QWidget* parent, const QString& text);

// The report of a calculation that stopped on malformed data or an error
// no handler expected; the program goes on.
void showGenericError(QWidget* parent, const QString& what);

// Shows what the computations report, in the catalogue's current language.
class WidgetMessageSink : public density::MessageSink {
public:
    explicit WidgetMessageSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void show(const density::Message& message) override;

private:
    QWidget* m_parent;
};

}  // namespace shell
