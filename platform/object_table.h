#pragma once
// A table of numbered objects: the caller picks a small number, or -1 for a fresh identifier.
// Slots live in a malloc'd array that grows as needed; identifiers handed out for -1 start at
// kFreshNumberBase so that they never collide with the small numbers callers choose themselves.
#include <cstdlib>
#include <new>

constexpr int kFreshNumber = -1;
constexpr int kFreshNumberBase = 0x10000;

template <typename Object>
class ObjectTable {
public:
  ObjectTable() = default;
  ObjectTable(const ObjectTable&) = delete;
  ObjectTable& operator=(const ObjectTable&) = delete;
  ~ObjectTable() {
    for (int i = 0; i < count_; ++i) slots_[i].object.~Object();
    std::free(slots_);
  }

  // The object under this number, or null.
  Object* Find(int number) {
    for (int i = 0; i < count_; ++i)
      if (slots_[i].number == number) return &slots_[i].object;
    return nullptr;
  }

  // A new, value-initialised object. The caller frees any object already under that number first.
  // number -1 picks a fresh identifier; *assigned receives the number actually used.
  Object* Add(int number, int* assigned) {
    if (number == kFreshNumber) number = nextFresh_++;
    if (number < 0 || Find(number) || !Grow()) return nullptr;
    Slot* slot = &slots_[count_++];
    slot->number = number;
    new (&slot->object) Object();
    if (assigned) *assigned = number;
    return &slot->object;
  }

  void Remove(int number) {
    for (int i = 0; i < count_; ++i) {
      if (slots_[i].number != number) continue;
      slots_[i].object.~Object();
      --count_;
      if (i != count_) {
        slots_[i].number = slots_[count_].number;
        new (&slots_[i].object) Object(static_cast<Object&&>(slots_[count_].object));
        slots_[count_].object.~Object();
      }
      return;
    }
  }

  int Count() const { return count_; }
  // The number in slot i (0 <= i < Count()); slots are not kept in any order.
  int NumberAt(int i) const { return slots_[i].number; }
  Object* ObjectAt(int i) { return &slots_[i].object; }

private:
  struct Slot {
    int number;
    Object object;
  };

  bool Grow() {
    if (count_ < capacity_) return true;
    const int capacity = capacity_ ? capacity_ * 2 : 8;
    Slot* slots = static_cast<Slot*>(std::malloc(sizeof(Slot) * static_cast<size_t>(capacity)));
    if (!slots) return false;
    for (int i = 0; i < count_; ++i) {
      slots[i].number = slots_[i].number;
      new (&slots[i].object) Object(static_cast<Object&&>(slots_[i].object));
      slots_[i].object.~Object();
    }
    std::free(slots_);
    slots_ = slots;
    capacity_ = capacity;
    return true;
  }

  Slot* slots_ = nullptr;
  int count_ = 0;
  int capacity_ = 0;
  int nextFresh_ = kFreshNumberBase;
};
