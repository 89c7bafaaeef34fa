#include "platform/image_frames.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <vector>

#include "platform/harness.h"
#include "platform/image.h"
#include "platform/image_read_back.h"
#include "platform/pixel_access.h"
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

struct Held {
  long pixels = 0, textures = 0;
  bool operator==(const Held&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Held& held) {
  return out << held.pixels << " bytes of pixels, " << held.textures << " of textures";
}

Held HeldBy(const std::shared_ptr<TImageFrames>& frames) {
  return frames ? Held{PixelBytes(*frames), TextureBytes(*frames)} : Held{};
}

// Who holds which bytes as pictures are loaded, shared, drawn across a
// renderer reset and read back. Each row is a step and what the file's
// frames, frames of pixels no file holds, and a file's frames loaded before
// any mode hold after it.
TEST(ImageFrames, TexturesAtLoadPixelsOnlyWhereNoFileHoldsThemOrTheyAreRead) {
  const std::string path = test::TestData("pngsuite/basn6a08.png");
  std::shared_ptr<TImageFrames> file, kept, early;
  std::vector<std::uint8_t> first;
  auto harness = std::make_unique<Harness>();
  auto draw = [&](const std::shared_ptr<TImageFrames>& frames) {
    return Drawn(*harness, std::make_shared<TImage>(frames));
  };
  struct Step {
    const char* name;
    std::function<void()> run;
    Held file, kept, early;
  };
  const Step steps[] = {
      {"loaded with a mode open: its texture, no pixels", [&] { file = FileFrames(path, true); },
       {0, kBytes}, {}, {}},
      {"loaded again: the same frames",
       [&] {
         EXPECT_EQ(FileFrames(path, true), file);
         first = draw(file);
       },
       {0, kBytes}, {}, {}},
      {"of pixels no file holds: kept",
       [&] { kept = std::make_shared<TImageFrames>(std::vector{CreatePixmap(32, 32)}, false); },
       {0, kBytes}, {kBytes, kBytes}, {}},
      {"renderer reset, then a draw: the file decoded again, the same picture",
       [&] {
         harness.reset();
         harness = std::make_unique<Harness>();
         EXPECT_EQ(draw(file), first);
       },
       {0, kBytes}, {kBytes, kBytes}, {}},
      {"read back: decoded again and kept", [&] { EXPECT_EQ(ReadPixel(FramePixels(*file, 0), 0, 0) >> 24, 0u); },
       {kBytes, kBytes}, {kBytes, kBytes}, {}},
      {"loaded before any mode: pixels until one opens",
       [&] {
         harness.reset();
         early = FileFrames(test::TestData("pngsuite/basn2c08.png"), false);
       },
       {kBytes, 0}, {kBytes, 0}, {kBytes, 0}},
      {"a mode opens: every texture again, the unread pixels go",
       [&] {
         harness = std::make_unique<Harness>();
         draw(early);
       },
       {kBytes, kBytes}, {kBytes, kBytes}, {0, kBytes}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.run();
    EXPECT_EQ(HeldBy(file), step.file);
    EXPECT_EQ(HeldBy(kept), step.kept);
    EXPECT_EQ(HeldBy(early), step.early);
  }
}

}  // namespace
}  // namespace sorvanta
