#pragma once
// The notice that progress cannot be saved: shown once a run, at the first
// failed save, with why and where; later saves try again without a word.
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TTxtFile;

// The notice and its reasons: lines 13 to 18 of the profiles screen's
// texts; the question at quitting and its answers, lines 19 to 21; the
// reason for a folder moved away, line 22. A failure that came before them
// (the settings written at the first start) is told now.
void loadSaveNoticeTexts(const std::shared_ptr<TTxtFile>& texts);
// The notice for a write that failed with the errno cause; it names the
// per-user folder, where the player looks.
std::string saveNoticeText(int cause);
// A player's file, the player list or the settings could not be written
// (what: the file or folder): the first time in a run the notice is shown
// at the end of the frame. Every failure is kept for failedSaves.
void playerSaveFailed(int cause, const std::string& what = "");
// What the notice holds in a run: its texts, whether it was told, and the
// cause of a failure that came before the texts, held for them. A run
// starts from the defaults.
struct SaveNoticeRun {
  std::string notice, full, forbidden, readOnly, inTheWay, other, atQuit, tryAgain, quitAnyway, moved;
  bool told = false;
  bool holding = false;
  int heldCause = 0;
};
SaveNoticeRun& saveNoticeRun();

// A message at the end of the frame (tellPlayerAtFrameEnd): after any that
// already waits, in a pop-up of its own.
void noticeAtFrameEnd(const std::string& text);
// The folder as the player knows it: the home folder as "~".
std::string shownFolder(const std::string& folder);

// The saves that failed since clearFailedSaves: the first one's cause, and
// what each could not write.
struct FailedSaves {
  int cause = 0;
  std::vector<std::string> what;
};
void clearFailedSaves();
const FailedSaves& failedSaves();
// As the game quits with failed saves: the notice, then what quitting
// loses (line 19), apart by between; "" before the texts are loaded.
std::string quitNoticeText(int cause, const std::string& between = "\n\n");
// The two answers: try again, quit anyway (lines 20 and 21).
std::string tryAgainText();
std::string quitAnywayText();

}  // namespace sorvanta
