#pragma once

#include <QWidget>

class CEditEx;

// A date typed as day, month and year into three fields of two, two and four digits, with
// the hint "ZZ-LL-AAAA". It does not judge the date: the forms check the three texts with
// CheckDate and say what is wrong in their own words.
class CDateInput : public QWidget {
  Q_OBJECT

 public:
  // The fields are named <name>_zi, <name>_luna and <name>_an.
  explicit CDateInput(const QString& name, QWidget* parent = nullptr);

  static QString Hint() { return QStringLiteral("ZZ-LL-AAAA"); }

  QString Day() const;
  QString Month() const;
  QString Year() const;

  // Year, month and day as typed, month and day padded to two digits (20090604). 0 only
  // when all three fields are empty: a partly filled date never reads as "no date", and
  // fields holding only zeros read kZerosTyped.
  [[nodiscard]] int Value() const;
  static constexpr int kZerosTyped = -1;
  // Shows an eight-digit date; 0 empties the three fields.
  void SetValue(int date);

 private:
  CEditEx* day_;
  CEditEx* month_;
  CEditEx* year_;
};
