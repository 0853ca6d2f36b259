#include "help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "message_box.h"
#include "text/catalogue.h"

namespace shell {

namespace {

BrowserOpener& opener()
{
    static BrowserOpener instance;
    return instance;
}

}  // namespace

void setBrowserOpener(BrowserOpener o)
{
    opener() = std::move(o);
}

bool openInBrowser(const QUrl& url)
{
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

QString helpPagePath(const QString& programFolder, const QString& pageFile)
{
    // the catalogue writes the language folder with a backslash
    QString prefix = catalogueEntry(text::WindowKey::HelpLanguagePrefix);
    prefix.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programFolder + QStringLiteral("Help/") + prefix + pageFile;
}

std::optional<QUrl> findHelpPage(QWidget* owner, const QString& programFolder, const QString& pageFile,
                                 const QString& shownName)
{
    const QFileInfo page(helpPagePath(programFolder, pageFile));
    // without the folder there is nothing to report a file of
    if (!page.dir().exists())
        return std::nullopt;
    if (!page.isFile()) {
        showAttention(owner, catalogueEntry(density::MsgKey::MsgFilePrefix) +
                                 (shownName.isEmpty() ? pageFile : shownName) +
                                 catalogueEntry(density::MsgKey::MsgFileNotFoundSuffix));
        return std::nullopt;
    }
    return QUrl::fromLocalFile(page.absoluteFilePath());
}

}  // namespace shell
