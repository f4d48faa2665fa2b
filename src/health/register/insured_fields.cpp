#include "health/register/insured_fields.h"

namespace {

using R = InsuredRecord;

// A column read and written with the row that has no input of its own on the insured form.
FieldDef<R> RowOnly(const char* column, QString R::*member) {
  return {.column = column,
          .objectName = "",
          .caption = "",
          .member = member,
          .use = FieldUse::kRowOnly};
}

// Names are kept to 50 characters, narrower than their columns.
constexpr int kNameLength = 50;

}  // namespace

const FieldTable<InsuredRecord>& InsuredFieldTable() {
  static const FieldTable<InsuredRecord> table{
      "asigurati",
      "asigurati",
      {},
      {RowOnly("CF", &R::cf), RowOnly("CAS", &R::cas), RowOnly("NUME", &R::nume),
       RowOnly("PRENUME", &R::prenume), RowOnly("CNP", &R::cnp), RowOnly("INTRARE", &R::intrare),
       RowOnly("IESIRE", &R::iesire), RowOnly("FORMA", &R::forma)}};
  return table;
}

const FieldTable<InsuredFields>& InsuredFormFieldTable() {
  static const FieldTable<InsuredFields> table{
      "asigurati",
      "asigurati",
      {""},
      {{"NUME", "nume", "Nume:", &InsuredFields::nume, Typing::kUpper, 0, kNameLength},
       {"PRENUME", "prenume", "Prenume:", &InsuredFields::prenume, Typing::kUpper, 0, kNameLength},
       {"CNP", "cnp", "CNP:", &InsuredFields::cnp, Typing::kDigits},
       {"INTRARE", "intrare", "Data angajarii:", &InsuredFields::hiring}}};
  return table;
}
