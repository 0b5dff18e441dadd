// The numbers a drawing reads from a grid set's texts. A text that is no
// number stops the drawing with a message that names the field.
#pragma once

#include "model/set_store.h"

namespace quadrel {

// Throws ConversionError naming the text and the field.
double FieldNumber(const GridSet& set, GridFieldPointer field, char decimalSeparator);
int FieldInteger(const GridSet& set, GridFieldPointer field);

}  // namespace quadrel
