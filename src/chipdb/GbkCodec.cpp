#include "chipdb/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

// A fresh converter for every text: a converter's error flag outlives resetState(), so a reused
// encoder would refuse every name after the first one that failed.
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
