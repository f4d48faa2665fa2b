#pragma once

#include "leave/replay/declaration_figures.h"
#include "store/field_table.h"

// The figures of a declaration in concedii.declaratii, in the form's screen order: what the
// form shows and the store writes. The calculation base and the total I are the form's own
// (shown, not stored); F, H and I are computed, never typed.
const FieldTable<DeclarationFormValues>& DeclarationFieldTable();
