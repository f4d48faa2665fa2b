#pragma once

#include <QString>

#include "common/check_result.h"

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
// liquidated. Nothing when the action may go on.
[[nodiscard]] Refusal ActionRefusal(ListAction action, bool selected, bool liquidated);

// "toate inregistrarile", "numai asigurati existenti", "numai asigurati lichidati".
QString FilterText(int filter);
