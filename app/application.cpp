#include "application.h"

#include <QLocale>
#include <exception>

#include "density/numeric_text.h"
#include "message_box.h"

namespace shell {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vantorel"));
    density::setDecimalSeparator(localeDecimalSeparator());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showGenericError(activeWindow(), QString::fromUtf8(e.what()));
    } catch (...) {
        showGenericError(activeWindow(), QStringLiteral("Unexpected error"));
    }
    return false;
}

char localeDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(".") ? '.' : ',';
}

}  // namespace shell
