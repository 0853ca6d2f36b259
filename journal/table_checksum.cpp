#include "table_checksum.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace journal {

QString fileChecksum(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFile::NoError)
        return {};
    hash.addData(bytes);
    return QString::fromLatin1(hash.result().toHex());
}

}  // namespace journal
