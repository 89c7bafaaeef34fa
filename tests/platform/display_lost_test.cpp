// How a lost display ends a process: the game's own way out, taken once.
#include "platform/display_lost.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace sorvanta {
namespace {

// The way out, lost again as it saves, ends at once with an error's status;
// a message box's child losing its own connection only goes, saving nothing.
TEST(LostDisplay, EachProcessEndsAsItsPartIs) {
  const struct {
    const char* name;
    bool inBoxChild;
    int status;
  } cases[] = {
      {"lost again while ending", false, 255},
      {"lost in a message box's child", true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EXIT(
        {
          SetDisplayLostHandler([](const std::string& display) {
            if (display == ":9") LoseDisplayForTests(":9.again");
            ::_exit(7);  // the way out saved and ended
          });
          WatchDisplay();
          const pid_t box = c.inBoxChild ? ::fork() : 0;
          if (box == 0) {
            LoseDisplayForTests(":9");
            ::_exit(6);
          }
          int status = 0;
          ::waitpid(box, &status, 0);
          ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 5);
        },
        ::testing::ExitedWithCode(c.status), "");
  }
}

}  // namespace
}  // namespace sorvanta
