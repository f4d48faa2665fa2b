#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window starts so that it and a panel of the given size docked to its right, top
// edges aligned, both lie inside the screen's available area: the pair centred, pushed in
// from the right and bottom edges where it does not fit, never past the left and top edges.
[[nodiscard]] QPoint PlaceWithPanel(const QRect& available, const QSize& window,
                                    const QSize& panel);

// The window that a message box or a chooser opened now belongs over: the active modal form,
// else the active window, else the given fallback.
QWidget* WindowToCentreOver(QWidget* fallback);
