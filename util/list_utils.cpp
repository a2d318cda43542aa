// List joining.
#include "util/list_utils.h"

#include <vector>

Int ccAddLists(const Ref<TList>& dest, const Ref<TList>& source) {
  if (!dest || !source || source->Count() == 0) return 0;
  // Taken before appending, so that a list joined onto itself ends.
  std::vector<Ref<Object>> values;
  for (const Ref<Object>& value : source->Values()) {
    if (value) values.push_back(value);
  }
  for (Ref<Object>& value : values) dest->AddLast(std::move(value));
  return values.empty() ? 0 : 1;
}
