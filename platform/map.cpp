// TMap: String keys in code-unit order with object values.
#include "platform/map.h"

void TMap::Insert(const String& key, Ref<Object> value) { nodes_[key] = std::move(value); }

Ref<Object> TMap::ValueForKey(const String& key) const {
  const auto it = nodes_.find(key);
  return it == nodes_.end() ? nullptr : it->second;
}

bool TMap::Contains(const String& key) const { return nodes_.contains(key); }

bool TMap::Remove(const String& key) { return nodes_.erase(key) > 0; }
