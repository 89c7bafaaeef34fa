// Fill solver: domains as bit sets over the palette, exact-count constraints
// propagated to a fixed point, then a search on the smallest open domain.
#include "leveltool/fill_solver.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace sorvanta {

namespace {

using Domain = std::uint32_t;  // bit i: palette entry i; the top entry is "none"

struct Constraint {
  std::vector<int> cells;
  int value = 0;  // palette index counted
  int count = 0;
};

class Solver {
 public:
  explicit Solver(const FillPuzzle& p) : p_(p) {
    for (int id : p.solution)
      if (id != 0 && std::find(palette_.begin(), palette_.end(), id) == palette_.end()) palette_.push_back(id);
    none_ = static_cast<int>(palette_.size());
    // A domain is a 32-bit set; more colours than that is no level.
    if (none_ >= 31) {
      impossible_ = true;
      none_ = 0;
      palette_.clear();
    }
    const Domain all = (Domain{1} << (none_ + 1)) - 1;
    domains_.assign(p.solution.size(), all);
    for (int v = 0; v < none_; ++v) {
      Constraint total{{}, v, 0};
      for (size_t i = 0; i < p.solution.size(); ++i) {
        total.cells.push_back(static_cast<int>(i));
        if (p.solution[i] == palette_[v]) ++total.count;
      }
      constraints_.push_back(std::move(total));
    }
    for (const FillClue& clue : p.clues) {
      const std::vector<int> block = blockOf(clue.r, clue.c);
      if (clue.colour == 1) {  // a zero clue: its block cannot be painted
        for (int i : block) domains_[i] &= bit(none_);
        continue;
      }
      const int v = indexOf(clue.colour);
      if (v < 0) {  // a colour the palette lacks is never painted
        if (clue.count != 0) impossible_ = true;
        domains_[clue.r * p.cols + clue.c] &= bit(none_);
        continue;
      }
      domains_[clue.r * p.cols + clue.c] &= bit(v) | bit(none_);
      constraints_.push_back({block, v, clue.count});
    }
  }

  FillSolveResult run(int nodeLimit) {
    FillSolveResult result;
    const size_t cells = std::max<size_t>(p_.solution.size(), 1);
    nodesLeft_ = nodeLimit > 0 ? nodeLimit : static_cast<int>(std::max<size_t>(50, 3000000 / cells));
    std::vector<Domain> root = domains_;
    if (impossible_ || !propagate(root)) return result;
    if (!storedWins(root)) {
      search(root, result, 2);
      result.gaveUp = nodesLeft_ < 0;
      return result;
    }
    result.solutions = 1;
    result.first = p_.solution;
    for (size_t i = 0; i < root.size() && result.solutions < 2 && nodesLeft_ >= 0; ++i) {
      const int stored = valueOf(p_.solution[i]);
      for (int v = 0; v <= none_ && result.solutions < 2; ++v) {
        if (v == stored || !(root[i] & bit(v))) continue;
        std::vector<Domain> probe = root;
        probe[i] = bit(v);
        --nodesLeft_;
        search(std::move(probe), result, 2);
        // No solution has this value here: later probes may use that.
        if (result.solutions < 2 && nodesLeft_ >= 0) {
          root[i] &= ~bit(v);
          if (!propagate(root)) break;
        }
      }
    }
    result.gaveUp = nodesLeft_ < 0 && result.solutions < 2;
    return result;
  }

 private:
  static Domain bit(int v) { return Domain{1} << v; }
  int valueOf(int id) const { return id == 0 ? none_ : indexOf(id); }
  // The stored solution fits the domains and every count.
  bool storedWins(const std::vector<Domain>& d) const {
    for (size_t i = 0; i < d.size(); ++i) {
      const int v = valueOf(p_.solution[i]);
      if (v < 0 || !(d[i] & bit(v))) return false;
    }
    for (const Constraint& k : constraints_) {
      int n = 0;
      for (int i : k.cells) n += valueOf(p_.solution[i]) == k.value;
      if (n != k.count) return false;
    }
    return true;
  }
  int indexOf(int id) const {
    auto it = std::find(palette_.begin(), palette_.end(), id);
    return it == palette_.end() ? -1 : static_cast<int>(it - palette_.begin());
  }
  std::vector<int> blockOf(int r, int c) const {
    std::vector<int> cells;
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc)
        if (r + dr >= 0 && r + dr < p_.rows && c + dc >= 0 && c + dc < p_.cols)
          cells.push_back((r + dr) * p_.cols + c + dc);
    return cells;
  }

  // False on a contradiction.
  bool propagate(std::vector<Domain>& d) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (const Constraint& k : constraints_) {
        const Domain b = bit(k.value);
        int fixed = 0, possible = 0;
        for (int i : k.cells) {
          if (d[i] & b) ++possible;
          if (d[i] == b) ++fixed;
        }
        if (fixed > k.count || possible < k.count) return false;
        if (possible == fixed) continue;
        if (possible == k.count) {
          for (int i : k.cells)
            if ((d[i] & b) && d[i] != b) d[i] = b, changed = true;
        } else if (fixed == k.count) {
          for (int i : k.cells)
            if ((d[i] & b) && d[i] != b) {
              d[i] &= ~b;
              if (d[i] == 0) return false;
              changed = true;
            }
        }
      }
    }
    return true;
  }

  void search(std::vector<Domain> d, FillSolveResult& result, int limit) {
    if (result.solutions >= limit || nodesLeft_ < 0 || !propagate(d)) return;
    int open = -1;
    for (size_t i = 0; i < d.size(); ++i)
      if (std::popcount(d[i]) > 1 && (open < 0 || std::popcount(d[i]) < std::popcount(d[open])))
        open = static_cast<int>(i);
    if (open < 0) {
      std::vector<int> grid(d.size());
      for (size_t i = 0; i < d.size(); ++i) {
        const int v = std::countr_zero(d[i]);
        grid[i] = v == none_ ? 0 : palette_[v];
      }
      (result.solutions++ == 0 ? result.first : result.second) = std::move(grid);
      return;
    }
    --nodesLeft_;
    // The stored value first: a second solution usually lies close to it.
    const int stored = valueOf(p_.solution[open]);
    for (int k = -1; k <= none_ && result.solutions < limit; ++k) {
      const int v = k < 0 ? stored : k;
      if (v < 0 || (k >= 0 && v == stored) || !(d[open] & bit(v))) continue;
      std::vector<Domain> next = d;
      next[open] = bit(v);
      search(std::move(next), result, limit);
    }
  }

  const FillPuzzle& p_;
  std::vector<int> palette_;  // solution colour ids in order of first appearance
  int none_ = 0;
  std::vector<Domain> domains_;
  std::vector<Constraint> constraints_;
  bool impossible_ = false;
  int nodesLeft_ = 0;
};

}  // namespace

FillSolveResult SolveFill(const FillPuzzle& puzzle, int nodeLimit) { return Solver(puzzle).run(nodeLimit); }

}  // namespace sorvanta
