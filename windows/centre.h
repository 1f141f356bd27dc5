// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Centres a window on the whole screen (not the work area) by its outer size, left first,
// then top. A window manager that frames windows (as X11 ones do) tells the frame only once
// the window is shown; the window is then centred once more, by its framed size, as soon as
// the frame is known.
void centreOnScreen(QWidget& window);
