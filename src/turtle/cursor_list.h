// A doubly linked list that owns its records and carries its own iteration cursor, so it
// supports one pass at a time: firstItem, then nextItem until it returns none.
#pragma once

#include <deque>
#include <memory>

namespace lsys {

template <typename T>
class CursorList {
 public:
  CursorList() = default;
  CursorList(const CursorList&) = delete;
  CursorList& operator=(const CursorList&) = delete;

  // Links a node holding the record after the last one. The cursor is not touched. A record may
  // stand in the list more than once; it is released once, with its last holder.
  void append(std::shared_ptr<T> payload) {
    Node& node = nodes_.emplace_back();
    node.payload = std::move(payload);
    node.previous = first_ == nullptr ? nullptr : last_;
    if (first_ == nullptr) {
      first_ = &node;
    } else {
      last_->next = &node;
    }
    last_ = &node;
  }

  // Puts the cursor on the first node; its record, or none when the list is empty.
  T* firstItem() {
    cursor_ = first_;
    return cursor_ == nullptr ? nullptr : cursor_->payload.get();
  }

  // Moves the cursor to the next node; its record, or none at the end. Only valid while the
  // previous firstItem or nextItem returned a record.
  T* nextItem() {
    cursor_ = cursor_ == nullptr ? nullptr : cursor_->next;
    return cursor_ == nullptr ? nullptr : cursor_->payload.get();
  }

  bool empty() const { return first_ == nullptr; }

  // Empties the list; emptiness is judged by the first node alone.
  void makeEmpty() {
    first_ = nullptr;
    last_ = nullptr;
    cursor_ = nullptr;
    nodes_.clear();
  }

 private:
  struct Node {
    Node* next = nullptr;
    Node* previous = nullptr;
    std::shared_ptr<T> payload;
  };

  std::deque<Node> nodes_;  // owns the nodes; their addresses stay stable while appending
  Node* first_ = nullptr;
  Node* last_ = nullptr;
  Node* cursor_ = nullptr;
};

}  // namespace lsys
