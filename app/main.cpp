#include <QIcon>
#include <QTimer>
#include <iostream>

#include "shell/about_form.h"
#include "shell/application.h"
#include "shell/message_box.h"
#include "ui/editor/tform2.h"
#include "ui/main/tform1.h"

int main(int argc, char** argv)
{
    shell::Application app(argc, argv);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vantorel-%1.png").arg(size));
    app.setWindowIcon(icon);

    // For install checks: start as usual, write any message box to standard
    // error instead of showing it, and close as the user would (the settings
    // are saved) once the start is over.
    if (qEnvironmentVariableIsSet("VANTOREL_QUIT_AFTER_START")) {
        shell::setBoxResponder([](const shell::BoxRequest& box) {
            std::cerr << box.text.toStdString() << '\n';
            return QMessageBox::Ok;
        });
        QTimer::singleShot(0, &app, [] {
            QApplication::closeAllWindows();
            QCoreApplication::quit();
        });
    }

    // the editor and the About box exist before the main window is shown:
    // attaching them gives them their texts, showing it the editor's place
    gui::TForm1 form1;
    gui::TForm2 form2;
    shell::TO_progr_form about;
    form1.attachWindows(&form2, &about);

    form1.show();
    return app.exec();
}
