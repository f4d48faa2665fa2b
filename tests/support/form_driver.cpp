#include "support/form_driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ui/c_list_view_ex.h"

void Retype(QWidget& form, const char* name, const QString& text) {
  auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
  ASSERT_NE(edit, nullptr) << name;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (const QChar c : text) {
    const bool plain = c.isLetterOrNumber() && c.unicode() < 128;
    const auto key = plain ? static_cast<Qt::Key>(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
  }
}

void RetypeDate(QWidget& form, const char* prefix, const QString& day, const QString& month,
                const QString& year) {
  const QByteArray name(prefix);
  Retype(form, (name + "_zi").constData(), day);
  Retype(form, (name + "_luna").constData(), month);
  Retype(form, (name + "_an").constData(), year);
}

QString FieldText(QWidget& form, const char* name) {
  auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
  return edit != nullptr ? edit->text() : QStringLiteral("<no field>");
}

void ChooseEntry(QWidget& form, const char* name, int position) {
  auto* list = form.findChild<QComboBox*>(QLatin1String(name));
  ASSERT_NE(list, nullptr) << name;
  ASSERT_LT(position, list->count()) << name;
  while (list->currentIndex() < position) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > position) QTest::keyClick(list, Qt::Key_Up);
}

void Click(QWidget& form, const char* name) {
  auto* button = form.findChild<QAbstractButton*>(QLatin1String(name));
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

void SelectRow(CListViewEx& list, int row) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualRect(list.Model().index(row, 0)).center());
}

void Press(QWidget& form, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = form.focusWidget() != nullptr ? form.focusWidget() : &form;
  QTest::keyClick(target, key, modifiers);
}
