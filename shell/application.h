#pragma once

#include <QApplication>

namespace shell {

// The application object: its title, the decimal separator of the locale, and
// the report of any error that escapes an event handler.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The locale's decimal separator as the number texts use it (',' or '.').
char localeDecimalSeparator();

}  // namespace shell
