#pragma once
// The layer's queue of events that messages produced while they were dispatched. A fixed ring: when it is
// full, the oldest event gives way, so a program that stops waiting for events never grows it without bound.

struct LayerEvent {
  int code;
  int window;   // window number, -1 when the event concerns no window of the layer
  int control;  // control number of a control event
  int type;     // notification code of a control event
};

class EventQueue {
public:
  static constexpr int kCapacity = 64;
  void Push(const LayerEvent& event);
  // Takes the oldest event; false when the queue is empty.
  bool Pop(LayerEvent* event);

private:
  LayerEvent events_[kCapacity] = {};
  int first_ = 0;
  int count_ = 0;
};
