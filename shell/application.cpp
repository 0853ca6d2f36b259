#include "application.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <exception>

#include "density/numeric_text.h"
#include "message_box.h"

namespace shell {

namespace {

// Outside a desktop session XDG_RUNTIME_DIR is unset and Qt warns about it on
// every start. Point it at the private folder Qt would fall back to anyway,
// when that folder is ours and private; otherwise leave the matter to Qt.
void provideRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const passwd* user = getpwuid(geteuid());
    if (!user)
        return;
    const QByteArray dir = QFile::encodeName(QDir::tempPath()) + "/runtime-" + user->pw_name;
    mkdir(dir.constData(), 0700);
    struct stat st {};
    if (lstat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
        (st.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", dir);
}

// The environment is ready before the base class reads it.
int& preparedArgc(int& argc)
{
    provideRuntimeDir();
    return argc;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(preparedArgc(argc), argv)
{
    setApplicationName(QStringLiteral("Vantorel"));
    // the menu entry, so that the desktop shows its icon for the window
    setDesktopFileName(QStringLiteral("org.vantorel.Vantorel"));
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
