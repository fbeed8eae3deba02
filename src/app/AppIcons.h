#pragma once

#include <QIcon>
#include <QString>

// The tool-bar images and the program icon, drawn from the SVG sources in icons/ at the size
// the tool bar was designed for (32 x 32), so they need no image plug-in at run time.
namespace AppIcons {

// name: open, save, read, write, erase, verify, auto, bank, fill, device, about, zorvex.
// An unknown name gives a null icon.
[[nodiscard]] QIcon icon(const QString& name);

}  // namespace AppIcons
