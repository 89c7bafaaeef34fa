#include "platform/system.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/child_processes.h"
#include "platform/display_lost.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

std::function<bool()>& WindowQuery() {
  static std::function<bool()> query;
  return query;
}

std::function<void(int)>& EndHandler() {
  static std::function<void(int)> handler;
  return handler;
}

bool HeadlessVideo() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) driver = std::getenv("SDL_VIDEODRIVER");
  return driver == nullptr || ScreenlessDriver(driver);
}

}  // namespace

std::string BoxText(const std::string& text, std::size_t columns) {
  const std::u32string all = Utf8ToU32(text);
  std::u32string out, line, word;
  auto endWord = [&] {
    if (!line.empty() && line.size() + 1 + word.size() > columns) {
      out += line + U'\n';
      line.clear();
    }
    while (word.size() > columns) {
      out += word.substr(0, columns) + U'\n';
      word.erase(0, columns);
    }
    if (!word.empty()) line += (line.empty() ? U"" : U" ") + word;
    word.clear();
  };
  for (char32_t c : all) {
    if (c == U' ' || c == U'\n') endWord();
    if (c == U'\n') {
      out += line + U'\n';
      line.clear();
    } else if (c != U' ') {
      word += c;
    }
  }
  endWord();
  return U32ToUtf8(out + line);
}

bool ShowMessageBox(const std::string& text) {
  if (DisplayLost()) return false;
  const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (ScreenlessDriver(driver)) return false;
  const BoxProcess box;
  return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Sorvanta", BoxText(text).c_str(), nullptr) == 0;
}

int AskMessageBox(const std::string& text, const std::vector<std::string>& answers) {
  if (DisplayLost()) return -1;
  const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (ScreenlessDriver(driver) || answers.empty()) return -1;
  std::vector<SDL_MessageBoxButtonData> buttons;
  for (std::size_t i = 0; i < answers.size(); ++i)
    buttons.push_back({i == 0 ? static_cast<Uint32>(SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT) : 0u, static_cast<int>(i),
                       answers[i].c_str()});
  // Over the window, so that a full-screen game does not hide it.
  const std::string shown = BoxText(text);
  const SDL_MessageBoxData box{SDL_MESSAGEBOX_WARNING, Video().window, "Sorvanta", shown.c_str(),
                               static_cast<int>(buttons.size()), buttons.data(), nullptr};
  int chosen = -1;
  const BoxProcess process;
  if (SDL_ShowMessageBox(&box, &chosen) != 0) {
    std::fprintf(stderr, "Sorvanta: no message box could open: %s\n", SDL_GetError());
    std::fflush(stderr);
    return kBoxFailed;
  }
  return chosen;
}

void Notify(const std::string& text) {
  const bool windowed = WindowQuery() && WindowQuery()();
  if (windowed && !HeadlessVideo() && ShowMessageBox(text)) return;
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

void SetNotifyWindowQuery(std::function<bool()> windowed_and_visible) {
  WindowQuery() = std::move(windowed_and_visible);
}

std::string WebAddress(const std::string& address) {
  const std::string a = Trim(address);
  if (a.empty() || a[0] == '/' || a[0] == '.' || a[0] == '~') return {};
  for (char c : a)
    if (static_cast<unsigned char>(c) < 32 || c == 127) return {};
  // A scheme is letters (then digits, "+", "-", ".") before a colon that is
  // not a port number's.
  const std::size_t colon = a.find(':');
  bool scheme = colon != std::string::npos && colon > 0 && std::isalpha(static_cast<unsigned char>(a[0])) &&
                !(colon + 1 < a.size() && std::isdigit(static_cast<unsigned char>(a[colon + 1])));
  for (std::size_t i = 0; scheme && i < colon; ++i) {
    const auto c = static_cast<unsigned char>(a[i]);
    scheme = std::isalnum(c) || c == '+' || c == '-' || c == '.';
  }
  if (scheme) {
    const std::string upper = Upper(a);
    return upper.rfind("HTTP://", 0) == 0 || upper.rfind("HTTPS://", 0) == 0 ? a : std::string();
  }
  // No scheme: a host name with a dot before a "/", such as
  // "www.example.com/games". A bare name with a dot ("about.html") is a
  // page's file name, not a host.
  const std::size_t slash = a.find('/');
  if (slash == std::string::npos) return {};
  return a.substr(0, slash).find('.') != std::string::npos ? "http://" + a : std::string();
}

static std::function<bool(const std::string&)>& UrlHandler() {
  static std::function<bool(const std::string&)> handler;
  return handler;
}

#if defined(__APPLE__) || defined(_WIN32)
static bool SystemBrowse(const std::string& address, std::string* why) {
  if (SDL_OpenURL(address.c_str()) == 0) return true;
  if (why) *why = SDL_GetError();
  return false;
}
#else
constexpr const char* kBrowserOpener = "xdg-open";
// An opener that finds no browser says so at once; one that found one may
// run as long as the browser does. Past this the page counts as opened.
constexpr int kOpenerAnswerMs = 1000;
constexpr int kOpenerTickMs = 10;
constexpr int kNotStarted = 127;  // the status of an opener that could not run, as a shell gives it

// The opener as exec will run it, found on PATH; "" when there is none.
static std::string BrowserOpener() {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "";
  for (std::size_t start = 0; start <= folders.size();) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const std::string opener = folder + "/" + kBrowserOpener;
    if (access(opener.c_str(), X_OK) == 0) return opener;
    start = end + 1;
  }
  return {};
}

// Runs opener on address and gives its exit status, 0 when it still runs
// after kOpenerAnswerMs; -1 when no process could be made. A watcher
// process between the game and the opener does the waiting, so that an
// opener left running is nobody's child to reap.
static int RunOpener(const std::string& opener, const std::string& address) {
  // Made before fork: the children call only what is safe after it.
  const char* argv[] = {opener.c_str(), address.c_str(), nullptr};
  const timespec tick{0, kOpenerTickMs * 1000L * 1000L};
  const pid_t watcher = fork();
  if (watcher < 0) return -1;
  if (watcher == 0) {
    // The game's own handlers (a last save) are not the watcher's.
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) signal(sig, SIG_DFL);
    const pid_t child = fork();
    if (child < 0) _exit(kNotStarted);
    if (child == 0) {
      execv(argv[0], const_cast<char* const*>(argv));
      _exit(kNotStarted);
    }
    for (int waited = 0; waited < kOpenerAnswerMs; waited += kOpenerTickMs) {
      int status = 0;
      if (waitpid(child, &status, WNOHANG) == child) _exit(WIFEXITED(status) ? WEXITSTATUS(status) : kNotStarted);
      nanosleep(&tick, nullptr);
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(watcher, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : kNotStarted;
}

static bool SystemBrowse(const std::string& address, std::string* why) {
  // SDL starts the opener without waiting for it, and so reports success
  // where there is none or it finds no browser: the game runs it itself.
  const std::string opener = BrowserOpener();
  if (opener.empty()) {
    if (why) *why = "no web browser opener (" + std::string(kBrowserOpener) + ") is installed";
    return false;
  }
  const int status = RunOpener(opener, address), cause = errno;
  if (status == 0) return true;
  if (!why) return false;
  if (status < 0) {
    *why = std::string("no process for ") + kBrowserOpener + ": " + std::strerror(cause);
  } else if (status == kNotStarted) {
    *why = opener + " could not be run";
  } else {
    // 3 is xdg-open's "no method available": no browser behind it.
    *why = std::string(kBrowserOpener) + " found no web browser (status " + std::to_string(status) + ")";
  }
  return false;
}
#endif

static bool Browse(const std::string& address, std::string* why) {
  if (UrlHandler()) {
    if (UrlHandler()(address)) return true;
    if (why) *why = "refused";
    return false;
  }
  return SystemBrowse(address, why);
}

bool OpenURL(const std::string& url, std::string* why) {
  // Only web addresses: a data file must not be able to open local programs.
  const std::string address = WebAddress(url);
  if (address.empty()) {
    if (why) *why = "not a web address";
    return false;
  }
  return Browse(address, why);
}

std::string DocumentAddress(const std::string& folder, const std::string& page) {
  if (folder.empty() || page.empty() || page[0] == '/') return {};
  for (char c : page)
    if (static_cast<unsigned char>(c) < 32 || c == 127 || c == '\\' || c == ':') return {};
  namespace fs = std::filesystem;
  for (const fs::path& step : fs::path(page))
    if (step == "." || step == ".." || step.empty()) return {};
  std::error_code err;
  const fs::path root = fs::canonical(folder, err);
  if (err) return {};
  const fs::path file = fs::canonical(root / page, err);
  if (err || !fs::is_regular_file(file, err)) return {};
  // Inside the folder after links are followed: the path starts with it.
  const auto [end, rest] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
  if (end != root.end() || rest == file.end()) return {};
  std::string address = "file://";
  static const char* hex = "0123456789ABCDEF";
  for (unsigned char c : file.string()) {
    if (std::isalnum(c) || std::strchr("/-._~", c) != nullptr) {
      address += static_cast<char>(c);
    } else {
      address += '%';
      address += hex[c >> 4];
      address += hex[c & 15];
    }
  }
  return address;
}

bool OpenDocument(const std::string& folder, const std::string& page, std::string* why) {
  const std::string address = DocumentAddress(folder, page);
  if (address.empty()) {
    if (why) *why = "not one of the game's documents";
    return false;
  }
  return Browse(address, why);
}

void SetOpenURLHandlerForTests(std::function<bool(const std::string&)> handler) {
  UrlHandler() = std::move(handler);
}

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

EndRequested::EndRequested(int status_)
    : std::runtime_error("End(" + std::to_string(status_) + ")"), status(status_) {}

void End(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  if (EndHandler()) {
    EndHandler()(status);
    throw EndRequested(status);
  }
  // With the display gone nothing more may be asked of it, not even to close.
  if (DisplayLost()) ::_exit(status);
  // A display lost while the mode closes ends the process as it was ending.
  SetDisplayLostHandler([status](const std::string&) {
    std::fflush(nullptr);
    ::_exit(status);
  });
  // Images kept in statics free their textures as the statics go, after
  // the drawing layer's own: with the mode closed they have none left.
  EndGraphics();
  std::exit(status);
}

void SetEndHandler(std::function<void(int)> handler) { EndHandler() = std::move(handler); }

}  // namespace sorvanta
