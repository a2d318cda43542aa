// TMap: key order by code unit, replacement and missing keys.
#include "platform/map.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MapTest, OrderReplacementAndMissingKeys) {
  TMap map;
  for (const char* key : {"b", "a", "ab", "A", "", "\xc3\xa9"}) map.Insert(key, New<Object>());
  const auto fog = New<Object>();
  map.Insert("ab", fog);  // replaces, keeping the entry
  std::string order;
  for (const auto& [key, value] : map) order += "[" + key.ToUtf8() + "]";
  EXPECT_EQ(order, "[][A][a][ab][b][\xc3\xa9]");
  EXPECT_EQ(map.ValueForKey("ab"), fog);
  EXPECT_EQ(map.ValueForKey("AB"), nullptr);  // case matters
  EXPECT_TRUE(map.Remove("ab"));
  EXPECT_FALSE(map.Contains("ab"));
  EXPECT_EQ(map.Count(), 5);
}

}  // namespace
