#pragma once

#include "companies/company_record.h"
#include "store/field_table.h"

// The columns of a company's row in asigurati.societati: the company form's inputs, then the
// month of the pay day, the county and its sector, which the form fills by rules of its own.
const FieldTable<CompanyRecord>& CompanyFieldTable();

// The groups of the company form, in the order of CompanyFieldTable().groups.
enum CompanyFieldGroup { kCompanyGroup, kAddressGroup, kContactGroup };
