#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

class QAction;
class QTextBrowser;

namespace gui {

class FindBar;

// The program's own help window: the help pages with their links and
// images, back, forward, the contents page, finding in the page, and the
// page handed to the desktop's browser on request. Closing only hides it.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page (a local file) and brings the window up for the window
    // whose help was asked; home is the contents page of the same language.
    void showPage(const QUrl& page, const QUrl& home, QWidget* owner);
    // Another page (the same in another language) where the window stands.
    void turnTo(const QUrl& page, const QUrl& home);
    QUrl currentPage() const;
    QTextBrowser* browser() const { return m_browser; }
    FindBar* findBar() const { return m_find; }

    void back();
    void forward();
    void goHome();
    void find();
    // The page in the desktop's browser.
    void openInBrowser();

private:
    void showTitle();
    void useStyleSheetOf(const QUrl& home);
    void adoptOwner(QWidget* owner);

    QTextBrowser* m_browser;
    FindBar* m_find;
    QUrl m_home;
    QAction* m_back;
    QAction* m_forward;
};

}  // namespace gui
