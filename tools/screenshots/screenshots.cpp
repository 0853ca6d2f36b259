// Drives the real main window through a calculation on every calculator page,
// with units switched, and saves each page as a PNG. Message boxes are
// answered at once and listed, so a run never blocks.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "shell/about_form.h"
#include "shell/application.h"
#include "shell/message_box.h"
#include "ui/editor/tform2.h"
#include "ui/main/page_control.h"
#include "ui/main/pages.h"
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
    shell::setBoxResponder([](const shell::BoxRequest& r) {
        std::printf("message: %s\n", qPrintable(r.text));
        return r.defaultButton;
    });

    gui::TForm1 form;
    gui::TForm2 editor;
    shell::TO_progr_form about;
    form.attachWindows(&editor, &about);
    form.show();

    int failures = 0;
    QTimer::singleShot(0, [&] {
        std::printf("window %dx%d, frame %dx%d, tab rows %d\n", form.width(), form.height(),
                    form.frameGeometry().width(), form.frameGeometry().height(),
                    form.pageControl()->rows()->rowCount());
        run(form, {{"Edit1", "853,4"},
                   {"Edit2", "15,27"},
                   {"Button3", nullptr},
                   {"N10", nullptr},
                   {"Edit4", "850"},
                   {"Edit5", "59,9"},
                   {"Button4", nullptr}});
        failures += save(form, "TabSheet1", out + QStringLiteral("/density20-calculated.png")) ? 0 : 1;

        run(form, {{"N43", nullptr},
                   {"Edit7", "1000"},
                   {"Edit9", "850"},
                   {"Edit10", "25"},
                   {"Button5", nullptr},
                   {"N70", nullptr},
                   {"N24", nullptr},
                   {"Edit11", "120"},
                   {"Edit13", "850"},
                   {"Edit14", "77"},
                   {"Button6", nullptr}});
        failures += save(form, "TabSheet3", out + QStringLiteral("/calculator20-calculated.png")) ? 0 : 1;

        run(form, {{"Edit32", "850"},
                   {"Edit33", "12,3"},
                   {"Button1", nullptr},
                   {"Edit35", "35"},
                   {"N96", nullptr},
                   {"Edit36", "86"},
                   {"Button2", nullptr}});
        failures += save(form, "TabSheet2", out + QStringLiteral("/api-gost3900-calculated.png")) ? 0 : 1;
        form.apiPage()->subPages()->setCurrentIndex(1);
        run(form, {{"Edit38", "850"},
                   {"Edit39", "30"},
                   {"Button11", nullptr},
                   {"Edit41", "35"},
                   {"Edit42", "40"},
                   {"Button12", nullptr}});
        failures += save(form, "TabSheet2", out + QStringLiteral("/api-gost-r-calculated.png")) ? 0 : 1;
        form.apiPage()->subPages()->setCurrentIndex(2);
        failures += save(form, "TabSheet2", out + QStringLiteral("/api-note.png")) ? 0 : 1;
        form.apiPage()->subPages()->setCurrentIndex(0);

        run(form, {{"Edit15", "850"},
                   {"Edit16", "30"},
                   {"Button7", nullptr},
                   {"CheckBox2", nullptr},
                   {"Edit18", "860,3"},
                   {"Edit19", "30"},
                   {"N52", nullptr},
                   {"Edit29", "50"},
                   {"Button8", nullptr}});
        failures += save(form, "TabSheet4", out + QStringLiteral("/density15-calculated.png")) ? 0 : 1;

        run(form, {{"N48", nullptr},
                   {"Edit21", "1000"},
                   {"Edit23", "850"},
                   {"Edit24", "30"},
                   {"Button9", nullptr},
                   {"N75", nullptr},
                   {"N38", nullptr},
                   {"Edit25", "120"},
                   {"Edit27", "850"},
                   {"Edit28", "86"},
                   {"CheckBox4", nullptr},
                   {"Edit31", "2,5"},
                   {"Button10", nullptr}});
        failures += save(form, "TabSheet5", out + QStringLiteral("/calculator15-calculated.png")) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return failures == 0 ? 0 : 1;
}
