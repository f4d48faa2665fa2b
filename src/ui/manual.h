#pragma once

#include <QString>

class CManualWindow;
class QWidget;

// The user manual inside the program: one window at a time, opened by F1 in any window at
// that window's section, and by the buttons that point to it.

// Shows the manual at the section with this heading (the start when empty or not in the
// manual) and brings it to the front. The program's forms are modal, so the manual stands
// over the modal window under way, both usable; with none, over `window`.
CManualWindow& ShowManual(const QString& heading = {}, QWidget* window = nullptr);

// The manual window, when one has been opened and not deleted since.
[[nodiscard]] CManualWindow* ManualWindow();

// The section F1 opens for a key pressed in `widget`: its window's own (the class or the
// nearest base class the map names), else that of a control holding the key; empty, for the
// manual's start, when neither has one.
[[nodiscard]] QString ManualSectionFor(const QWidget& widget);

// F1, in every window of the program, opens the manual at that window's section.
void InstallManualKey();
