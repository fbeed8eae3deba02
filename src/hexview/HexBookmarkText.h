#pragma once

#include "HexTypes.h"

#include <QString>

// Bookmarks as one text value. Written as "$" and ten 8-byte records (position, little-endian
// 32 bits; in-character-field flag; three zero bytes), each byte one character; empty when no
// bookmark is set. Read in that form or in the checksummed hex form.
[[nodiscard]] QString hexBookmarksToString(const HexBookmarks& bookmarks);
// Raises HexEditorError "Invalid bookmark format" on any deviation; an empty text clears all.
[[nodiscard]] HexBookmarks hexBookmarksFromString(const QString& text);
