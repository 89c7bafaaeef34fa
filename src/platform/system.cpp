#include "platform/system.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/strings.h"

namespace sorvanta {
namespace {

std::function<bool()>& WindowQuery() {
  static std::function<bool()> query;
  return query;
}

std::vector<std::function<void()>>& ExitHooks() {
  static std::vector<std::function<void()>> hooks;
  return hooks;
}

std::function<void(int)>& EndHandler() {
  static std::function<void(int)> handler;
  return handler;
}

bool HeadlessVideo() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) driver = std::getenv("SDL_VIDEODRIVER");
  return driver == nullptr || std::strcmp(driver, "dummy") == 0 ||
         std::strcmp(driver, "offscreen") == 0;
}

}  // namespace

void Notify(const std::string& text) {
  const bool windowed = WindowQuery() && WindowQuery()();
  if (windowed && !HeadlessVideo() &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Sorvanta", text.c_str(), nullptr) == 0) {
    return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

void SetNotifyWindowQuery(std::function<bool()> windowed_and_visible) {
  WindowQuery() = std::move(windowed_and_visible);
}

bool OpenURL(const std::string& url) {
  // Only web addresses: a data file must not be able to open local programs.
  const std::string upper = Upper(url);
  if (upper.rfind("HTTP://", 0) != 0 && upper.rfind("HTTPS://", 0) != 0) {
    std::fprintf(stderr, "Not a web address, not opened: %s\n", url.c_str());
    return false;
  }
  if (SDL_OpenURL(url.c_str()) != 0) {
    std::fprintf(stderr, "Could not open %s: %s\n", url.c_str(), SDL_GetError());
    return false;
  }
  return true;
}

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

EndRequested::EndRequested(int status_)
    : std::runtime_error("End(" + std::to_string(status_) + ")"), status(status_) {}

void End(int status) {
  // Taken out first, so a hook that calls End does not run the hooks again.
  std::vector<std::function<void()>> hooks = std::move(ExitHooks());
  ExitHooks().clear();
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) (*it)();
  std::fflush(stdout);
  std::fflush(stderr);
  if (EndHandler()) {
    EndHandler()(status);
    throw EndRequested(status);
  }
  std::exit(status);
}

void AddExitHook(std::function<void()> hook) { ExitHooks().push_back(std::move(hook)); }

void SetEndHandler(std::function<void(int)> handler) { EndHandler() = std::move(handler); }

}  // namespace sorvanta
