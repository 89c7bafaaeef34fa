#pragma once
// The resource folder the assets are read from, and the per-user folder
// that holds the settings ("Data") and the players' files ("Profiles").
#include <cstdint>
#include <string>

namespace sorvanta {

// The resource path of file: the "Contents/Resources/" folder of the
// application package the executable runs from (subfolder appended), or
// file alone when that folder holds no "gfx".
std::string GetBundleResourceURL(const std::string& file, const std::string& subfolder);
// The same, for an executable at appFile.
std::string BundleResourceURLFor(const std::string& appFile, const std::string& file,
                                 const std::string& subfolder);

// Sets myDocsFolder to <home>/Library/Preferences/.<myFolderName> and creates
// it with "Data" and "Profiles", parents included.
void GetDataFolders();
// Why a later write in the per-user folder failed, as the player should
// hear it: a file missing (ENOENT) because its folder could not be made at
// start (a read-only home) fails for the reason that folder could not be
// made. Any other cause stays as it is.
int DataFolderCause(int cause);
// Forgets why the folders could not be made, as a run starts.
void ResetDataFolderCauseForTests();
// The per-user folder under home; without a home folder, the working folder.
std::string DataFolderFor(const std::string& home);

// What a damaged file kept aside has appended to its name.
inline constexpr char kDamagedSuffix[] = ".damaged";
// Moves a damaged file (what names it in the line printed) beside itself
// as path.damaged, then -2 to -9, never over an earlier one kept there; the
// path it went to, "" when it could not be moved and stays as it is.
std::string KeepDamagedAside(const std::string& path, const std::string& what);

// Why the data file at path, of at most most bytes, cannot be read: "not a
// file", "empty", "<N> bytes, too large for <what>" or "may not be read";
// "" when it can. Whether it holds what it should is the caller's to check.
std::string WhyUnreadable(const std::string& path, std::uintmax_t most, const std::string& what);

// Always ""; kept with the folders' interface, nothing in the game calls it.
std::string GetSpecialFolder();
void systemSetup();

}  // namespace sorvanta
