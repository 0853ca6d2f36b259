#include "main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

#include "unit_indicator.h"

namespace gui {

namespace {

QMenu* submenu(QWidget* parent, const char* name, const char* caption)
{
    auto* menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// "Сбросить все …": one plain command per unit of the kind.
void resetMenu(QMenu* settings, const char* name, const char* caption, density::UnitKind kind,
               std::initializer_list<const char*> items)
{
    QMenu* menu = submenu(settings, name, caption);
    int unit = 1;
    for (const char* itemName : items)
        item(menu, itemName, unitItemCaption(kind, unit++));
    settings->addMenu(menu);
}

}  // namespace

void buildMainMenu(QMenuBar* bar)
{
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = submenu(bar, "N1", "Файл");
    item(file, "N5", QStringLiteral("Править таблицу ГОСТ 3900-85"));
    separator(file, "N2");
    item(file, "N4", QStringLiteral("Закрыть"));
    bar->addMenu(file);

    QMenu* settings = submenu(bar, "N79", "Настройки");
    resetMenu(settings, "N80", "Сбросить все температуры", density::UnitKind::Temperature, {"N83", "N84"});
    resetMenu(settings, "N81", "Сбросить все объемы", density::UnitKind::Volume, {"N85", "N86", "N87"});
    resetMenu(settings, "N82", "Сбросить все давления", density::UnitKind::Pressure, {"N88", "N89", "N90", "N91"});
    separator(settings, "N104");
    QMenu* language = submenu(settings, "N105", "Язык");
    auto* languages = new QActionGroup(language);
    QAction* russian = item(language, "N106", QStringLiteral("Русский"));
    QAction* english = item(language, "N107", QStringLiteral("Английский"));
    for (QAction* a : {russian, english}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    russian->setChecked(true);
    settings->addMenu(language);
    bar->addMenu(settings);

    QMenu* help = submenu(bar, "N3", "Помощь");
    item(help, "N7", QStringLiteral("Справка"))->setIcon(QIcon(QStringLiteral(":/icons/help.xpm")));
    separator(help, "N6");
    item(help, "N8", QStringLiteral("О программе..."));
    bar->addMenu(help);
}

}  // namespace gui
