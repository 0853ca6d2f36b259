#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

// Help pages beside the program: found in the language in force, shown in
// the program's help window, handed to the desktop's browser on request.
namespace shell {

// <programFolder>Help/<language prefix><pageFile>, with the prefix of the
// language in force now.
QString helpPagePath(const QString& programFolder, const QString& pageFile);

// The page of the current language. A missing page file is reported naming
// shownName (the page file when empty); a missing Help folder stays silent.
// Nothing in either case.
std::optional<QUrl> findHelpPage(QWidget* owner, const QString& programFolder, const QString& pageFile,
                                 const QString& shownName = QString());

// Hands a page to the desktop's browser; false when nothing could open it.
using BrowserOpener = std::function<bool(const QUrl&)>;
// Replaces the desktop's browser (an empty function restores it).
void setBrowserOpener(BrowserOpener opener);
bool openInBrowser(const QUrl& url);

}  // namespace shell
