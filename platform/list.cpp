// TList: a doubly linked list whose links are shared with the walks over it.
// A removed link keeps its successor, so a walk that has already moved on to
// it continues with the links after it and skips every removed one.
#include "platform/list.h"

#include <utility>

struct TList::Link {
  Ref<Object> value;
  // Null only for the end slot and for the links of a destroyed list.
  std::shared_ptr<Link> next;
  Link* prev = nullptr;
  bool removed = false;

  // Releases a chain of links that only this one holds one link at a time,
  // so dropping a long chain never recurses deeply.
  ~Link() {
    std::shared_ptr<Link> chain = std::move(next);
    while (chain && chain.use_count() == 1) chain = std::move(chain->next);
  }
};

TList::TList() : head_(std::make_shared<Link>()), tail_(head_.get()) {}

TList::~TList() {
  std::shared_ptr<Link> link = std::move(head_);
  while (link) {
    std::shared_ptr<Link> next = std::move(link->next);
    link->removed = true;
    link->prev = nullptr;
    link->value.reset();
    link = std::move(next);
  }
}

void TList::AddLast(Ref<Object> value) {
  Link* slot = tail_;
  auto fresh = std::make_shared<Link>();
  fresh->prev = slot;
  tail_ = fresh.get();
  slot->value = std::move(value);
  slot->next = std::move(fresh);
  ++count_;
}

void TList::AddFirst(Ref<Object> value) {
  auto link = std::make_shared<Link>();
  link->value = std::move(value);
  link->next = head_;
  head_->prev = link.get();
  head_ = std::move(link);
  ++count_;
}

namespace {

TList::Link* FindLink(TList::Link* first, const TList::Link* end, const Object* value) {
  for (TList::Link* link = first; link != end; link = link->next.get()) {
    if (link->value.get() == value) return link;
  }
  return nullptr;
}

}  // namespace

bool TList::Remove(const Object* value) {
  Link* link = FindLink(head_.get(), tail_, value);
  if (!link) return false;
  std::shared_ptr<Link>& owner = link->prev ? link->prev->next : head_;
  const std::shared_ptr<Link> keep = owner;
  owner = link->next;
  link->next->prev = link->prev;
  link->prev = nullptr;
  link->removed = true;
  --count_;
  // Released once the list is consistent again: its destructor may use the list.
  const Ref<Object> released = std::move(link->value);
  return true;
}

bool TList::Contains(const Object* value) const {
  return FindLink(head_.get(), tail_, value) != nullptr;
}

Int TList::Count() const { return count_; }

void TList::Clear() {
  const std::shared_ptr<Link> end = tail_->prev ? tail_->prev->next : head_;
  std::shared_ptr<Link> link = std::exchange(head_, end);
  end->prev = nullptr;
  count_ = 0;
  // Every old link leads straight to the end slot, where a walk resumes.
  while (link != end) {
    std::shared_ptr<Link> next = std::exchange(link->next, end);
    link->removed = true;
    link->prev = nullptr;
    const Ref<Object> released = std::move(link->value);
    link = std::move(next);
  }
}

Ref<Object> TList::First() const { return head_.get() != tail_ ? head_->value : nullptr; }

Ref<Object> TList::Last() const { return tail_->prev ? tail_->prev->value : nullptr; }

TList::Walk::Walk(const TList& list) : next_(list.head_) {}

bool TList::Walk::Next(Ref<Object>& value) {
  while (next_ && next_->next) {
    const std::shared_ptr<Link> link = next_;
    next_ = link->next;
    if (!link->removed) {
      value = link->value;
      return true;
    }
  }
  return false;
}
