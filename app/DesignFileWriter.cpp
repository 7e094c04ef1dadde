#include "DesignFileWriter.h"

#include <QSaveFile>

#include <cerrno>

namespace zentrova {
namespace {

QString Reason(const QSaveFile& file, int error)
{
    if (file.error() == QFileDevice::ResourceError || error == ENOSPC || error == EDQUOT)
        return QStringLiteral("磁盘已满");
    if (error == EACCES || error == EPERM || error == EROFS)
        return QStringLiteral("没有写入权限");
    return file.errorString();
}

}  // namespace

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Reason(file, errno);
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return Reason(file, error);
    }
    if (!file.commit())
        return Reason(file, errno);
    return std::nullopt;
}

}  // namespace zentrova
