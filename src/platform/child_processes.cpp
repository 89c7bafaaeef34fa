// Children of the game: the lock closed, a box tied to the game's life.
#include "platform/child_processes.h"

#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <new>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace sorvanta {
namespace {

volatile sig_atomic_t g_closedFd = -1;
// Copied into the child at the fork: whether it is to show a box, and for
// which process.
volatile sig_atomic_t g_boxUp = 0;
pid_t g_game = 0;

// Seen by the game and its box alike: the box's process, and whether a
// signal is ending the game. Each side stores, then reads the other's, so
// a signal at any moment of the fork ends the box.
struct Shared {
  std::atomic<int> box{0};
  std::atomic<int> ending{0};
};
static_assert(std::atomic<int>::is_always_lock_free, "shared between processes");
Shared* g_shared = nullptr;

void WatchParent(int) {
  if (::getppid() != g_game) ::_exit(1);
}

// Where the kernel cannot tie the child to its parent's death, the child
// looks four times a second whether its parent is still the game.
void TieToParent() {
#if defined(__linux__)
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#else
  struct sigaction watch {};
  watch.sa_handler = WatchParent;
  watch.sa_flags = SA_RESTART;
  sigemptyset(&watch.sa_mask);
  ::sigaction(SIGALRM, &watch, nullptr);
  const itimerval every{{0, 250000}, {0, 250000}};
  ::setitimer(ITIMER_REAL, &every, nullptr);
#endif
  // The game may have died before the tie was made.
  WatchParent(0);
}

void InChild() {
  if (!g_boxUp) {
    if (g_closedFd >= 0) ::close(g_closedFd);
    return;
  }
  // The game gone already, or a box's own child: nothing to show.
  if (::getppid() != g_game) ::_exit(1);
  // The box keeps the descriptor: the lock goes with the last of the game
  // and its box, so a next start never runs beside a box of this one.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(s, &fallback, nullptr);
  TieToParent();
  if (g_shared) {
    g_shared->box.store(static_cast<int>(::getpid()));
    if (g_shared->ending.load()) ::_exit(1);
  }
}

void Install() {
  static const bool installed = ::pthread_atfork(nullptr, nullptr, InChild) == 0;
  (void)installed;
}

}  // namespace

void CloseInChildren(int fd) {
  Install();
  g_closedFd = fd;
}

BoxProcess::BoxProcess() {
  Install();
  if (!g_shared) {
    void* page = ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (page != MAP_FAILED) g_shared = new (page) Shared;
  }
  g_game = ::getpid();
  if (g_shared) g_shared->box.store(0);
  g_boxUp = 1;
}

BoxProcess::~BoxProcess() {
  g_boxUp = 0;
  if (g_shared) g_shared->box.store(0);
}

void EndBoxOnSignal() {
  if (!g_shared) return;
  g_shared->ending.store(1);
  const int box = g_shared->box.load();
  if (box > 0 && g_boxUp) ::kill(static_cast<pid_t>(box), SIGKILL);
}

void ResetBoxEnding() {
  if (g_shared) g_shared->ending.store(0);
}

}  // namespace sorvanta
