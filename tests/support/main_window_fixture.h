#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "density/numeric_text.h"
#include "shell/about_form.h"
#include "support/box_recorder.h"
#include "ui/editor/tform2.h"
#include "ui/main/tform1.h"

// The real main window with its editor and About box, its program folder an
// empty temporary folder, every message box answered by the recorder.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_form = std::make_unique<gui::TForm1>();
        m_form->attachWindows(&m_editor, &m_about);
        m_form->setPlaces(places::portable(folder().toStdString()));
    }
    void TearDown() override { m_form.reset(); }

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    gui::TForm1& form() { return *m_form; }

    // Shows the window (the show sequence runs) and forgets the boxes it raised.
    void showForm()
    {
        m_form->show();
        m_boxes.clear();
    }

    // The component of that name and kind; fails the test when it is missing.
    template <typename T>
    T* get(const char* name)
    {
        T* widget = m_form->component<T>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QTemporaryDir m_dir;
    BoxRecorder m_boxes;
    density::ScopedDecimalSeparator m_sep{','};
    gui::TForm2 m_editor;
    shell::TO_progr_form m_about;
    std::unique_ptr<gui::TForm1> m_form;
};
