// TMap: String keys ordered code unit by code unit, object values.
// Walking a map yields its key/value nodes in key order.
#pragma once

#include <map>

#include "platform/object.h"
#include "platform/string.h"

class TMap : public Object {
 public:
  using Nodes = std::map<String, Ref<Object>>;

  // Replaces the value of an equal key, keeping that key's entry.
  void Insert(const String& key, Ref<Object> value);
  // Null for a missing key.
  Ref<Object> ValueForKey(const String& key) const;
  bool Contains(const String& key) const;
  bool Remove(const String& key);
  void Clear() { nodes_.clear(); }
  Int Count() const { return static_cast<Int>(nodes_.size()); }

  Nodes::const_iterator begin() const { return nodes_.begin(); }
  Nodes::const_iterator end() const { return nodes_.end(); }

 private:
  Nodes nodes_;
};
