#pragma once

#include <QPixmap>

// The program's own small pictures, drawn rather than shipped as files.
QPixmap ApplicationImage();
// The marker beside an area button: closed (grey) or open (green).
QPixmap IndicatorImage(bool open);
