#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own small pictures, drawn rather than shipped as files.
QPixmap ApplicationImage();
// The window's and the taskbar's icon: the one installed with the menu entry (the same picture
// in every size), or the drawn image when the program runs from its build folder.
QIcon ApplicationIcon();
// The marker beside an area button: closed (grey) or open (green).
QPixmap IndicatorImage(bool open);
