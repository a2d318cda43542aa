// TList: removal by identity, release of values, and walks that survive any
// change made by their own body.
#include "platform/list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Named : Object {
  explicit Named(std::string n) : name(std::move(n)) {}
  std::string name;
};

Ref<Named> Item(const std::string& name) { return New<Named>(name); }

std::string Names(const TList& list) {
  std::string out;
  for (const Ref<Named>& item : list.Each<Named>()) out += item->name;
  return out;
}

void RemoveNamed(TList& list, const std::string& names) {
  for (char name : names) {
    for (const Ref<Named>& item : list.Each<Named>()) {
      if (item->name == std::string(1, name)) list.Remove(item);
    }
  }
}

TEST(ListTest, ChangesDuringAWalk) {
  using Body = std::function<void(TList&, const std::string&)>;
  const struct {
    const char* when;  // the value at which the body acts
    Body body;
    const char *visited, *after;
  } cases[] = {
      {"a", [](TList& l, auto&) { RemoveNamed(l, "c"); }, "abde", "abde"},
      {"b", [](TList& l, auto&) { RemoveNamed(l, "bc"); }, "abde", "ade"},
      {"b", [](TList& l, auto&) { RemoveNamed(l, "ecd"); }, "ab", "ab"},
      {"b", [](TList& l, auto&) { l.Clear(); }, "ab", ""},
      {"b", [](TList& l, auto&) { l.Clear(), l.AddLast(Item("x")); }, "abx", "x"},
      {"e", [](TList& l, auto&) { l.AddLast(Item("f")); }, "abcdef", "abcdef"},
      {"d", [](TList& l, auto&) { RemoveNamed(l, "e"), l.AddLast(Item("z")); }, "abcdz", "abcdz"},
      {"c", [](TList& l, auto&) { l.AddFirst(Item("p")); }, "abcde", "pabcde"},
      {"*", [](TList& l, auto& n) { RemoveNamed(l, n); }, "abcde", ""}};
  for (const auto& c : cases) {
    TList list;
    for (const char* n : {"a", "b", "c", "d", "e"}) list.AddLast(Item(n));
    std::string visited;
    for (const Ref<Object>& value : list.Values()) {  // a Null here would be a dead link
      const std::string name = value ? As<Named>(value)->name : "0";
      visited += name;
      if (name == c.when || *c.when == '*') c.body(list, name);
    }
    EXPECT_EQ(visited, c.visited) << c.after;
    EXPECT_EQ(Names(list), c.after);
    EXPECT_EQ(list.Count(), static_cast<Int>(Names(list).size())) << c.after;
  }
}

TEST(ListTest, TypedWalksSkipOtherClassesAndRemoveTakesTheFirstLinkOfTheObject) {
  TList list;
  const Ref<Named> x = Item("x"), twin = Item("x"), y = Item("y");
  for (const Ref<Object>& v : std::initializer_list<Ref<Object>>{x, New<Object>(), nullptr, y, x}) {
    list.AddLast(v);
  }
  EXPECT_EQ(Names(list), "xyx");
  Int nulls = 0;
  for (const Ref<Object>& value : list.Values()) nulls += value == nullptr;
  EXPECT_EQ(nulls, 1);
  EXPECT_FALSE(list.Remove(twin));  // equal content, other object
  EXPECT_TRUE(list.Remove(x));
  EXPECT_TRUE(list.Remove(nullptr));
  EXPECT_EQ(Names(list), "yx");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Last(), x);
}

TEST(ListTest, ReleasesWhatItNoLongerHolds) {
  TList list;
  std::weak_ptr<Named> removed, cleared;
  {
    const Ref<Named> a = Item("a"), b = Item("b");
    removed = a, cleared = b;
    list.AddLast(a), list.AddLast(b);
    list.Remove(a);
  }
  EXPECT_TRUE(removed.expired());
  EXPECT_FALSE(cleared.expired());
  list.Clear();
  EXPECT_TRUE(cleared.expired());
  EXPECT_EQ(list.First(), nullptr);
  // A walk outliving its list ends instead of reaching released values.
  auto owned = New<TList>();
  owned->AddLast(Item("a")), owned->AddLast(Item("b"));
  TList::Walk walk(*owned);
  Ref<Object> value;
  ASSERT_TRUE(walk.Next(value));
  owned.reset();
  EXPECT_FALSE(walk.Next(value));
}

TEST(ListTest, LongListsClearAndDestroyWithoutDeepRecursion) {
  constexpr int kLength = 100000;
  auto list = New<TList>();
  auto fill = [&] {
    for (int i = 0; i < kLength; ++i) list->AddLast(nullptr);
  };
  fill();
  {
    TList::Walk walk(*list);  // holds the first link while the list is cleared
    list->Clear();
  }
  fill();
  {
    TList::Walk walk(*list);  // the only holder of a chain of removed links
    while (!list->IsEmpty()) list->Remove(nullptr);
  }
  fill();
  list.reset();
}

}  // namespace
