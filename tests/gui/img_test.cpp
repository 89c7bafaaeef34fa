#include "gui/img.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "support/temp_folder.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

// A folder of its own for each test, with a 32 x 32 atlas "atlas.png".
class ImgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    imgTextures.clear();
    std::filesystem::copy_file(test::TestData("pngsuite/basn6a08.png"), atlas);
  }
  // Runs f and returns what it reported.
  template <typename F>
  static std::string notices(F f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
  }

  test::TempFolder dir;
  std::string atlas = dir / "atlas.png";
};

TEST(ImgDescription, HeaderThenFiveLinesPerRecord) {
  // The header's count is not used; names are trimmed and upper-cased; CRs go.
  auto subs = parseImgTextureDescription("10\r\n  Star \r\n1\r\n2\r\n3\r\n4\r\nmoon\n5\n6\n7\n8\nsun\n-1\n0\nx\n9\n");
  ASSERT_EQ(subs.size(), 3u);
  EXPECT_EQ(subs[0]->name, "STAR");
  EXPECT_EQ(subs[0]->y, 2);
  EXPECT_EQ(subs[0]->h, 4);
  EXPECT_EQ(subs[1]->w, 7);
  EXPECT_EQ(subs[2]->x, -1);
  EXPECT_EQ(subs[2]->w, 0);  // a line without digits reads as 0

  // A last record without its height line is dropped; so is one cut by the end.
  EXPECT_EQ(parseImgTextureDescription("1\na\n1\n2\n3\n4\nb\n1\n2\n3\n").size(), 1u);
  EXPECT_EQ(parseImgTextureDescription("1\na\n1\n2\n3\n4").size(), 1u);
  EXPECT_TRUE(parseImgTextureDescription("").empty());
}

TEST_F(ImgTest, AtlasSubImagesAreSharedAndFoundByName) {
  test::WriteFile(dir / "atlas.txt", "3\nstar\n0\n0\n31\n17\nmoon\n16\n8\n16\n24\n");
  std::shared_ptr<TImg> star;
  EXPECT_EQ(notices([&] { star = LoadImg2(atlas + "|  sTaR ", -1); }), "");
  ASSERT_NE(star, nullptr);
  EXPECT_EQ(star->name, "STAR");
  EXPECT_FLOAT_EQ(ImgWidth(star), 31);
  EXPECT_FLOAT_EQ(ImgHeight(star), 17);
  ASSERT_EQ(imgTextures.size(), 1u);
  EXPECT_EQ(imgTextures.front()->url, Upper(atlas));

  // Same atlas in another letter case, and a third piece that is ignored.
  auto again = LoadImg2(atlas + "|star|ignored", -1);
  EXPECT_EQ(again, star);
  EXPECT_NE(LoadImg(atlas.substr(0, atlas.size() - 9) + "AtLaS.png", "moon", -1), nullptr);
  EXPECT_EQ(imgTextures.size(), 1u);
  // A handle set through one reference is what every holder draws with.
  MidHandleImg(again);
  EXPECT_EQ(star->hx, 15);
  EXPECT_EQ(star->hy, 8);

  // A name the atlas does not have: reported, and none is safe to use.
  std::shared_ptr<TImg> none;
  EXPECT_EQ(notices([&] { none = LoadImg2(atlas + "| Comet", -1); }),
            "No img on texture('" + Upper(atlas) + "'):  Comet\n");
  EXPECT_EQ(none, nullptr);
  EXPECT_FLOAT_EQ(ImgWidth(none), 0);
  MidHandleImg(none);
  DrawImg(none, 0, 0);
}

TEST_F(ImgTest, MissingPartsAreReportedAndLoadingGoesOn) {
  // No description beside the image: reported, the atlas holds no sub-images.
  std::shared_ptr<TImg> star;
  std::string said = notices([&] { star = LoadImg(atlas, "star", -1); });
  EXPECT_NE(said.find("atlas.txt"), std::string::npos) << said;
  EXPECT_NE(said.find("No img on texture('" + Upper(atlas) + "'): star"), std::string::npos);
  EXPECT_EQ(star, nullptr);
  ASSERT_EQ(imgTextures.size(), 1u);

  // No atlas image: cached without a key, so every request reports it again.
  const std::string gone = dir / "gone.png";
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(notices([&] { star = LoadImg2(gone + "|star", -1); }),
              "TEXTURE NOT FOUND: " + gone + "\nNo img on texture(''): star\n");
  EXPECT_EQ(imgTextures.size(), 3u);
  EXPECT_EQ(imgTextures.back()->img, nullptr);

  // Whole images are loaded anew each time and never cached.
  auto a = LoadImg2(atlas, -1);
  EXPECT_NE(a->image, LoadImg(atlas, "", -1)->image);
  EXPECT_FLOAT_EQ(ImgWidth(a), 32);

  // A missing file (a single trailing bar is part of the path) reads as 0 x 0.
  const std::string spec = atlas + "|";
  std::shared_ptr<TImg> missing;
  EXPECT_EQ(notices([&] { missing = LoadImg2(spec, -1); }),
            "NO KURWA NIE MA TAKIEGO PLIKU: " + spec + "  (REAL URL: " + RealPath(spec) + " )\n");
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->image, nullptr);
  EXPECT_FLOAT_EQ(ImgHeight(missing), 0);
  MidHandleImg(missing);
  DrawImg(missing, 10, 10);  // draws nothing

  // A file that is there but is no image.
  test::WriteFile(dir / "broken.png", "not a picture");
  said = notices([&] { missing = LoadImg(dir / "broken.png", "", -1); });
  EXPECT_NE(said.find("broken.png"), std::string::npos);
  EXPECT_FLOAT_EQ(ImgWidth(missing), 0);
}

// Optional pictures: a missing or broken file gives none and says nothing.
TEST_F(ImgTest, QuietLoadsGiveNoneAndReportNothing) {
  test::WriteFile(dir / "broken.png", "not a picture");
  const struct {
    std::string path;
    float width;  // 0: none
  } cases[] = {{atlas, 32}, {dir / "gone.png", 0}, {dir / "broken.png", 0}, {dir.path(), 0}};
  for (const auto& c : cases) {
    std::shared_ptr<TImg> img;
    EXPECT_EQ(notices([&] { img = LoadImgQuiet(c.path, -1); }), "") << c.path;
    EXPECT_EQ(img != nullptr, c.width > 0) << c.path;
    EXPECT_FLOAT_EQ(ImgWidth(img), c.width) << c.path;
  }
}

TEST_F(ImgTest, SubImagesDrawTheirRectangleAroundTheHandle) {
  // A 4 x 4 atlas: left half red, right half blue.
  auto pixmap = CreatePixmap(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) WritePixel(pixmap, x, y, x < 2 ? 0xffff0000u : 0xff0000ffu);
  auto tex = std::make_shared<TImgTexture>();
  tex->img = LoadImage(pixmap, 0);
  auto blue = std::make_shared<TImg>();
  blue->tex = tex;
  blue->x = 2;
  blue->w = 2;
  blue->h = 4;
  tex->imgs.push_back(blue);
  SetImgHandle(blue, 1, 0);

  Harness h(HarnessOptions{.width = 64, .height = 64});
  SetScale(8, 8);
  DrawImg(blue, 16, 0);  // 16 wide, from x 8
  SetScale(1, 1);
  h.Frame();
  EXPECT_EQ(h.PixelAt(6, 4), 0xff000000u);
  EXPECT_EQ(h.PixelAt(10, 4), 0xff0000ffu);
  EXPECT_EQ(h.PixelAt(22, 30), 0xff0000ffu);
  EXPECT_EQ(h.PixelAt(26, 4), 0xff000000u);
}

}  // namespace
}  // namespace sorvanta
