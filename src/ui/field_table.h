#pragma once

#include <QLabel>
#include <QString>
#include <variant>
#include <vector>

#include "store/c_client.h"
#include "store/text_numbers.h"
#include "ui/c_record_form.h"
#include "ui/typing_rules.h"

// A form's fields, each written once: the column it fills, the input's object name, its
// caption, its group on the form, its typing rule and the record member it holds. The
// input's length is the column's width from the schema's table definitions, unless the form
// keeps to a narrower limit. Showing, reading, loading and writing a record are loops over
// the table; fields with rules of their own (a county with its sector, a radio choice) stay
// with their form.

enum class FieldKind {
  kText,  // a line of text, in a QString member
  kDate,  // day, month and year (CDateInput), in an eight-digit int member
};

template <class Record>
struct FieldDef {
  using Member = std::variant<QString Record::*, int Record::*>;

  const char* column;      // as the client names it, upper case: "DENUMIRE"
  const char* objectName;  // "denumire"
  const char* caption;     // "Denumire:"
  Member member;
  Typing typing = Typing::kAsTyped;
  int group = 0;               // position in FieldTable::groups
  int limit = 0;               // a limit narrower than the column's width; 0: the width
  const char* hint = nullptr;  // shown after the input: "(de forma: J40/1234/2003)"

  FieldKind Kind() const { return member.index() == 0 ? FieldKind::kText : FieldKind::kDate; }
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

// The input of a field, with its length, typing rule and a width that suits its length.
QWidget* CreateInput(QWidget& parent, FieldKind kind, const char* objectName, int length,
                     Typing typing);
// Shows its text but takes no typing and no focus (every line edit inside it as well).
void MakeReadOnly(QWidget& input);
void ShowText(QWidget& input, const QString& text);
QString ReadText(const QWidget& input);
void ShowDate(QWidget& input, int date);
int ReadDate(const QWidget& input);

// The inputs of a field table on one form.
template <class Record>
class RecordFields {
 public:
  explicit RecordFields(const FieldTable<Record>& table) : table_(table) {}

  // Creates the inputs and lays them out in new groups of the form; returns the form's
  // number of each of the table's groups, so the form can add its own rows to them.
  std::vector<int> Build(CRecordForm& form) {
    std::vector<int> groups;
    for (const char* title : table_.groups) groups.push_back(form.AddGroup(QLatin1String(title)));
    for (const FieldDef<Record>& field : table_.fields) {
      const int length = FieldLength(table_.database, table_.table, field.column, field.limit);
      QWidget* input = CreateInput(form, field.Kind(), field.objectName, length, field.typing);
      inputs_.push_back(input);
      QWidget* hint = nullptr;
      if (field.hint != nullptr) hint = new QLabel(QLatin1String(field.hint), &form);
      form.AddRow(groups.at(static_cast<size_t>(field.group)), QLatin1String(field.caption), *input,
                  hint);
    }
    return groups;
  }

  void Show(const Record& record) const {
    for (size_t i = 0; i < inputs_.size(); ++i) {
      std::visit(
          [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
              ShowText(*inputs_[i], record.*member);
            } else {
              ShowDate(*inputs_[i], record.*member);
            }
          },
          table_.fields[i].member);
    }
  }

  void Read(Record& record) const {
    for (size_t i = 0; i < inputs_.size(); ++i) {
      std::visit(
          [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
              record.*member = ReadText(*inputs_[i]);
            } else {
              record.*member = ReadDate(*inputs_[i]);
            }
          },
          table_.fields[i].member);
    }
  }

  QWidget& Input(int position) const { return *inputs_.at(static_cast<size_t>(position)); }

 private:
  const FieldTable<Record>& table_;
  std::vector<QWidget*> inputs_;
};

// The table's fields of a record from the first row of the client's last stored query.
template <class Record>
void LoadFields(const CClient& client, const FieldTable<Record>& table, Record& record) {
  for (const FieldDef<Record>& field : table.fields) {
    const QString value = client.GetField(0, QLatin1String(field.column));
    std::visit(
        [&](auto member) {
          if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
            record.*member = value;
          } else {
            record.*member = static_cast<int>(LeadingInteger(value));
          }
        },
        field.member);
  }
}

// The table's fields of a record as the columns of the client's next audited write.
template <class Record>
void AddFieldColumns(CClient& client, const FieldTable<Record>& table, const Record& record) {
  for (const FieldDef<Record>& field : table.fields) {
    std::visit(
        [&](auto member) {
          if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
            client.AddColumn(QLatin1String(field.column), record.*member);
          } else {
            client.AddColumn(QLatin1String(field.column), QString::number(record.*member));
          }
        },
        field.member);
  }
}
