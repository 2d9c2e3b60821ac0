// How the desktop tells a program's windows apart: the name of its desktop
// entry as the window class (X11) and application id (Wayland), so docks
// group the windows under the entry and pin it, and an icon in every size
// the desktop asks for instead of one small bitmap.
#pragma once

#include <QIcon>
#include <string>

namespace shell {

// The icon theme's icon of that name (installed with the program in 48 and
// 256 pixels and scalable), else the copy the program carries in its
// resources (":/desktop/<desktopId>-48.png" and "-256.png").
QIcon programIcon(const std::string& desktopId);

// After the QApplication exists and before any window opens: the window
// class, the desktop entry and the icon of every window of the program.
void identifyProgram(const std::string& desktopId);

}  // namespace shell
