// Joining lists: Null lists and values, order, sharing, and a list joined
// onto itself.
#include "util/list_utils.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<Object*> ValuesOf(const TList& list) {
  std::vector<Object*> values;
  for (const Ref<Object>& value : list.Values()) values.push_back(value.get());
  return values;
}

TEST(ListUtils, AppendsTheNonNullValuesOfTheSourceInOrder) {
  const auto a = New<Object>(), b = New<Object>(), c = New<Object>();
  struct Case {
    const char* name;
    std::vector<Ref<Object>> source;
    Int result;
    std::vector<Object*> dest;  // after joining onto a dest holding c
  };
  const Case cases[] = {
      {"empty", {}, 0, {c.get()}},
      {"a, Null, b", {a, nullptr, b}, 1, {c.get(), a.get(), b.get()}},
      {"only Null", {nullptr, nullptr}, 0, {c.get()}},
      {"shared value", {c}, 1, {c.get(), c.get()}},
  };
  for (const Case& k : cases) {
    const auto dest = New<TList>();
    dest->AddLast(c);
    const auto source = New<TList>();
    for (const Ref<Object>& value : k.source) source->AddLast(value);
    EXPECT_EQ(ccAddLists(dest, source), k.result) << k.name;
    EXPECT_EQ(ValuesOf(*dest), k.dest) << k.name;
    EXPECT_EQ(source->Count(), Int(k.source.size())) << k.name;
  }
}

TEST(ListUtils, NullListsChangeNothing) {
  const auto list = New<TList>();
  list->AddLast(New<Object>());
  EXPECT_EQ(ccAddLists(nullptr, list), 0);
  EXPECT_EQ(ccAddLists(list, nullptr), 0);
  EXPECT_EQ(list->Count(), 1);
}

TEST(ListUtils, AListJoinedOntoItselfGetsOneCopy) {
  const auto a = New<Object>(), b = New<Object>();
  const auto list = New<TList>();
  list->AddLast(a);
  list->AddLast(nullptr);
  list->AddLast(b);
  EXPECT_EQ(ccAddLists(list, list), 1);
  EXPECT_EQ(ValuesOf(*list), (std::vector<Object*>{a.get(), nullptr, b.get(), a.get(), b.get()}));
}

}  // namespace
