#pragma once

#include <QString>

// The insured list's actions and what each needs of the selection, with the refusal shown
// when it is missing.
enum class ListAction {
  kModifyInsured,
  kLiquidate,
  kChangeForm,
  kChangeHouse,
  kDeleteRecord,
  kAddDependant,
  kModifyDependant,
  kDeleteDependant
};

// `selected`: the row the action works on is selected (the insured row; for modifying or
// deleting a dependant, the dependant's row). `liquidated`: the selected insured row is
// liquidated. Empty when the action may go on.
QString ActionRefusal(ListAction action, bool selected, bool liquidated);

// "toate inregistrarile", "numai asigurati existenti", "numai asigurati lichidati".
QString FilterText(int filter);
