// The append step shared by the module sequences.
#pragma once

namespace lsys {

// Links a freshly stored node (with next and prev fields) after the last node of a doubly
// linked sequence given by its first and last references.
template <typename Node>
void LinkAfterLast(Node& node, Node*& first, Node*& last) {
  node.prev = last;
  if (last != nullptr) {
    last->next = &node;
  } else {
    first = &node;
  }
  last = &node;
}

}  // namespace lsys
