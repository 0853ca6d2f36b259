#pragma once

#include <QTabWidget>
#include <functional>

#include "ui/main/tform1.h"

// Brings every page of the main window to the front in turn, each sub-page of
// the API page instead of the page itself, and hands each to the visit.
inline void forEachPage(gui::TForm1& form, const std::function<void(QWidget*)>& visit)
{
    auto* pages = form.component<QTabWidget>(QStringLiteral("PageControl1"));
    auto* subPages = form.component<QTabWidget>(QStringLiteral("PageControl2"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        if (pages->widget(i) != subPages->parentWidget()) {
            visit(pages->widget(i));
            continue;
        }
        for (int j = 0; j < subPages->count(); ++j) {
            subPages->setCurrentIndex(j);
            visit(subPages->widget(j));
        }
    }
}
