#include "keyboard.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

namespace gui {

void openMenuBarOnF10(QWidget* window, QMenuBar* bar)
{
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setObjectName(QStringLiteral("shortcutMenuBar"));
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        const QList<QAction*> menus = bar->actions();
        if (!menus.isEmpty())
            bar->setActiveAction(menus.first());
    });
}

}  // namespace gui
