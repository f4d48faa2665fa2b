#pragma once

#include "health/register/insured_record.h"
#include "store/field_table.h"

// The columns of an employment record in asigurati.asigurati, in the table's order: what the
// insured form, the change of form and the imports write and what the lists read back.
// The form's own inputs (names, CNP, hiring date) are in InsuredFormFieldTable().
const FieldTable<InsuredRecord>& InsuredFieldTable();

// The insured form's inputs; the house and the form of employment are lists of the form.
const FieldTable<InsuredFields>& InsuredFormFieldTable();
