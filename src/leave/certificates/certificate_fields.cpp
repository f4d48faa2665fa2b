#include "leave/certificates/certificate_fields.h"

namespace {

using V = CertificateValues;

// A column the form fills from one of its lists.
FieldDef<V> FromList(const char* column, QString V::*member) {
  return {.column = column,
          .objectName = "",
          .caption = "",
          .member = member,
          .use = FieldUse::kRowOnly};
}

// Both series keep to 5 characters: the house's file holds 5, a longer series would reach it
// cut and name another certificate.
constexpr int kSeriesLimit = 5;
// The day counts are INT columns of two digits; the FNUASS sum keeps to 15 digits, what its
// DOUBLE column returns whole.
constexpr int kDaysDigits = 2;
constexpr int kSumDigits = 15;

}  // namespace

const FieldTable<CertificateValues>& CertificateFieldTable() {
  constexpr auto digits = Typing::kDigits;
  constexpr auto upper = Typing::kUpper;
  static const FieldTable<CertificateValues> table{
      "concedii",
      "concedii",
      {"", "", ""},
      {
          {"CNP", "cnp", "CNP:", &V::cnp, digits, kPersonSection},
          {"PRENUME", "prenume", "Prenume:", &V::prenume, upper, kPersonSection},
          {"NUME", "nume", "Nume:", &V::nume, upper, kPersonSection},
          FromList("CAS", &V::cas),
          FromList("TIP_RECTIF", &V::tipRectif),
          {"CERT_SERIE", "cert_serie", "Seria certificatului:", &V::serie, upper,
           kCertificateSection, kSeriesLimit},
          {"CERT_NUMAR", "cert_numar", "numarul:", &V::numar, digits, kCertificateSection, 0,
           nullptr, FieldUse::kForm, true},
          {"CERT_INIT_SERIE", "cert_init_serie", "Seria certificatului initial:", &V::initSerie,
           upper, kCertificateSection, kSeriesLimit},
          {"CERT_INIT_NUMAR", "cert_init_numar", "numarul:", &V::initNumar, digits,
           kCertificateSection, 0, nullptr, FieldUse::kForm, true},
          FromList("COD_INDEMN", &V::codIndemn),
          {"ZILE_LUCRATOARE", "zile_lucratoare", "Zile lucratoare in luna:", &V::zileLucratoare,
           digits, kDaysSection, kDaysDigits},
          {"ZILE_LUCRATE", "zile_lucrate", "Zile lucrate:", &V::zileLucrate, digits, kDaysSection,
           kDaysDigits, nullptr, FieldUse::kForm, true},
          {"ZILE_PRESTATII", "zile_prestatii", "Zile de prestatii:", &V::zilePrestatii, digits,
           kDaysSection, kDaysDigits},
          {"ZILE_SUPORTATE_FNUASS", "zile_suportate_fnuass",
           "Zile suportate din FNUASS:", &V::zileFnuass, digits, kDaysSection, kDaysDigits},
          {"SUMA_SUPORTATA_FNUASS", "suma_suportata_fnuass",
           "Suma din FNUASS pentru\nconcedii si indemnizatii:", &V::sumaFnuass, digits,
           kDaysSection, kSumDigits},
          {"COD_URG", "cod_urg", "Cod de urgenta\nmedico-chirurgicala:", &V::codUrg, digits,
           kDaysSection},
          {"COD_CONTAG", "cod_contag", "Cod de boala\ninfecto-contagioasa:", &V::codContag, digits,
           kDaysSection},
      }};
  return table;
}
