#pragma once

#include <QLabel>
#include <QString>
#include <vector>

#include "store/field_table.h"
#include "ui/c_record_form.h"
#include "ui/typing_rules.h"

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
      if (field.use == FieldUse::kRowOnly) continue;
      const int length = FieldLength(table_.database, table_.table, field.column, field.limit);
      QWidget* input = CreateInput(form, field.Kind(), field.objectName, length, field.typing);
      inputs_.push_back(input);
      shown_.push_back(&field);
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
            } else if constexpr (std::is_same_v<decltype(member), int Record::*>) {
              ShowDate(*inputs_[i], record.*member);
            }  // a computed column has no input
          },
          shown_[i]->member);
    }
  }

  void Read(Record& record) const {
    for (size_t i = 0; i < inputs_.size(); ++i) {
      std::visit(
          [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), QString Record::*>) {
              record.*member = ReadText(*inputs_[i]);
            } else if constexpr (std::is_same_v<decltype(member), int Record::*>) {
              record.*member = ReadDate(*inputs_[i]);
            }
          },
          shown_[i]->member);
    }
  }

  QWidget& Input(int position) const { return *inputs_.at(static_cast<size_t>(position)); }

 private:
  const FieldTable<Record>& table_;
  std::vector<QWidget*> inputs_;
  std::vector<const FieldDef<Record>*> shown_;  // the field of each input
};
