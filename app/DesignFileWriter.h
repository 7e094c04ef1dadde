#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace zentrova {

// Writes a design file's bytes, returning why it could not ("磁盘已满",
// "没有写入权限", or the system's reason). Replaceable, so that tests can
// fail a save in ways that root cannot meet on a real disk.
using DesignFileWriter = std::function<std::optional<QString>(const QString& path, const QByteArray& bytes)>;

// Through QSaveFile: the bytes go to a temporary file beside the target,
// which replaces the target only once it is whole, so a failed or broken
// save leaves the old file as it was.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace zentrova
