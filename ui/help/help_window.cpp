#include "help_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "find_bar.h"
#include "settings/window_place.h"
#include "shell/help.h"

namespace gui {

namespace {

QAction* item(QToolBar* bar, const char* name, QStyle::StandardPixmap icon, const QList<QKeySequence>& keys)
{
    auto* action = bar->addAction(bar->style()->standardIcon(icon), QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    auto* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // pages of the web go to the desktop's browser, the program's own open here
    m_browser->setOpenExternalLinks(true);
    m_find = findBarFor(m_browser, this);

    m_back = item(bar, "actionHelpBack", QStyle::SP_ArrowBack, QKeySequence::keyBindings(QKeySequence::Back));
    m_forward =
        item(bar, "actionHelpForward", QStyle::SP_ArrowForward, QKeySequence::keyBindings(QKeySequence::Forward));
    QAction* home = item(bar, "actionHelpHome", QStyle::SP_DirHomeIcon, {QKeySequence(Qt::ALT | Qt::Key_Home)});
    bar->addSeparator();
    QAction* findItem =
        item(bar, "actionHelpFind", QStyle::SP_FileDialogContentsView, QKeySequence::keyBindings(QKeySequence::Find));
    QAction* browserItem = item(bar, "actionHelpOpenInBrowser", QStyle::SP_DesktopIcon, {});
    QAction* closeItem = item(bar, "actionHelpClose", QStyle::SP_DialogCloseButton,
                              {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_browser, 1);
    column->addWidget(m_find);
    setCentralWidget(central);

    connect(m_back, &QAction::triggered, this, &HelpWindow::back);
    connect(m_forward, &QAction::triggered, this, &HelpWindow::forward);
    connect(home, &QAction::triggered, this, &HelpWindow::goHome);
    connect(findItem, &QAction::triggered, this, &HelpWindow::find);
    connect(browserItem, &QAction::triggered, this, &HelpWindow::openInBrowser);
    connect(closeItem, &QAction::triggered, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);

    move(60, 40);
    resize(800, 600);
}

void HelpWindow::showPage(const QUrl& page, const QUrl& home, QWidget* owner)
{
    adoptOwner(owner);
    turnTo(page, home);
    showNormal();
    raise();
    activateWindow();
    m_browser->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::turnTo(const QUrl& page, const QUrl& home)
{
    m_home = home;
    useStyleSheetOf(home);
    m_browser->setSource(page);
}

// The pages' style sheet beside the contents page or one folder up (the
// English pages share the Russian one). The browser reads a page's own link
// to it only for the first page; as the document's default it holds for all.
void HelpWindow::useStyleSheetOf(const QUrl& home)
{
    QDir folder = QFileInfo(home.toLocalFile()).dir();
    for (int up = 0; up < 2; ++up, folder.cdUp()) {
        QFile css(folder.filePath(QStringLiteral("help.css")));
        if (css.size() < 1024 * 1024 && css.open(QIODevice::ReadOnly)) {
            m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
            return;
        }
    }
}

// A window that runs modally (the table editor) lets no other window take
// input but its own: there the help window becomes one of its windows.
void HelpWindow::adoptOwner(QWidget* owner)
{
    QWidget* parent = owner && owner->isModal() ? owner : nullptr;
    if (parentWidget() == parent)
        return;
    const bool shown = isVisible();
    const QPoint corner = settings::frameCorner(this);
    const QSize outer = settings::outerSize(this);
    setParent(parent, windowFlags());
    if (shown)
        settings::placeWindow(this, corner, corner, outer);
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

void HelpWindow::back()
{
    m_browser->backward();
}

void HelpWindow::forward()
{
    m_browser->forward();
}

void HelpWindow::goHome()
{
    if (m_home.isValid())
        m_browser->setSource(m_home);
}

void HelpWindow::find()
{
    m_find->open();
}

void HelpWindow::openInBrowser()
{
    if (currentPage().isValid())
        shell::openInBrowser(currentPage());
}

void HelpWindow::showTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Vantorel") : title);
}

}  // namespace gui
