#include "platform/image_frames.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/harness.h"
#include "platform/image.h"
#include "platform/video.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

constexpr long kBytes = 32 * 32 * 4;  // one frame of the test picture

// The picture drawn at the top-left corner over black, row by row.
std::vector<std::uint8_t> Drawn(Harness& h, const std::shared_ptr<TImage>& image) {
  Cls();
  DrawImage(image, 0, 0);
  h.Frame();
  std::vector<std::uint8_t> rows;
  for (int y = 0; y < 32; ++y) rows.insert(rows.end(), h.LastFrame()->row(y), h.LastFrame()->row(y) + 32 * 4);
  return rows;
}

// Who holds which bytes as images are loaded, shared, read and drawn across
// a renderer reset. Each row is a step; the figures are what it adds.
TEST(ImageFrames, TexturesAtLoadPixelsOnlyWhereNoFileHoldsThemOrTheyAreRead) {
  const std::string path = test::TestData("pngsuite/basn6a08.png");
  std::shared_ptr<TImage> early, file, again, pixels;
  std::vector<std::uint8_t> first;
  auto harness = std::make_unique<Harness>();
  struct Step {
    const char* name;
    std::function<void()> run;
    long pixelBytes, textureBytes;
  };
  const Step steps[] = {
      {"loaded with a mode open: its texture, no pixels", [&] { file = LoadImage(path); }, 0, kBytes},
      {"loaded again: the same texture", [&] { again = LoadImage(path); }, 0, 0},
      {"of pixels no file holds: kept", [&] { pixels = LoadImage(CreatePixmap(32, 32)); }, kBytes, kBytes},
      {"drawn: nothing new", [&] { first = Drawn(*harness, file); }, 0, 0},
      {"renderer reset, then a draw: the same textures, the file decoded again",
       [&] {
         harness.reset();
         harness = std::make_unique<Harness>();
         EXPECT_EQ(Drawn(*harness, file), first);
       },
       0, 0},
      {"read back: decoded again and kept", [&] { EXPECT_EQ(ReadPixel(file->frame(0), 0, 0) >> 24, 0u); }, kBytes,
       0},
      {"loaded before any mode: pixels until one opens",
       [&] {
         harness.reset();
         early = LoadImage(test::TestData("pngsuite/basn2c08.png"), 0);
       },
       kBytes, -2 * kBytes},
      {"a mode opens: every texture again, the unread pixels go",
       [&] {
         harness = std::make_unique<Harness>();
         Drawn(*harness, early);
       },
       -kBytes, 3 * kBytes},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const ImageMemory before = LiveImageMemory();
    step.run();
    const ImageMemory after = LiveImageMemory();
    EXPECT_EQ(after.pixelBytes - before.pixelBytes, step.pixelBytes);
    EXPECT_EQ(after.textureBytes - before.textureBytes, step.textureBytes);
  }
}

}  // namespace
}  // namespace sorvanta
