// Drives the real main window through a few calculations on the 20 °C pages,
// with units switched, and saves each page as a PNG.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "app/about_form.h"
#include "app/application.h"
#include "ui/editor/tform2.h"
#include "ui/main/page_control.h"
#include "ui/main/tform1.h"

namespace {

struct Step {
    const char* name;  // widget or action
    const char* text;  // text to type; nullptr: click or trigger
};

void run(gui::TForm1& form, std::initializer_list<Step> steps)
{
    for (const Step& s : steps) {
        const QString name = QString::fromLatin1(s.name);
        if (s.text)
            form.component<QLineEdit>(name)->setText(QString::fromUtf8(s.text));
        else if (auto* action = form.component<QAction>(name))
            action->trigger();
        else
            form.component<QAbstractButton>(name)->click();
    }
}

bool save(gui::TForm1& form, const char* page, const QString& file)
{
    form.pageControl()->setCurrentWidget(form.component<QWidget>(QString::fromLatin1(page)));
    QCoreApplication::processEvents();
    const bool ok = form.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    shell::Application app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    gui::TForm1 form;
    gui::TForm2 editor;
    shell::TO_progr_form about;
    form.attachWindows(&editor, &about);
    form.show();

    int failures = 0;
    QTimer::singleShot(0, [&] {
        run(form, {{"Edit1", "853,4"}, {"Edit2", "15,27"}, {"Button3", nullptr},
                   {"N10", nullptr}, {"Edit4", "850"}, {"Edit5", "59,9"}, {"Button4", nullptr}});
        failures += save(form, "TabSheet1", out + QStringLiteral("/density20-calculated.png")) ? 0 : 1;

        run(form, {{"N43", nullptr}, {"Edit7", "1000"}, {"Edit9", "850"}, {"Edit10", "25"}, {"Button5", nullptr},
                   {"N70", nullptr}, {"N24", nullptr}, {"Edit11", "120"}, {"Edit13", "850"}, {"Edit14", "77"},
                   {"Button6", nullptr}});
        failures += save(form, "TabSheet3", out + QStringLiteral("/calculator20-calculated.png")) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return failures == 0 ? 0 : 1;
}
