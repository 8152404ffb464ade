#pragma once
// The members of OrderedList. Nodes come from malloc so that a failed allocation gives null instead of an
// exception; a record's own destructor frees what it holds (texts among them).
#include <cstdlib>
#include <new>

template <typename Record>
struct OrderedList<Record>::Node {
  Node* previous;
  Node* next;
  Record record;
};

template <typename Record>
OrderedList<Record>::~OrderedList() {
  Clear();
}

template <typename Record>
Record* OrderedList<Record>::AddAfterCurrent() {
  Node* node = static_cast<Node*>(std::malloc(sizeof(Node)));
  if (!node) return nullptr;
  new (&node->record) Record();
  node->previous = current_;
  node->next = current_ ? current_->next : first_;
  if (node->next) node->next->previous = node;
  if (current_)
    current_->next = node;
  else
    first_ = node;
  current_ = node;
  return &node->record;
}

template <typename Record>
void OrderedList<Record>::Reset() {
  current_ = nullptr;
}

template <typename Record>
Record* OrderedList<Record>::Next() {
  Node* next = current_ ? current_->next : first_;
  if (!next) return nullptr;
  current_ = next;
  return &current_->record;
}

template <typename Record>
Record* OrderedList<Record>::Previous() {
  if (!current_ || !current_->previous) return nullptr;
  current_ = current_->previous;
  return &current_->record;
}

template <typename Record>
Record* OrderedList<Record>::Last() {
  if (!first_) return nullptr;
  if (!current_) current_ = first_;
  while (current_->next) current_ = current_->next;
  return &current_->record;
}

template <typename Record>
void OrderedList<Record>::DeleteCurrent() {
  Node* node = current_;
  if (!node) return;
  if (node->previous)
    node->previous->next = node->next;
  else
    first_ = node->next;
  if (node->next) node->next->previous = node->previous;
  current_ = node->previous;
  node->record.~Record();
  std::free(node);
}

template <typename Record>
void OrderedList<Record>::Clear() {
  while (first_) {
    Node* next = first_->next;
    first_->record.~Record();
    std::free(first_);
    first_ = next;
  }
  current_ = nullptr;
}
