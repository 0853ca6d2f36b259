// "Приведение к плотности API (60°F)": density to API gravity and back through
// either standard, on sub-pages, and the note on the method.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/catalogue.h"
#include "form_builder.h"
#include "pages.h"

namespace gui {

using namespace build;

namespace {

// A calculator frame: its input group, the options of the 15 °C standard when
// given, and the results group with the calculate button beside it.
QGroupBox* calculatorFrame(QWidget* page, const char* name, const char* title, QGroupBox* inputs,
                           std::initializer_list<QWidget*> options, QGroupBox* results, QPushButton* calculate)
{
    QGroupBox* frame = group(page, name, title);
    QVBoxLayout* layout = column(frame);
    layout->addWidget(inputs);
    for (QWidget* option : options)
        layout->addWidget(option);
    QHBoxLayout* resultRow = row({results, calculate});
    resultRow->setAlignment(calculate, Qt::AlignBottom);
    layout->addLayout(resultRow);
    return frame;
}

void addGost20SubPage(QTabWidget* subPages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet6"));
    QVBoxLayout* layout = column(page);

    layout->addWidget(calculatorFrame(
        page, "GroupBox21", "ГОСТ -->> API",
        groupRow(page, "GroupBox22", "Замер по ареометру",
                 {label(page, "Label37", "Плотность (кг/м3)"), edit(page, "Edit32"), nullptr,
                  label(page, "Label38", "Температура"), edit(page, "Edit33"), indicator(page, "Panel16")}),
        {},
        groupRow(page, "GroupBox32", "Расчетная плотность",
                 {label(page, "Label49", "При 20°C (кг/м3)"), edit(page, "Edit45"), nullptr,
                  label(page, "Label36", "API при 60°F (град.)"), edit(page, "Edit34")}),
        button(page, "Button1", "Вычислить")));

    layout->addWidget(calculatorFrame(
        page, "GroupBox23", "API -->> ГОСТ",
        groupRow(page, "GroupBox24", "Параметры",
                 {label(page, "Label40", "Плотность по API при 60°F (град.)"), edit(page, "Edit35"), nullptr,
                  label(page, "Label41", "Температура"), edit(page, "Edit36"), indicator(page, "Panel17")}),
        {},
        groupRow(page, "GroupBox31", "Расчетная плотность",
                 {label(page, "Label50", "При 20°C (кг/м3)"), edit(page, "Edit44"), nullptr,
                  label(page, "Label39", "Фактическая (кг/м3)"), edit(page, "Edit37")}),
        button(page, "Button2", "Вычислить")));

    layout->addStretch();
    layout->addLayout(helpRow(helpButton(page, "SpeedButton9")));
    subPages->addTab(page, QStringLiteral("По ГОСТ 3900-85 (20°C)"));
}

void addGost15SubPage(QTabWidget* subPages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet7"));
    QVBoxLayout* layout = column(page);

    layout->addWidget(calculatorFrame(
        page, "GroupBox25", "ГОСТ -->> API",
        groupRow(page, "GroupBox26", "Замер по ареометру",
                 {label(page, "Label43", "Плотность (кг/м3)"), edit(page, "Edit38"), nullptr,
                  label(page, "Label44", "Температура"), edit(page, "Edit39"), indicator(page, "Panel18")}),
        {checkBox(page, "CheckBox11", "Учитывать температурное расширение стекла ареометра"),
         productGroup(page, "GroupBox27", 13)},
        groupRow(page, "GroupBox33", "Расчетная плотность",
                 {label(page, "Label51", "При 15°C (кг/м3)"), edit(page, "Edit46"), nullptr,
                  label(page, "Label42", "API при 60°F (град.)"), edit(page, "Edit40")}),
        button(page, "Button11", "Вычислить")));

    layout->addWidget(calculatorFrame(
        page, "GroupBox28", "API -->> ГОСТ",
        groupRow(page, "GroupBox29", "Параметры",
                 {label(page, "Label47", "Плотность по API при 60°F (град.)"), edit(page, "Edit41"), nullptr,
                  label(page, "Label48", "Температура"), edit(page, "Edit42"), indicator(page, "Panel19")}),
        {checkBox(page, "CheckBox12", "Учитывать температурное расширение стекла ареометра"),
         productGroup(page, "GroupBox30", 16)},
        groupRow(page, "GroupBox34", "Расчетная плотность",
                 {label(page, "Label52", "При 15°C (кг/м3)"), edit(page, "Edit47"), nullptr,
                  label(page, "Label45", "Фактическая (кг/м3)"), edit(page, "Edit43")}),
        button(page, "Button12", "Вычислить")));

    layout->addStretch();
    layout->addLayout(helpRow(helpButton(page, "SpeedButton10")));
    subPages->addTab(page, QStringLiteral("По ГОСТ Р 50.2.076-2010 (15°C)"));
}

void addNoteSubPage(QTabWidget* subPages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet8"));
    auto* note = new QPlainTextEdit(page);
    note->setObjectName(QStringLiteral("Memo2"));
    note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column(page)->addWidget(note);
    subPages->addTab(page, QString::fromStdString(shell::catalogue().text(density::MsgKey::MsgCaptionAttention)));
}

}  // namespace

void addApiPage(QTabWidget* pages)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* subPages = new QTabWidget(page);
    subPages->setObjectName(QStringLiteral("PageControl2"));
    addGost20SubPage(subPages);
    addGost15SubPage(subPages);
    addNoteSubPage(subPages);
    subPages->setCurrentIndex(0);
    QVBoxLayout* layout = column(page);
    layout->addWidget(subPages);
    pages->addTab(page, QStringLiteral("Приведение к плотности API (60°F)"));
}

}  // namespace gui
