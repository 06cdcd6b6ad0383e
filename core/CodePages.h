#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace velkaris {

/// 8-bit text of `charset` ("CP1250", "CP852", "ISO-8859-2", ...) as Unicode, through
/// the C library's iconv; nullopt when the bytes are not text of that charset or the
/// charset is unknown.
std::optional<QString> DecodeCharset(QByteArrayView bytes, const char* charset);

/// Unicode text as 8-bit text of `charset`; nullopt when a character has no code there.
std::optional<QByteArray> EncodeCharset(const QString& text, const char* charset);

} // namespace velkaris
