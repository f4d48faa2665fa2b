#pragma once

#include <QString>
#include <algorithm>
#include <initializer_list>
#include <variant>
#include <vector>

#include "common/number_texts.h"
#include "store/c_client.h"
#include "store/columns.h"

// How the letters of a form's field are typed: names in upper case, e-mail addresses in
// lower case, codes and numbers digits only; everything else as typed.
enum class Typing { kAsTyped, kUpper, kLower, kDigits };

// A form's fields, each written once: the column it fills, the input's object name, its
// caption, its group on the form, its typing rule and the record member it holds. The
// input's length is the column's width from the schema's table definitions, unless the form
// keeps to a narrower limit. Showing, reading, loading and writing a record are loops over
// the table; fields with rules of their own (a county with its sector, a radio choice) stay
// with their form.

// Whether a field has an input on the form and a column (kForm), a column only, read and
// written with the row (kRowOnly: the fiscal code of an insured person's company, a choice
// the form makes from a list), or an input only (kFormOnly: a figure the form computes and
// shows but does not store).
enum class FieldUse { kForm, kRowOnly, kFormOnly };

enum class FieldKind {
  kText,  // a line of text, in a QString member
  kDate,  // day, month and year (CDateInput), in an eight-digit int member
};

// A column whose stored text is not a member as it is (a flag stored "1"/"0", a position in
// a code list stored as its code): how the record gives it and takes it back.
template <class Record>
struct ComputedColumn {
  QString (*write)(const Record& record);
  void (*read)(Record& record, const QString& stored);
};

template <class Record>
struct FieldDef {
  using Member = std::variant<QString Record::*, int Record::*, ComputedColumn<Record>>;

  const char* column;      // as the client names it, upper case: "DENUMIRE"
  const char* objectName;  // "denumire"
  const char* caption;     // "Denumire:"
  Member member;
  Typing typing = Typing::kAsTyped;
  int group = 0;               // position in FieldTable::groups
  int limit = 0;               // a limit narrower than the column's width; 0: the width
  const char* hint = nullptr;  // shown after the input: "(de forma: J40/1234/2003)"
  FieldUse use = FieldUse::kForm;
  bool beside = false;    // stands on its predecessor's row of the form
  bool computed = false;  // shown, never typed: the form computes it

  FieldKind Kind() const { return member.index() == 1 ? FieldKind::kDate : FieldKind::kText; }
};

template <class Record>
struct FieldTable {
  const char* database;
  const char* table;
  std::vector<const char*> groups;  // titles of the form's groups; "" for an unframed one
  std::vector<FieldDef<Record>> fields;
};

// The number of characters an input takes: the limit, the column's width, or the narrower of
// the two; 0 when the column is not a text column of the table and no limit is given.
[[nodiscard]] int FieldLength(const char* database, const char* table, const char* column,
                              int limit);

// The table's fields of a record from a row (the first by default) of the client's last
// stored query.
template <class Record>
void LoadFields(const CClient& client, const FieldTable<Record>& table, Record& record,
                int row = 0) {
  for (const FieldDef<Record>& field : table.fields) {
    if (field.use == FieldUse::kFormOnly) continue;
    const QString value = client.GetField(row, QLatin1String(field.column));
    std::visit(
        [&](auto member) {
          if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
            record.*member = value;
          } else if constexpr (std::is_same_v<decltype(member), int Record::*>) {
            record.*member = static_cast<int>(LeadingInteger(value));
          } else {
            member.read(record, value);
          }
        },
        field.member);
  }
}

// The table's fields of a record as the columns of an audited write, in the table's order.
// A column named in `except` is left out: the write keeps the row's stored value.
template <class Record>
[[nodiscard]] Columns FieldColumns(const FieldTable<Record>& table, const Record& record,
                                   std::initializer_list<const char*> except = {}) {
  Columns columns;
  columns.reserve(table.fields.size());
  for (const FieldDef<Record>& field : table.fields) {
    if (field.use == FieldUse::kFormOnly) continue;
    if (std::any_of(except.begin(), except.end(), [&field](const char* column) {
          return QLatin1String(column) == QLatin1String(field.column);
        })) {
      continue;
    }
    std::visit(
        [&](auto member) {
          if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
            columns.push_back({QLatin1String(field.column), record.*member});
          } else if constexpr (std::is_same_v<decltype(member), int Record::*>) {
            columns.push_back({QLatin1String(field.column), QString::number(record.*member)});
          } else {
            columns.push_back({QLatin1String(field.column), member.write(record)});
          }
        },
        field.member);
  }
  return columns;
}
