#pragma once
// Doubly linked list of records with a current position.
//   AddAfterCurrent: new record after the current one (at the front when there is none); it becomes current.
//   Reset: before the first record.   Next/Previous/Last: move, returning null where the move is not possible
//   (the current record then stays).   DeleteCurrent: the previous record becomes current (none after deleting
//   the first).   Clear: remove every record.
template <typename Record>
class OrderedList {
public:
  OrderedList() = default;
  OrderedList(const OrderedList&) = delete;
  OrderedList& operator=(const OrderedList&) = delete;
  ~OrderedList();

  Record* AddAfterCurrent();
  void Reset();
  Record* Next();
  Record* Previous();
  Record* Last();
  void DeleteCurrent();
  void Clear();

private:
  struct Node;
  Node* first_ = nullptr;
  Node* current_ = nullptr;
};

#include "platform/ordered_list_impl.h"
