#include "file_reasons.h"

#include <QDir>
#include <QFile>

#include "files/system_error.h"
#include "message_box.h"

namespace shell {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(files::systemReason(error));
}

}  // namespace

QString readFailureReason(const files::ReadOutcome& outcome, std::uintmax_t limit)
{
    switch (outcome.status) {
    case files::ReadStatus::Read:
        break;
    case files::ReadStatus::NotRegular:
        return catalogueEntry(text::WindowKey::TextNotRegularFile);
    case files::ReadStatus::TooLarge:
        return catalogueEntry(text::WindowKey::TextFileLargerPrefix) + QString::number(limit >> 20) +
               catalogueEntry(text::WindowKey::TextMegabytesSuffix);
    case files::ReadStatus::Missing:
    case files::ReadStatus::Failed:
        return systemReason(outcome.error);
    }
    return {};
}

QString writeFailureReason(const files::WriteOutcome& outcome, const QString& path)
{
    switch (outcome.status) {
    case files::WriteStatus::Written:
        break;
    case files::WriteStatus::NotRegular: {
        const QString target = QFile::decodeName(QByteArray::fromStdString(outcome.target));
        QString reason = catalogueEntry(text::WindowKey::TextNotRegularFile);
        if (target != path)
            reason += QStringLiteral(": ") + QDir::toNativeSeparators(target);
        return reason;
    }
    case files::WriteStatus::Failed:
        return systemReason(outcome.error);
    }
    return {};
}

}  // namespace shell
