#include "CodePages.h"

#include <iconv.h>
#include <memory>

namespace velkaris {

namespace {

std::optional<QByteArray> Convert(QByteArrayView in, const char* to, const char* from,
                                  qsizetype worstGrowth) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    QByteArray out(in.size() * worstGrowth + 4, Qt::Uninitialized);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    return out;
}

} // namespace

std::optional<QString> DecodeCharset(QByteArrayView bytes, const char* charset) {
    const auto utf16 = Convert(bytes, "UTF-16LE", charset, 4);
    if (!utf16)
        return std::nullopt;
    QString text(utf16->size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(static_cast<char16_t>(static_cast<quint8>((*utf16)[2 * i]) |
                                              (static_cast<quint8>((*utf16)[2 * i + 1]) << 8)));
    return text;
}

std::optional<QByteArray> EncodeCharset(const QString& text, const char* charset) {
    QByteArray utf16(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        utf16[2 * i] = static_cast<char>(text[i].unicode() & 0xFF);
        utf16[2 * i + 1] = static_cast<char>(text[i].unicode() >> 8);
    }
    return Convert(utf16, charset, "UTF-16LE", 2);
}

} // namespace velkaris
