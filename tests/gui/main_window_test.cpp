#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "settings/indicator_table.h"
#include "support/main_window_fixture.h"
#include "support/modal_answer.h"
#include "ui/main/page_control.h"
#include "ui/main/unit_indicator.h"

namespace {

using Names = std::vector<const char*>;

QStringList pageNames(const QTabWidget* pages)
{
    QStringList out;
    for (int i = 0; i < pages->count(); ++i)
        out << pages->widget(i)->objectName() + QLatin1Char('=') + pages->tabText(i);
    return out;
}

TEST_F(MainWindowTest, PagesAndSubPagesInOrderWithTheirCaptions)
{
    auto* pages = get<QTabWidget>("PageControl1");
    auto* subPages = get<QTabWidget>("PageControl2");
    ASSERT_TRUE(pages && subPages);
    EXPECT_EQ(pageNames(pages), (QStringList{
                                    QStringLiteral("TabSheet1=Плотность по ГОСТ 3900-85 (20°C)"),
                                    QStringLiteral("TabSheet3=Калькулятор по ГОСТ 3900-85 (20°C)"),
                                    QStringLiteral("TabSheet2=Приведение к плотности API (60°F)"),
                                    QStringLiteral("TabSheet4=Плотность по ГОСТ Р 50.2.076-2010 (15°C)"),
                                    QStringLiteral("TabSheet5=Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)"),
                                }));
    EXPECT_EQ(pageNames(subPages), (QStringList{
                                       QStringLiteral("TabSheet6=По ГОСТ 3900-85 (20°C)"),
                                       QStringLiteral("TabSheet7=По ГОСТ Р 50.2.076-2010 (15°C)"),
                                       QStringLiteral("TabSheet8=Внимание!"),
                                   }));
    EXPECT_EQ(subPages->parentWidget()->objectName(), QStringLiteral("TabSheet2"));
}

TEST_F(MainWindowTest, OpensOnTheFirstPageAndSubPage)
{
    showForm();
    EXPECT_EQ(get<QTabWidget>("PageControl1")->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    EXPECT_EQ(get<QTabWidget>("PageControl2")->currentWidget()->objectName(), QStringLiteral("TabSheet6"));
}

TEST_F(MainWindowTest, TabsWrapToRowsThatFitTheWindowAndAClickSwitchesThePage)
{
    showForm();
    auto* pages = get<QTabWidget>("PageControl1");
    auto* bar = form().pageControl()->rows();
    EXPECT_GT(bar->rowCount(), 1);
    for (int i = 0; i < pages->count(); ++i) {
        const QRect r = bar->wrappedTabRect(i);
        EXPECT_TRUE(bar->rect().contains(r)) << i;
        EXPECT_GE(r.width(), bar->fontMetrics().horizontalAdvance(pages->tabText(i))) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(r.intersects(bar->wrappedTabRect(j))) << i << " " << j;
    }
    // each tab selects its own page, wherever its row lies
    for (int i : {4, 2, 0, 3, 1}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->wrappedTabRect(i).center());
        EXPECT_EQ(pages->currentIndex(), i);
        EXPECT_EQ(bar->wrappedTabRect(i).bottom(), bar->rect().bottom()) << "current row next to the page";
    }
}

TEST_F(MainWindowTest, WindowIsFixedSizeWithoutMaximise)
{
    showForm();
    const QSize size = form().size();
    EXPECT_EQ(form().minimumSize(), size);
    EXPECT_EQ(form().maximumSize(), size);
    EXPECT_FALSE(form().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form().windowFlags() & Qt::WindowCloseButtonHint);
    form().resize(size + QSize(100, 100));
    EXPECT_EQ(form().size(), size);
    form().showMaximized();
    EXPECT_EQ(form().size(), size);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vantorel"));
    EXPECT_FALSE(form().windowIcon().isNull());
}

TEST_F(MainWindowTest, Memo1IsNeverVisibleOnAnyPage)
{
    showForm();
    auto* pages = get<QTabWidget>("PageControl1");
    auto* memo = get<QPlainTextEdit>("Memo1");
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        EXPECT_FALSE(memo->isVisible()) << i;
    }
}

TEST_F(MainWindowTest, CreationStateOfFieldsChoicesAndButtons)
{
    for (QLineEdit* edit : form().findChildren<QLineEdit*>())
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    for (QCheckBox* box : form().findChildren<QCheckBox*>())
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    // "Нефтепродукты" in all six groups, with the density range as hint
    const QStringList hints = {QStringLiteral("Плотность от 611,2 до 1163,8 кг/м3"),
                               QStringLiteral("Плотность от 611,2 до 1163,9 кг/м3"),
                               QStringLiteral("Плотность от 801,3 до 1163,9 кг/м3")};
    for (int n = 1; n <= 18; ++n) {
        auto* radio = form().component<QRadioButton>(QStringLiteral("RadioButton%1").arg(n));
        ASSERT_TRUE(radio) << n;
        EXPECT_EQ(radio->isChecked(), (n - 1) % 3 == 1) << n;
        EXPECT_EQ(radio->toolTip(), hints[(n - 1) % 3]) << n;
    }
    for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
        auto* chain = get<QToolButton>(name);
        ASSERT_TRUE(chain);
        EXPECT_FALSE(chain->isEnabled()) << name;
        EXPECT_EQ(chain->size(), QSize(43, 22)) << name;
        EXPECT_TRUE(chain->autoRaise()) << name;
    }
    for (int n = 5; n <= 10; ++n) {
        auto* help = form().component<QToolButton>(QStringLiteral("SpeedButton%1").arg(n));
        ASSERT_TRUE(help) << n;
        EXPECT_TRUE(help->isEnabled()) << n;
        EXPECT_EQ(help->size(), QSize(23, 22)) << n;
        EXPECT_FALSE(help->icon().isNull()) << n;
    }
    // the excess-pressure fields follow their unchecked boxes
    for (const char* name : {"Edit29", "Edit30", "Edit31"})
        EXPECT_FALSE(get<QLineEdit>(name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, ChainGlyphDiffersBetweenEnabledAndDisabled)
{
    auto* chain = get<QToolButton>("SpeedButton1");
    const QIcon icon = chain->icon();
    const QImage on = icon.pixmap(QSize(32, 16), QIcon::Normal).toImage();
    const QImage off = icon.pixmap(QSize(32, 16), QIcon::Disabled).toImage();
    ASSERT_FALSE(on.isNull());
    EXPECT_NE(on, off);
    // red when enabled, no red when disabled
    const QColor middle = on.pixelColor(16, 4);
    EXPECT_GT(middle.red(), 150);
    EXPECT_LT(middle.green(), 100);
    EXPECT_LT(off.pixelColor(16, 4).red() - off.pixelColor(16, 4).green(), 30);
}

// Centre colour of an empty edit as the window paints it.
QColor fieldColour(QLineEdit* edit)
{
    const QImage image = edit->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST_F(MainWindowTest, DisabledFieldInButtonFaceEnabledFieldInWindowColour)
{
    showForm();
    get<QTabWidget>("PageControl1")->setCurrentIndex(3);
    auto* edit = get<QLineEdit>("Edit29");
    const QPalette palette = edit->palette();
    edit->setEnabled(false);
    EXPECT_EQ(fieldColour(edit), palette.color(QPalette::Active, QPalette::Button));
    edit->setEnabled(true);
    EXPECT_EQ(fieldColour(edit), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_NE(palette.color(QPalette::Active, QPalette::Button), palette.color(QPalette::Active, QPalette::Base));
}

struct MenuEntry {
    const char* name;  // a submenu is a QMenu, an item a QAction
    const char* caption;  // "-" for a separator
    Names children;
};

const MenuEntry kMainMenu[] = {
    {"N1", "Файл", {"N5", "N2", "N4"}},
    {"N79", "Настройки", {"N80", "N81", "N82", "N104", "N105"}},
    {"N80", "Сбросить все температуры", {"N83", "N84"}},
    {"N81", "Сбросить все объемы", {"N85", "N86", "N87"}},
    {"N82", "Сбросить все давления", {"N88", "N89", "N90", "N91"}},
    {"N105", "Язык", {"N106", "N107"}},
    {"N3", "Помощь", {"N7", "N6", "N8"}},
};

const std::pair<const char*, const char*> kMenuItems[] = {
    {"N5", "Править таблицу ГОСТ 3900-85"},
    {"N2", "-"},
    {"N4", "Закрыть"},
    {"N83", "Градусы Цельсия (°C)"},
    {"N84", "Градусы Фаренгейта (°F)"},
    {"N85", "Кубометры (1000 л.)"},
    {"N86", "US Gallons (3,78541 л.)"},
    {"N87", "Barrels (158,988 л.)"},
    {"N88", "Мегапаскаль (MPa)"},
    {"N89", "Бар (bar)"},
    {"N90", "Техническая атмосфера (ат , кг/см2 , кгс/см2)"},
    {"N91", "Фунт на квадратный дюйм (psi)"},
    {"N104", "-"},
    {"N106", "Русский"},
    {"N107", "Английский"},
    {"N7", "Справка"},
    {"N6", "-"},
    {"N8", "О программе..."},
};

// The names of a menu's entries in order: submenus by their menu's name.
QStringList entryNames(const QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->menu() ? a->menu()->objectName() : a->objectName());
    return out;
}

TEST_F(MainWindowTest, MainMenuTreeInOrder)
{
    auto* bar = get<QMenuBar>("MainMenu1");
    ASSERT_TRUE(bar);
    QStringList top;
    for (QAction* a : bar->actions())
        top << (a->menu() ? a->menu()->objectName() : QString());
    EXPECT_EQ(top, (QStringList{"N1", "N79", "N3"}));
    for (const MenuEntry& entry : kMainMenu) {
        auto* menu = get<QMenu>(entry.name);
        ASSERT_TRUE(menu) << entry.name;
        EXPECT_EQ(menu->title(), QString::fromUtf8(entry.caption)) << entry.name;
        QStringList expected;
        for (const char* child : entry.children)
            expected << QString::fromLatin1(child);
        EXPECT_EQ(entryNames(menu), expected) << entry.name;
    }
    for (const auto& [name, caption] : kMenuItems) {
        auto* action = get<QAction>(name);
        ASSERT_TRUE(action) << name;
        if (std::string(caption) == "-") {
            EXPECT_TRUE(action->isSeparator()) << name;
            continue;
        }
        EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << name;
        EXPECT_TRUE(action->shortcut().isEmpty()) << name;
        EXPECT_EQ(action->isChecked(), std::string(name) == "N106") << name;
        EXPECT_EQ(action->icon().isNull(), std::string(name) != "N7") << name;
    }
}

class EveryIndicator : public MainWindowTest, public ::testing::WithParamInterface<settings::IndicatorEntry> {};

TEST_P(EveryIndicator, PanelWithItsPopupItemsAndField)
{
    const settings::IndicatorEntry& entry = GetParam();
    auto* panel = get<gui::UnitIndicator>(entry.panel);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->toolTip(), QStringLiteral("Для смены единиц : правая кнопка мыши или двойной клик"));
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);

    QMenu* popup = panel->popup();
    const QList<QAction*> actions = popup->actions();
    const int units = density::unitCount(entry.kind);
    ASSERT_EQ(int(entry.unitItems.size()), units);
    ASSERT_EQ(actions.size(), units + 2);
    for (int i = 0; i < units; ++i) {
        QAction* item = actions[i];
        EXPECT_EQ(item, panel->unitItems()[i]);
        // the same caption as the unit's item in the "reset all" menu
        const char* reset = entry.kind == density::UnitKind::Temperature ? "N80"
                            : entry.kind == density::UnitKind::Volume    ? "N81"
                                                                         : "N82";
        EXPECT_EQ(item->text(), get<QMenu>(reset)->actions().value(i)->text());
        EXPECT_TRUE(item->isCheckable());
        EXPECT_EQ(item->isChecked(), i == 0) << entry.unitItems[i];
        ASSERT_TRUE(item->actionGroup());
        EXPECT_TRUE(item->actionGroup()->isExclusive());
        EXPECT_EQ(item->actionGroup(), actions[0]->actionGroup());
    }
    EXPECT_TRUE(actions[units]->isSeparator());
    QAction* recalc = actions[units + 1];
    EXPECT_EQ(recalc, panel->recalcItem());
    EXPECT_EQ(recalc->text(), QStringLiteral("Пересчитать при смене единиц"));
    EXPECT_TRUE(recalc->isCheckable() && recalc->isChecked());
    EXPECT_EQ(recalc->actionGroup(), nullptr);

    // picking another unit keeps one mark in the menu
    actions[units - 1]->trigger();
    EXPECT_FALSE(actions[0]->isChecked());

    // the field beside it, in the same box; the range label after it
    ASSERT_TRUE(panel->field());
    EXPECT_EQ(panel->field()->parentWidget(), panel->parentWidget());
    if (entry.rangeLabel) {
        ASSERT_TRUE(panel->rangeLabel());
        EXPECT_EQ(panel->rangeLabel()->parentWidget(), panel->parentWidget());
    } else {
        EXPECT_EQ(panel->rangeLabel(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, EveryIndicator, ::testing::ValuesIn(settings::indicatorTable()),
                         [](const ::testing::TestParamInfo<settings::IndicatorEntry>& info) {
                             return std::string(info.param.panel);
                         });

// Each name of the table is one object of the window, and no two rows share one.
TEST_F(MainWindowTest, IndicatorTableNamesEveryItemOnce)
{
    QStringList names;
    for (const settings::IndicatorEntry& entry : settings::indicatorTable()) {
        names << entry.panel << entry.popup << entry.separator << entry.recalcItem << entry.field;
        for (const char* item : entry.unitItems)
            names << item;
        if (entry.rangeLabel)
            names << entry.rangeLabel;
    }
    for (const QString& name : names)
        EXPECT_EQ(form().findChildren<QObject*>(name).size(), 1) << name.toStdString();
    const int count = names.size();
    names.removeDuplicates();
    EXPECT_EQ(names.size(), count);
    EXPECT_EQ(settings::indicatorTable().size(), 19u);
    EXPECT_EQ(form().indicators().size(), 19u);
}

TEST_F(MainWindowTest, RightClickOnAPanelOpensItsPopup)
{
    showForm();
    auto* panel = get<gui::UnitIndicator>("Panel3");
    QContextMenuEvent event(QContextMenuEvent::Mouse, panel->rect().center(), panel->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(panel, &event);
    EXPECT_TRUE(panel->popup()->isVisible());
    panel->popup()->close();

    int doubleClicks = 0;
    QObject::connect(panel, &gui::UnitIndicator::doubleClicked, [&] { ++doubleClicks; });
    QTest::mouseDClick(panel, Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(MainWindowTest, EditTableItemOpensTheEditorModally)
{
    showForm();
    bool modal = false;
    ModalAnswer answer([&](QWidget* window) {
        modal = window == &m_editor && window->isModal();
        window->close();
    });
    get<QAction>("N5")->trigger();
    EXPECT_TRUE(answer.answered());
    EXPECT_TRUE(modal);
    EXPECT_FALSE(m_editor.isVisible());
    EXPECT_TRUE(form().isVisible());
}

TEST_F(MainWindowTest, CloseItemClosesTheWindow)
{
    showForm();
    get<QAction>("N4")->trigger();
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(m_boxes.requests.empty());
}

}  // namespace
