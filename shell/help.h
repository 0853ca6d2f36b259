#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Help pages beside the program, handed to the desktop's viewer.
namespace shell {

// Hands a local file to the desktop; false when nothing could open it.
using HelpOpener = std::function<bool(const QUrl&)>;
// Replaces the opener (an empty function restores the desktop's).
void setHelpOpener(HelpOpener opener);

// <programFolder>Help/<language prefix><pageFile>, with the prefix of the
// language in force now.
QString helpPagePath(const QString& programFolder, const QString& pageFile);

// Opens the page of the current language. A missing page file is reported
// naming shownName (the page file when empty); a missing Help folder or a
// desktop without a viewer stays silent.
void openHelpPage(QWidget* owner, const QString& programFolder, const QString& pageFile,
                  const QString& shownName = QString());

}  // namespace shell
