// The main window on the screen it is shown on. The suite runs it on a
// 1280 x 720 screen, and once more at QT_SCALE_FACTOR=2 on a 1920 x 1080 one
// (960 x 540 logical).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "support/main_window_fixture.h"
#include "support/page_walk.h"

// The window with its frame stays on the screen; where the screen has less
// room than the window wants, the pages scroll and every control of every
// page can be scrolled into view; where it has room, nothing scrolls.
TEST_F(MainWindowTest, EveryControlCanBeReachedOnThisScreen)
{
    showForm();
    const QRect screen = form().screen()->availableGeometry();
    EXPECT_LE(form().frameGeometry().width(), screen.width());
    EXPECT_LE(form().frameGeometry().height(), screen.height());
    auto* scroller = form().findChild<QScrollArea*>(QStringLiteral("PageScroller"));
    ASSERT_TRUE(scroller);
    if (screen.width() >= 1280 && screen.height() >= 720) {
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
    }

    int controls = 0;
    const auto reach = [&](QWidget* page) {
        QApplication::processEvents();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const bool control =
                qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w);
            if (!control || !w->isVisible() || w->objectName().isEmpty())
                continue;
            scroller->ensureWidgetVisible(w, 0, 0);
            const QRect at(w->mapTo(scroller->viewport(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(scroller->viewport()->rect().contains(at)) << w->objectName().toStdString();
            ++controls;
        }
    };
    forEachPage(form(), reach);
    EXPECT_GT(controls, 150);
}
