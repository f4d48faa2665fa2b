#include "leave/declarations/declaration_fields.h"

namespace {

using V = DeclarationFormValues;

// I can reach one digit more than the amounts it adds.
constexpr int kTotalDigits = kAmountDigits + 1;

// A figure the form computes and shows; `column` is empty for one that is not stored.
FieldDef<V> Computed(const char* column, const char* objectName, const char* caption,
                     QString V::*member, int digits, const char* hint) {
  return {.column = column,
          .objectName = objectName,
          .caption = caption,
          .member = member,
          .typing = Typing::kDigits,
          .limit = digits,
          .hint = hint,
          .use = *column == '\0' ? FieldUse::kFormOnly : FieldUse::kForm,
          .computed = true};
}

}  // namespace

const FieldTable<DeclarationFormValues>& DeclarationFieldTable() {
  constexpr auto digits = Typing::kDigits;
  // The columns are numbers: each input's length is its figure's digits.
  static const FieldTable<DeclarationFormValues> table{
      "concedii",
      "declaratii",
      {""},
      {
          {"ZILE_LUCRATOARE", "zile_lucratoare", "Zile lucratoare in luna:", &V::workingDays,
           digits, 0, kWorkingDaysDigits},
          {"SALARIUL_MINIM", "salariul_minim", "Salariul minim pe economie:", &V::minimumWage,
           digits, 0, kAmountDigits},
          {"NR_ANG", "nr_ang", "D. Numar de angajati:", &V::d, digits, 0, kEmployeesDigits},
          {"FOND_DE_SALARII", "fond_de_salarii", "E. Total fond de salarii brute realizate:", &V::e,
           digits, 0, kAmountDigits},
          Computed("", "baza", "Baza de calcul:", &V::base, kAmountDigits, "*"),
          // The hint is the rate's text, set with the year.
          Computed("CONTRIBUTII_DATORATE", "contributii_datorate",
                   "F. Contributii datorate pentru concedii si \nindemnizatii calculate la "
                   "fondul de salarii:",
                   &V::f, kAmountDigits, ""),
          {"FAAMBP", "faambp", "G. Indemnizatii suportate din FAAMBP:", &V::g, digits, 0,
           kAmountDigits},
          Computed("FAAMBP_DATORAT", "faambp_datorat", "H. Contributii datorate din FAAMBP:", &V::h,
                   kAmountDigits, "= G * 0.85%"),
          Computed("", "total_contributii",
                   "I. Total contributii datorate FNUASS\npentru concedii si indemnizatii:", &V::i,
                   kTotalDigits, "= F + H"),
          {"DE_RECUPERAT_ANTERIOR", "de_recuperat_anterior",
           "K. Suma de recuperat de la FNUASS\npentru lunile anterioare:", &V::k, digits, 0,
           kAmountDigits, "**"},
      }};
  return table;
}
