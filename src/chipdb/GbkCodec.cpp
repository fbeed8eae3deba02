#include "chipdb/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

// A fresh converter for every text. Qt 6.4's ICU-backed encoder, when reused, keeps reporting
// the error of an earlier text, and with the Stateless flag reports none at all; a name must be
// refused exactly when it cannot be encoded.
namespace {
constexpr auto kGbk = "GBK";
}

QString decodeGbk(QByteArrayView bytes)
{
    QStringDecoder decoder(kGbk);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encodeGbk(const QString& text)
{
    QStringEncoder encoder(kGbk);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString firstCharacterOutsideGbk(const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!encodeGbk(character))
            return character;
        i += length;
    }
    return {};
}
