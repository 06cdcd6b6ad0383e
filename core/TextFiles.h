#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace velkaris {

/// Lines as the Windows program writes its text files: UTF-16LE with a byte-order mark,
/// each line ended by CR LF.
QByteArray EncodeWindowsText(const QStringList& lines);

/// Text of a file: by its byte-order mark UTF-16LE, UTF-16BE or UTF-8, without one
/// Windows-1250. A trailing odd byte of UTF-16 text is dropped.
QString DecodeWindowsText(QByteArrayView bytes);

/// Writes `bytes` to a temporary file in the target's folder and renames it over the
/// target, so that a failing write never leaves a half-written file; the old file stays
/// whole on failure. The system's error text on failure, nullopt on success.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace velkaris
