#include "help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "message_box.h"
#include "text/catalogue.h"

namespace shell {

namespace {

HelpOpener& opener()
{
    static HelpOpener instance;
    return instance;
}

}  // namespace

void setHelpOpener(HelpOpener o)
{
    opener() = std::move(o);
}

QString helpPagePath(const QString& programFolder, const QString& pageFile)
{
    // the catalogue writes the language folder with a backslash
    QString prefix = catalogueEntry(text::WindowKey::HelpLanguagePrefix);
    prefix.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programFolder + QStringLiteral("Help/") + prefix + pageFile;
}

void openHelpPage(QWidget* owner, const QString& programFolder, const QString& pageFile, const QString& shownName)
{
    const QFileInfo page(helpPagePath(programFolder, pageFile));
    // without the folder there is nothing to report a file of
    if (!page.dir().exists())
        return;
    if (!page.isFile()) {
        showAttention(owner, catalogueEntry(density::MsgKey::MsgFilePrefix) +
                                 (shownName.isEmpty() ? pageFile : shownName) +
                                 catalogueEntry(density::MsgKey::MsgFileNotFoundSuffix));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

}  // namespace shell
