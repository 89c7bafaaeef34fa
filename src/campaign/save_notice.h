#pragma once
// The notice that progress cannot be saved: shown once a run, at the first
// failed save, with why and where; later saves try again without a word.
#include <memory>
#include <string>

namespace sorvanta {

class TTxtFile;

// The notice and its reasons: lines 13 to 18 of the profiles screen's texts.
void loadSaveNoticeTexts(const std::shared_ptr<TTxtFile>& texts);
// The notice for a write that failed with the errno cause; it names the
// per-user folder, where the player looks.
std::string saveNoticeText(int cause);
// A player's file or the player list could not be written: the first time in
// a run the notice is shown at the end of the frame.
void playerSaveFailed(int cause);
// A new run: the next failure is told again.
void resetSaveNotice();

}  // namespace sorvanta
