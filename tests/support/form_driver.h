#pragma once

#include <QString>
#include <Qt>

class CListViewEx;
class QWidget;

// Drives a form as a user does, by the object names of its inputs. A missing input fails
// the test.

// Replaces the text of the input, typed one key at a time (letters outside Latin-1 too).
void Retype(QWidget& form, const char* name, const QString& text);
// The input's text; "<no field>" when the form has no such input.
QString FieldText(QWidget& form, const char* name);
// Replaces the three inputs of a date, "<prefix>_zi", "<prefix>_luna" and "<prefix>_an".
void RetypeDate(QWidget& form, const char* prefix, const QString& day, const QString& month,
                const QString& year);
// Moves the drop-down list to the entry at this position with the arrow keys.
void ChooseEntry(QWidget& form, const char* name, int position);
// Clicks the button with this object name; a missing button fails the test.
void Click(QWidget& form, const char* name);
// Clicks a list's row, as a user selecting it.
void SelectRow(CListViewEx& list, int row);
// A key pressed where the user is typing (the form itself when nothing has the focus).
void Press(QWidget& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
