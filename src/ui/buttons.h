#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A button of a panel or list screen, found by tests under its object name. It is never the
// default button: Enter does nothing on these screens unless they say otherwise.
QPushButton* MakeButton(QWidget* parent, const QString& caption, const char* name);
