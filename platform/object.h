// The runtime's base types: fixed-width numbers, the root Object class,
// shared references, and the one real-to-Int conversion every layer uses.
#pragma once

#include <cstdint>
#include <memory>

using Int = std::int32_t;
using Float = float;
using Double = double;
using Long = std::int64_t;
using Short = std::uint16_t;
using Byte = std::uint8_t;

// Root of every reference-counted class. References are Ref<T>; Null is nullptr.
class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
};

template <class T>
using Ref = std::shared_ptr<T>;

// Makes a new object held by a Ref.
template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return std::make_shared<T>(std::forward<Args>(args)...);
}

// The class test: the object as T, or Null when it is of another class.
template <class T, class U>
Ref<T> As(const Ref<U>& value) {
  return std::dynamic_pointer_cast<T>(value);
}

// Real to Int: truncation toward zero; beyond the Int range the result
// saturates at INT_MIN/INT_MAX, and NaN gives 0.
Int ToInt(Double value);

// Plain 32-bit sums and products that wrap around instead of overflowing.
Int WrapAdd(Int a, Int b);
Int WrapSub(Int a, Int b);
Int WrapMul(Int a, Int b);
