#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "support/main_window_fixture.h"

namespace {

// Shows every page and sub-page in turn and reports texts cut short and
// controls that overlap a sibling.
QStringList layoutFaults(gui::TForm1& form)
{
    QStringList faults;
    auto* pages = form.component<QTabWidget>(QStringLiteral("PageControl1"));
    auto* subPages = form.component<QTabWidget>(QStringLiteral("PageControl2"));
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
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        if (pages->widget(i) == subPages->parentWidget()) {
            for (int j = 0; j < subPages->count(); ++j) {
                subPages->setCurrentIndex(j);
                check(subPages->widget(j));
            }
        } else {
            check(pages->widget(i));
        }
    }
    return faults;
}

TEST_F(MainWindowTest, EveryTextFullyVisibleAndNoControlsOverlap)
{
    showForm();
    const QStringList faults = layoutFaults(form());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

// The English captions that are longer than the Russian ones, or close to
// them, with the components that show them.
struct Caption {
    std::vector<const char*> names;
    const char* english;
};

const Caption kEnglishCaptions[] = {
    {{"CheckBox1", "CheckBox11", "CheckBox12"}, "Take into account thermal expansion of areometer glass"},
    {{"CheckBox2", "CheckBox3", "CheckBox4"}, "Take into account excess pressure"},
    {{"CheckBox7", "CheckBox8"}, "Density  to density"},
    {{"CheckBox9", "CheckBox10"}, "Volume to volume"},
    {{"Label10", "Label15", "Label26", "Label31"}, "Temperature in tank"},
    {{"Label3", "Label4", "Label9", "Label14"}, "Density at 20°C (kg/m3)"},
    {{"Label17", "Label21", "Label25", "Label30"}, "Density at 15°C (kg/m3)"},
    {{"Label11", "Label16", "Label20", "Label27", "Label32"}, "Actual density (kg/m3) :"},
    {{"Label6"}, "Actual density (kg/m3)"},
    {{"Label36", "Label42"}, "API at 60°F (degr.)"},
    {{"Label40", "Label47"}, "API Gravity at 60°F (degr.)"},
    {{"Label39", "Label45"}, "Actual (kg/m3)"},
    {{"Label2", "Label5", "Label19", "Label22", "Label38", "Label41", "Label44", "Label48"}, "Temperature"},
    {{"Button5", "Button6", "Button9", "Button10"}, "Calculate -->>"},
    {{"Button1", "Button2", "Button3", "Button4", "Button7", "Button8", "Button11", "Button12"}, "Calculate"},
    {{"RadioButton2", "RadioButton5", "RadioButton8", "RadioButton11", "RadioButton14", "RadioButton17"},
     "Oil products"},
    {{"Panel1", "Panel15", "Panel11", "Panel2"}, "US Gallons"},
    {{"Panel12", "Panel13", "Panel14"}, "kg/cm2"},
    {{"Label33", "Label34", "Label35"}, "(0 .... 1499,6)"},
};

TEST_F(MainWindowTest, RoomForTheEnglishCaptions)
{
    showForm();
    const QSize size = form().size();
    for (const Caption& caption : kEnglishCaptions) {
        for (const char* name : caption.names) {
            QWidget* w = get<QWidget>(name);
            ASSERT_TRUE(w);
            const QString text = QString::fromUtf8(caption.english);
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setText(text);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                button->setText(text);
        }
    }
    get<QGroupBox>("GroupBox2")->setTitle(QStringLiteral("Calculation of actual density"));
    const QStringList faults = layoutFaults(form());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(form().size(), size);
}

}  // namespace
