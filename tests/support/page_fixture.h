#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <map>
#include <string>

#include "support/main_window_fixture.h"
#include "support/shipped_table.h"
#include "ui/main/page_control.h"
#include "ui/main/pages.h"

// What a result field shows when its computation failed.
inline const QString kError = QStringLiteral("Ошибка");

// The main window's pages driven as a user drives them: texts typed into
// fields, buttons clicked, a page brought to the front; what the user is then
// told and where the focus went.
class PageTest : public MainWindowTest {
protected:
    // The window with the shipped table in its folder.
    void showWithTable()
    {
        ASSERT_TRUE(QFile::copy(testdata::shippedTablePath(), folder() + QStringLiteral("tablegost3900.txt")));
        showForm();
        ASSERT_FALSE(form().reductionTable().empty());
    }

    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    void type(const std::map<std::string, QString>& texts)
    {
        for (const auto& [name, text] : texts)
            edit(name.c_str())->setText(text);
    }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    // A page of the window, or a sub-page of the API page.
    void showPage(const char* page)
    {
        QWidget* w = get<QWidget>(page);
        if (auto* sub = form().apiPage()->subPages(); sub->indexOf(w) >= 0) {
            form().pageControl()->setCurrentWidget(form().apiPage());
            sub->setCurrentWidget(w);
        } else {
            form().pageControl()->setCurrentWidget(w);
        }
    }
    QString focused() const { return m_form->focusWidget() ? m_form->focusWidget()->objectName() : QString(); }
    QStringList messages() const { return m_boxes.texts(); }
};
