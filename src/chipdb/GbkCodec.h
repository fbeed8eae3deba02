#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Chip names are stored in the GBK code page (936). Qt reaches it through ICU.

// Bytes that are not valid GBK decode to U+FFFD; decoding never fails.
[[nodiscard]] QString decodeGbk(QByteArrayView bytes);
// Empty when the text holds a character GBK cannot represent: a name is never stored with a
// silent substitute in place of what the user typed.
[[nodiscard]] std::optional<QByteArray> encodeGbk(const QString& text);
// The first character of text that GBK cannot represent (one or two UTF-16 units), or an empty
// string when it can represent them all: what to name when a text is refused.
[[nodiscard]] QString firstCharacterOutsideGbk(const QString& text);
