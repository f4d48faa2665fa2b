#pragma once

#include "leave/certificates/certificate_checks.h"
#include "store/field_table.h"

// The sections of the certificate form, in the order of CertificateFieldTable().groups.
enum CertificateSection { kPersonSection, kCertificateSection, kDaysSection };

// The columns of a certificate entry in concedii.concedii: the form's typed fields in screen
// order, with the house, the rectification type and the indemnity code (lists of the form)
// at their columns' places.
const FieldTable<CertificateValues>& CertificateFieldTable();
