#pragma once

#include <QPixmap>

// The built-in strip of twenty 10x10 bookmark icons: digits 0-9 on blue for bookmarks set in
// the hex field, then 0-9 on green for bookmarks set in the character field.
[[nodiscard]] QPixmap hexBookmarkIcons();
