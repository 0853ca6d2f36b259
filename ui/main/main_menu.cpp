#include "main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace gui {

namespace {

QMenu* submenu(QWidget* parent, const char* name)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* item(QMenu* menu, const char* name)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// "Reset all ...": one plain command per unit of the kind.
void resetMenu(QMenu* settings, const char* name, std::initializer_list<const char*> items)
{
    QMenu* menu = submenu(settings, name);
    for (const char* itemName : items)
        item(menu, itemName);
    settings->addMenu(menu);
}

// The journal, the active block's results and its record; the check item
// that keeps the journal.
void resultsItems(QMenu* file)
{
    separator(file, "actionResultsSeparator");
    item(file, "actionJournal")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    item(file, "actionCopyResults")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    item(file, "actionPrintRecord")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    item(file, "actionExportRecordPdf")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction* keep = item(file, "actionJournalEnabled");
    keep->setCheckable(true);
    keep->setChecked(true);
}

}  // namespace

void buildMainMenu(QMenuBar* bar)
{
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = submenu(bar, "N1");
    item(file, "N5");
    resultsItems(file);
    separator(file, "N2");
    item(file, "N4")->setShortcut(QKeySequence::Quit);
    bar->addMenu(file);

    QMenu* settings = submenu(bar, "N79");
    resetMenu(settings, "N80", {"N83", "N84"});
    resetMenu(settings, "N81", {"N85", "N86", "N87"});
    resetMenu(settings, "N82", {"N88", "N89", "N90", "N91"});
    separator(settings, "N104");
    QMenu* language = submenu(settings, "N105");
    auto* languages = new QActionGroup(language);
    QAction* russian = item(language, "N106");
    QAction* english = item(language, "N107");
    for (QAction* a : {russian, english}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    russian->setChecked(true);
    settings->addMenu(language);
    bar->addMenu(settings);

    QMenu* help = submenu(bar, "N3");
    item(help, "N7")->setIcon(QIcon(QStringLiteral(":/icons/help.xpm")));
    // the help page of the tab in front
    item(help, "actionPageHelp")->setShortcut(QKeySequence::HelpContents);
    separator(help, "N6");
    item(help, "N8");
    bar->addMenu(help);
}

}  // namespace gui
