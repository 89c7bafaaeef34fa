#pragma once
// Messages to the player, the web browser, standard output, and ending the process.
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sorvanta {

// The system's box draws each line at full length, as wide as it is, even
// past the screen's edges: the text broken at spaces into lines of at most
// columns characters (a longer word, such as a folder's path, is cut),
// its own line breaks kept.
constexpr std::size_t kBoxColumns = 64;
std::string BoxText(const std::string& text, std::size_t columns = kBoxColumns);
// A message box with no window behind it, where a display exists (not with
// the dummy or offscreen driver); false when none could be shown.
bool ShowMessageBox(const std::string& text);
// The same box with a button per answer, the first the default: the index
// of the one chosen; -1 where no box can be shown (no display, or one
// without a screen), kBoxFailed where the system's box would not open (an X
// server without the fonts it draws with), said on stderr.
constexpr int kBoxFailed = -2;
int AskMessageBox(const std::string& text, const std::vector<std::string>& answers);
// A message box while a window is up and not full screen, else a line on stderr.
void Notify(const std::string& text);
// The drawing layer tells Notify whether a window is up and not full screen.
void SetNotifyWindowQuery(std::function<bool()> windowed_and_visible);
// Opens a web address in the web browser; false when it is refused (see
// WebAddress) or no browser could be started (on Linux: xdg-open is not on
// PATH, or it fails within a second, as it does at once when it finds no
// browser), and then why (when given) says what went wrong. Prints nothing:
// the caller tells the player. Waits for that second at most.
bool OpenURL(const std::string& url, std::string* why = nullptr);
// Tests: the addresses OpenURL would open go to handler instead, which
// answers for the browser. nullptr restores the browser.
void SetOpenURLHandlerForTests(std::function<bool(const std::string&)> handler);
// The address OpenURL gives the browser: an http or https address as it is,
// one without a scheme but with a host before a "/" ("www.example.com/games")
// as http; "" for anything else (a page's file name such as "about.html", a
// file path, another scheme, control characters).
std::string WebAddress(const std::string& address);
// The file:// address of page, a relative name inside folder such as
// "picross.html" (no scheme, no leading "/", no "." or ".." step, no
// backslash or control character), when it names a regular file that lies
// inside folder even after links are followed; "" for anything else.
std::string DocumentAddress(const std::string& folder, const std::string& page);
// Opens a page of the game's own documents (see DocumentAddress) in the web
// browser; false, and why, as OpenURL.
bool OpenDocument(const std::string& folder, const std::string& page, std::string* why = nullptr);
// One line on stdout, flushed.
void Print(const std::string& text);

// Thrown by End when an end handler returns.
class EndRequested : public std::runtime_error {
 public:
  explicit EndRequested(int status);
  int status;
};

// Ends the process (through the handler, when one is set).
[[noreturn]] void End(int status = 0);
// Replaces the final exit (tests). If the handler returns, End throws
// EndRequested, so End's caller never continues. nullptr restores exit.
void SetEndHandler(std::function<void(int)> handler);

}  // namespace sorvanta
