#pragma once
// Counts read from files, bounded before a loop runs on them.
#include <memory>
#include <string>

namespace sorvanta {

class TRCMGroup;

// No table the game reads comes near this many entries.
constexpr int kMaxFileCount = 10'000;

// How many times a loop may run on a count read from a file: value, at most
// the entries present and at most kMaxFileCount. A value beyond the bound is
// reported in one line naming what (the key it came from); one below 0
// gives 0 silently, as a loop from 1 would.
int boundedCount(int value, int present, const std::string& what);

// The highest n of the subgroups named prefix + n (n from 1, case ignored)
// directly in group: the entries present of a numbered list. 0 when none.
int numberedGroupsPresent(const std::shared_ptr<TRCMGroup>& group, const std::string& prefix);

}  // namespace sorvanta
