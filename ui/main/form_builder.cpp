#include "form_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "unit_indicator.h"

namespace gui::build {

namespace {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* flatButton(QWidget* parent, const char* name, const QIcon& icon, QSize size)
{
    auto* b = named(new QToolButton(parent), name);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(icon);
    b->setIconSize(size - QSize(6, 6));
    b->setFixedSize(size);
    return b;
}

}  // namespace

QLineEdit* edit(QWidget* parent, const char* name)
{
    auto* e = named(new QLineEdit(parent), name);
    // room for a density or a volume with its decimals
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    return e;
}

QLineEdit* pressureEdit(QWidget* parent, const char* name)
{
    QLineEdit* e = edit(parent, name);
    e->setEnabled(false);
    return e;
}

QLabel* label(QWidget* parent, const char* name)
{
    return named(new QLabel(parent), name);
}

QGroupBox* group(QWidget* parent, const char* name)
{
    return named(new QGroupBox(parent), name);
}

QPushButton* button(QWidget* parent, const char* name)
{
    return named(new QPushButton(parent), name);
}

QCheckBox* checkBox(QWidget* parent, const char* name)
{
    return named(new QCheckBox(parent), name);
}

QToolButton* chainButton(QWidget* parent, const char* name)
{
    QIcon arrow;
    arrow.addFile(QStringLiteral(":/icons/chain_on.xpm"), QSize(), QIcon::Normal);
    arrow.addFile(QStringLiteral(":/icons/chain_off.xpm"), QSize(), QIcon::Disabled);
    QToolButton* b = flatButton(parent, name, arrow, QSize(43, 22));
    b->setIconSize(QSize(32, 16));
    b->setEnabled(false);
    return b;
}

QToolButton* helpButton(QWidget* parent, const char* name)
{
    QToolButton* b = flatButton(parent, name, QIcon(QStringLiteral(":/icons/help.xpm")), QSize(23, 22));
    b->setIconSize(QSize(16, 16));
    return b;
}

QGroupBox* productGroup(QWidget* parent, const char* name, int firstRadio, std::array<QRadioButton*, 3>& out)
{
    QGroupBox* box = group(parent, name);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(box);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(firstRadio + i));
        radio->setChecked(i == 1);
        layout->addWidget(radio);
        out[i] = radio;
    }
    return box;
}

UnitIndicator* indicator(QWidget* parent, const char* panel)
{
    const settings::IndicatorEntry* entry = settings::findIndicator(panel);
    Q_ASSERT(entry);
    return new UnitIndicator(*entry, parent);
}

QHBoxLayout* row(std::initializer_list<QWidget*> items)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* w : items) {
        if (w)
            layout->addWidget(w);
        else
            layout->addStretch();
    }
    return layout;
}

QGroupBox* groupRow(QWidget* parent, const char* name, std::initializer_list<QWidget*> items)
{
    QGroupBox* box = group(parent, name);
    box->setLayout(row(items));
    return box;
}

QVBoxLayout* column(QWidget* owner)
{
    return new QVBoxLayout(owner);
}

QHBoxLayout* chainRow(QToolButton* chain, QCheckBox* unlock)
{
    QHBoxLayout* layout = row({nullptr, chain, unlock});
    layout->setContentsMargins(0, 0, 8, 0);
    return layout;
}

QHBoxLayout* helpRow(QToolButton* help)
{
    return row({nullptr, help});
}

void tabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void applyFieldColours(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Button));
    window->setPalette(palette);
}

}  // namespace gui::build
