#include "about_form.h"
#include "application.h"
#include "ui/editor/tform2.h"
#include "ui/main/tform1.h"

int main(int argc, char** argv)
{
    shell::Application app(argc, argv);

    // the editor and the About box exist before the main window is shown:
    // showing it sets their captions and the editor's place
    gui::TForm1 form1;
    gui::TForm2 form2;
    shell::TO_progr_form about;
    form1.attachWindows(&form2, &about);

    form1.show();
    return app.exec();
}
