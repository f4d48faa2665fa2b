#pragma once

#include <QString>

#include "print/print_elements.h"

struct StoredDeclaration;

// The top of both annexes: the house and the annex's name at y 100, then the three centred
// title lines between 200 and 500.
void AddAnnexHeading(PageElements& page, const QString& county, const QString& annex,
                     const StoredDeclaration& declaration);
