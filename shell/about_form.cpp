#include "about_form.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace shell {

namespace {

constexpr int kClientWidth = 312;
constexpr int kClientHeight = 184;
constexpr int kPanelHeight = 137;

QLabel* line(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TO_progr_form::TO_progr_form(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("TO_progr_form"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(kPanelHeight);

    QLabel* title = line(panel, "Label1");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    auto* rule = new QFrame(panel);
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* lines = new QVBoxLayout(panel);
    lines->addWidget(title);
    lines->addWidget(rule);
    lines->addWidget(line(panel, "Label3"));
    lines->addWidget(line(panel, "Label4"));
    lines->addWidget(line(panel, "Label5"));
    lines->addWidget(line(panel, "Label2"));

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("O_progr_but"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(panel);
    layout->addStretch();
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);

    setFixedSize(kClientWidth, kClientHeight);
    setEnabled(false);
}

void TO_progr_form::showFor(QWidget* owner)
{
    m_owner = owner;
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void TO_progr_form::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    if (m_owner)
        m_owner->setEnabled(false);
    m_ok->setFocus(Qt::OtherFocusReason);
}

void TO_progr_form::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (m_owner && !event->spontaneous())
        m_owner->setEnabled(true);
}

}  // namespace shell
