#include "platform/event_queue.h"

void EventQueue::Push(const LayerEvent& event) {
  if (count_ == kCapacity) {
    first_ = (first_ + 1) % kCapacity;
    --count_;
  }
  events_[(first_ + count_) % kCapacity] = event;
  ++count_;
}

bool EventQueue::Pop(LayerEvent* event) {
  if (count_ == 0) return false;
  *event = events_[first_];
  first_ = (first_ + 1) % kCapacity;
  --count_;
  return true;
}
