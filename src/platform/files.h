#pragma once
// Files and folders: text and byte loading, atomic saving, path helpers.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace sorvanta {

// A file that cannot be read.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Data, text, layout and atlas files larger than this are refused: the
// largest the game ships is a few hundred KB, and reading one costs many
// times its size in memory.
constexpr std::uintmax_t kMaxTextFileBytes = 8u << 20;

// A text file refused for its size (LoadText, LoadString).
class FileTooLargeError : public FileError {
 public:
  using FileError::FileError;
};

// The whole file as UTF-8 text. A mark EF BB BF means UTF-8, FE FF UTF-16
// big-endian, FF FE UTF-16 little-endian; without one each byte is one
// Latin-1 character. Throws FileError when the file cannot be read, and
// FileTooLargeError when it holds more than kMaxTextFileBytes.
std::string LoadText(const std::string& path);
// The whole file with every byte one Latin-1 character, a byte-order mark
// included (layouts and atlas descriptions are read this way). Throws as
// LoadText does.
std::string LoadString(const std::string& path);
// Writes one byte per character when every character is below 256, else
// UTF-16 little-endian after FF FE. Atomic; false (a line on stderr, errno
// the cause) on failure, never throws.
bool SaveText(const std::string& text, const std::string& path);
// The raw bytes of a file ("incbin::name" reads an embedded file).
// Throws FileError when the file cannot be read.
std::string LoadBytes(const std::string& path);

// Replaces path with bytes through a temporary file in the same folder, so
// that a failure at any step leaves the old file whole. A link is followed
// and what it points to is replaced; only a regular file (or nothing) may
// stand there: a folder, a device, a dangling link or a loop of links fails
// and is left untouched, and so does a path in the locked per-user folder
// once that has lost its name. Every write has a temporary file of its own,
// path + ".tmp-XXXXXX", so two writers never mix their files; what earlier,
// interrupted writes left is removed. False (a line on stderr, errno the
// cause) on failure.
bool AtomicWriteFile(const std::string& path, const std::string& bytes);
// Causes of a failed write that errno has no word for; no errno value is one.
constexpr int kCauseNotAFile = -2;      // a device, a pipe or a socket stands there
constexpr int kCauseFolderMoved = -3;   // see LockedFolderMoved (single_copy.h)
// A cause in words: strerror's for an errno value.
std::string CauseText(int cause);

// Test hook: called before each step ("open", "write", "sync", "rename");
// returning true makes that step fail, with the errno the hook set (EIO when
// it set none). Pass nullptr to remove it.
void SetAtomicWriteFaultForTests(std::function<bool(const std::string& step)> fault);

// 0 nothing there, 1 a file, 2 a folder.
int FileType(const std::string& path);
// Whether the file can be opened for reading now.
bool Readable(const std::string& path);
// Whether anything stands at path, links not followed: a dangling link or a
// folder that cannot be entered counts, and so does a path that cannot be
// told (an error other than nothing being there).
bool SomethingAt(const std::string& path);
// True when the folder exists afterwards. recurse creates missing parents too.
// Nothing is made in the locked per-user folder once that has lost its name.
bool CreateDir(const std::string& path, bool recurse = false);
bool ChangeDir(const std::string& path);
std::string CurrentDir();
// Absolute form of path with "." and ".." folded; the path need not exist.
std::string RealPath(const std::string& path);

// "a/b/c.txt": ExtractDir "a/b", StripDir "c.txt", StripExt "a/b/c", StripAll "c".
std::string ExtractDir(const std::string& path);
std::string StripDir(const std::string& path);
std::string StripExt(const std::string& path);
std::string StripAll(const std::string& path);

// The running executable's real path.
std::string AppFile();
// $HOME when set and not empty, else the password database's home folder;
// "" when neither gives one. Never ends in "/".
std::string HomeDir();

}  // namespace sorvanta
