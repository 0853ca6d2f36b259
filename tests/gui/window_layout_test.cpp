#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "support/main_window_fixture.h"
#include "support/page_walk.h"

namespace {

// Shows every page and sub-page in turn and reports texts cut short and
// controls that overlap a sibling.
QStringList layoutFaults(gui::TForm1& form)
{
    QStringList faults;
    const auto check = [&](QWidget* page) {
        QApplication::processEvents();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            // the flat buttons keep their own fixed size
            if (w->minimumSize() == w->maximumSize())
                continue;
            const bool hasText = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
            const QSize need = hasText ? w->sizeHint() : w->minimumSizeHint();
            if (w->width() < need.width() || w->height() < need.height())
                faults << QStringLiteral("%1 cut: %2x%3 < %4x%5")
                              .arg(w->objectName())
                              .arg(w->width())
                              .arg(w->height())
                              .arg(need.width())
                              .arg(need.height());
            if (!page->rect().contains(QRect(w->mapTo(page, QPoint(0, 0)), w->size())))
                faults << w->objectName() + QStringLiteral(" outside its page");
        }
        QList<QWidget*> parents = page->findChildren<QWidget*>();
        parents << page;
        for (QWidget* parent : parents) {
            QList<QWidget*> kids;
            for (QObject* o : parent->children())
                if (auto* k = qobject_cast<QWidget*>(o); k && k->isVisible() && !k->isWindow())
                    kids << k;
            for (int i = 0; i < kids.size(); ++i)
                for (int j = 0; j < i; ++j)
                    if (kids[i]->geometry().intersects(kids[j]->geometry()))
                        faults << kids[i]->objectName() + QStringLiteral(" overlaps ") + kids[j]->objectName();
        }
    };
    forEachPage(form, check);
    return faults;
}

TEST_F(MainWindowTest, EveryTextFullyVisibleAndNoControlsOverlap)
{
    showForm();
    const QStringList faults = layoutFaults(form());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, RoomForTheEnglishCaptions)
{
    showForm();
    const QSize size = form().size();
    // the widest unit words and range label: US gallons, kg/cm2, psi
    for (const char* item : {"N86", "N53", "N59", "N66", "N107"})
        get<QAction>(item)->trigger();
    const QStringList faults = layoutFaults(form());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(form().size(), size);
    text::catalogue().fill(text::UiLanguage::Russian);
}

}  // namespace
