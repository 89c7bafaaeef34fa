#pragma once
// A board's cells in a rows x columns grid, row-major, each cell shared.
#include <memory>
#include <vector>

namespace sorvanta {

template <class T>
class TCellGrid {
 public:
  TCellGrid() = default;
  TCellGrid(int rows, int cols) { reset(rows, cols); }

  // Empties the grid and gives it rows x cols empty slots (none for a
  // negative size).
  void reset(int rows, int cols) {
    rows_ = rows > 0 && cols > 0 ? rows : 0;
    cols_ = rows > 0 && cols > 0 ? cols : 0;
    cells_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(cols_), nullptr);
  }
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  bool empty() const { return cells_.empty(); }
  bool inside(int r, int c) const { return r >= 0 && r < rows_ && c >= 0 && c < cols_; }
  // The cell at (r, c); none outside the grid.
  std::shared_ptr<T> get(int r, int c) const { return inside(r, c) ? cells_[index(r, c)] : nullptr; }
  // Ignored outside the grid.
  void set(int r, int c, std::shared_ptr<T> cell) {
    if (inside(r, c)) cells_[index(r, c)] = std::move(cell);
  }
  // Every slot, row by row.
  const std::vector<std::shared_ptr<T>>& all() const { return cells_; }

 private:
  size_t index(int r, int c) const { return static_cast<size_t>(r) * cols_ + c; }
  int rows_ = 0;
  int cols_ = 0;
  std::vector<std::shared_ptr<T>> cells_;
};

}  // namespace sorvanta
