// The structure of each axiom and successor as the loader read it: brackets that do not pair,
// argument lists left open or closed too often, polygons that get no vertex, and the book's
// and other tools' symbols that draw nothing here.
#pragma once

#include <vector>

#include "companion/check/description_facts.h"
#include "companion/check/diagnostic.h"

namespace lsys {

// Appends a diagnostic at the first place of each such mistake in each axiom and successor.
void CheckStructure(const DescriptionFacts& facts, std::vector<Diagnostic>& out);

}  // namespace lsys
