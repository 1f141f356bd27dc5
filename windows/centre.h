#pragma once

class QWidget;

// Centres a window on the whole screen (not the work area) by its outer size, left first,
// then top.
void centreOnScreen(QWidget& window);
