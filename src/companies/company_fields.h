#pragma once

#include "companies/company_record.h"
#include "store/field_table.h"

// The company form's fields but the county, its sector and the month of the pay day, which
// depend on each other and stay with the form and the store.
const FieldTable<CompanyRecord>& CompanyFieldTable();

// The groups of the company form, in the order of CompanyFieldTable().groups.
enum CompanyFieldGroup { kCompanyGroup, kAddressGroup, kContactGroup };
