// The floor of the start-up measurement: a Qt program that shows one label
// in a window of the same title and does nothing else.
//   bench/startup_time.sh build/bin/bare_window
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Vantorel"));
    label.setWindowTitle(QStringLiteral("Vantorel"));
    label.show();
    return app.exec();
}
