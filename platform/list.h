// TList: an ordered, doubly linked list of object references.
// Removing values (any of them, also the current one) during a walk is safe:
// the walk has already moved on when its body runs, and still visits every
// later value, including values appended during the walk.
#pragma once

#include <optional>
#include <type_traits>

#include "platform/object.h"

class TList : public Object {
 public:
  struct Link;
  TList();
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  ~TList() override;

  void AddLast(Ref<Object> value);
  void AddFirst(Ref<Object> value);
  // Removes the first link holding the same object; false when absent.
  bool Remove(const Object* value);
  bool Remove(const Ref<Object>& value) { return Remove(value.get()); }
  bool Contains(const Object* value) const;
  Int Count() const;
  bool IsEmpty() const { return count_ == 0; }
  void Clear();
  Ref<Object> First() const;
  Ref<Object> Last() const;

  // Walk over every value in list order (Null values included).
  class Walk {
   public:
    explicit Walk(const TList& list);
    // The next live value, or false at the end.
    bool Next(Ref<Object>& value);

   private:
    std::shared_ptr<Link> next_;
  };

  // Range over the values of class T in list order; others are skipped.
  template <class T>
  class Typed {
   public:
    explicit Typed(const TList& list) : list_(list) {}
    class iterator {
     public:
      iterator() = default;  // the end
      explicit iterator(const TList& list) : walk_(std::in_place, list), done_(false) { Advance(); }
      Ref<T> operator*() const { return current_; }
      iterator& operator++() {
        Advance();
        return *this;
      }
      bool operator!=(const iterator& other) const { return done_ != other.done_; }

     private:
      void Advance() {
        Ref<Object> value;
        while (walk_->Next(value)) {
          if constexpr (std::is_same_v<T, Object>) {
            current_ = value;
            return;
          } else if (auto typed = As<T>(value)) {
            current_ = typed;
            return;
          }
        }
        current_ = nullptr;
        done_ = true;
      }
      std::optional<Walk> walk_;
      Ref<T> current_;
      bool done_ = true;
    };
    iterator begin() const { return iterator(list_); }
    iterator end() const { return iterator(); }

   private:
    const TList& list_;
  };
  template <class T>
  Typed<T> Each() const {
    return Typed<T>(*this);
  }
  // Every value, Null included, in list order.
  Typed<Object> Values() const { return Typed<Object>(*this); }

 private:
  // The links end in an empty end slot that the next AddLast fills, so a walk
  // that has reached the end still sees values appended later.
  std::shared_ptr<Link> head_;  // first link (the end slot when empty)
  Link* tail_ = nullptr;        // the end slot
  Int count_ = 0;
};
