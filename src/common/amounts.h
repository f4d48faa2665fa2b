#pragma once

// Contribution arithmetic of the monthly health-insurance amounts.

enum class RatePayer { kEmployer, kEmployees };

// Contribution rate in percent for a report month written as the number 200906.
// A payer outside the two known ones gives 0.
double ContributionRate(int month, RatePayer payer);

// Whole lei: halves and above round up for amounts of 0 and more; a negative amount is
// only truncated towards zero (-2.7 gives -2).
double RoundLei(double amount);
