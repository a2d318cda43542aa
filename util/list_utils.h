// Joining one list onto another.
#pragma once

#include "platform/list.h"

// Appends the values of source that are not Null to the end of dest, in
// order; the values are shared, not copied, and source is left as it is.
// A list joined onto itself gets one copy of its values as they were.
// Returns 1 when something was appended; 0 for a Null list or when source
// holds nothing but Null values.
Int ccAddLists(const Ref<TList>& dest, const Ref<TList>& source);
