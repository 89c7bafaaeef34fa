#pragma once
// Where a won board comes to rest under the level summary, against the
// opening of the summary's frame and the line of the level's name.
#include <string>

namespace sorvanta {

struct SummaryFit {
  float left = 0, top = 0, right = 0, bottom = 0;  // the cells as the win zoom leaves them
  int margin = 0;  // least distance to the opening's edges and the name line
};

// The frame's opening in screen pixels, measured on the shipped panel.
struct SummaryOpening {
  int left = 0, top = 0, right = 0, bottom = 0;
};
SummaryOpening MeasureSummaryOpening();

// Plays the win zoom of the level file to its end with the play screen's own
// steps; the tables must be loaded (LoadLevelTables).
SummaryFit FitInSummary(const std::string& path, const SummaryOpening& opening);

constexpr int kSummaryMargin = 8;  // least room around a board in the summary

}  // namespace sorvanta
