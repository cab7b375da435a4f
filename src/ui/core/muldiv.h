// The integer scaling the caption gradient is defined with: number × numerator ÷ denominator
// on an exact 64-bit product, rounded to the nearest integer (halves away from zero).
#pragma once

namespace ui {

/// -1 when \a denominator is 0 or the result does not fit an int, as the original routine answers.
int mulDiv(int number, int numerator, int denominator);

} // namespace ui
