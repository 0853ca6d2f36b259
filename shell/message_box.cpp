#include "message_box.h"

#include <QApplication>

#include "text/catalogue.h"

namespace shell {

namespace {

BoxResponder& responder()
{
    static BoxResponder instance;
    return instance;
}

}  // namespace

QString catalogueEntry(density::MsgKey key)
{
    return QString::fromStdString(text::catalogue().text(key));
}

QString catalogueEntry(text::WindowKey key)
{
    return QString::fromStdString(text::catalogue().text(key));
}

QMessageBox::StandardButton showBox(QWidget* parent, const BoxRequest& request)
{
    if (responder())
        return responder()(request);
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
    box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setBoxResponder(BoxResponder r)
{
    responder() = std::move(r);
}

void showAttention(QWidget* parent, const QString& text)
{
    BoxRequest request;
    request.caption = catalogueEntry(density::MsgKey::MsgCaptionAttention);
    request.text = text;
    showBox(parent, request);
}

void showGenericError(QWidget* parent, const QString& what)
{
    BoxRequest request;
    request.caption = QApplication::applicationName();
    request.text = what;
    request.icon = QMessageBox::Critical;
    showBox(parent, request);
}

void WidgetMessageSink::show(const density::Message& message)
{
    showAttention(m_parent, QString::fromStdString(text::catalogue().render(message)));
}

}  // namespace shell
