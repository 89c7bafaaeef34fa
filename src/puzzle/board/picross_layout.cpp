// Picross board layout: extent with the clue margins, cell positions with a
// gap after every five cells, grid lines and corner squares, and the
// positions of the win glide. Sums are taken in double before the final
// truncation, so an absurd scale saturates instead of overflowing.
#include "gui/img.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

namespace {

double trunc0(double v) { return static_cast<double>(FloatToInt(v)); }

std::shared_ptr<TImg> emptyImg(int size) { return size >= 0 && size < 10 ? TTile::empty[size] : nullptr; }

}  // namespace

int TLevel::COUNT_Dims_Mesalor() {
  height += COUNT_NumbersHeight();
  width += COUNT_NumbersWidth();
  return 0;
}

int TLevel::COUNT_Position_Mesalor() {
  drawX = static_cast<float>(FloatToInt(centerX - trunc0(static_cast<double>(width) * scale * 0.5)));
  drawY = static_cast<float>(FloatToInt(centerY - trunc0(static_cast<double>(height) * scale * 0.5)));
  drawX += COUNT_NumbersWidth();
  drawY += COUNT_NumbersHeight();
  const double x0 = trunc0(drawX), y0 = trunc0(drawY);
  for (int r = 0; r < atiles.rows(); ++r) {
    for (int c = 0; c < atiles.cols(); ++c) {
      auto cell = atiles.get(r, c);
      if (!cell) continue;
      cell->x = FloatToInt(x0 + trunc0(static_cast<double>(c) * tileW * scale) + trunc0((c / 5) * frameStepX));
      cell->y = FloatToInt(y0 + trunc0(static_cast<double>(r) * tileH * scale) + trunc0((r / 5) * frameStepY));
      cell->size = size;
    }
  }
  return COUNT_AdditionalFrame();
}

int TLevel::COUNT_AdditionalFrame() {
  additionalFrames.clear();
  const double x0 = trunc0(drawX), y0 = trunc0(drawY);
  const double hw = trunc0(tileW * 0.5 * scale), hh = trunc0(tileH * 0.5 * scale);
  const double gw = static_cast<double>(tileW) * scale + ((cols - 1) / 5) * frameStepX +
                    static_cast<double>(cols - 1) * tileW * scale;
  const double gh = static_cast<double>(tileH) * scale + ((rows - 1) / 5) * frameStepY +
                    static_cast<double>(rows - 1) * tileH * scale;
  // Cells 45 px wide put every line one pixel further left and up.
  const double a45 = tileW == 45.0f ? -1 : 0;
  for (int k = 0; k <= cols; ++k) {
    const bool fifth = k % 5 == 0;
    // k / 5 here is a real division, unlike the whole blocks that place the
    // cells, so some thin lines sit a pixel off the cells' own gap.
    const double lx = x0 + trunc0(static_cast<double>(k) * tileW * scale) + trunc0((k / 5.0) * frameStepX) - hw -
                      (fifth ? 2 : 1) + a45;
    additionalFrames.push_back(CreateAdditionalFrame(FloatToInt(lx), FloatToInt(y0 - hh), 2, FloatToInt(gh),
                                                     fifth ? 0.5f : 0.2f, fifth ? 1 : 0));
  }
  for (int k = 0; k <= rows; ++k) {
    const bool fifth = k % 5 == 0;
    const double ly = y0 + trunc0(static_cast<double>(k) * tileH * scale) + trunc0((k / 5.0) * frameStepY) - hh -
                      (fifth ? 2 : 1) + a45;
    additionalFrames.push_back(CreateAdditionalFrame(FloatToInt(x0 - hw), FloatToInt(ly), FloatToInt(gw), 2,
                                                     fifth ? 0.5f : 0.2f, fifth ? 1 : 0));
  }
  const int left = FloatToInt(drawX - 1 - (tileW / 2.0) * scale);
  const int top = FloatToInt(drawY - 1 - (tileH / 2.0) * scale);
  const int right = FloatToInt(drawX - 1 + gw - (tileW / 2.0) * scale);
  const int bottom = FloatToInt(drawY - 1 + gh - (tileH / 2.0) * scale);
  additionalFrames.push_back(CreateAdditionalFrame(left, top, 2, 2, 0.5f, 0));
  additionalFrames.push_back(CreateAdditionalFrame(right, bottom, 2, 2, 0.5f, 0));
  additionalFrames.push_back(CreateAdditionalFrame(left, bottom, 2, 2, 0.5f, 0));
  additionalFrames.push_back(CreateAdditionalFrame(right, top, 2, 2, 0.5f, 0));
  return 0;
}

int TLevel::COUNT_Dif(float) {
  const float w = ImgWidth(emptyImg(size)), h = ImgHeight(emptyImg(size));
  cx = drawX - w / 2 + cols * w / 2;
  cy = drawY - h / 2 + rows * h / 2;
  dWidth = cx - centerX;
  dHeight = cy - centerY;
  return 0;
}

int TLevel::COUNT_Position2(float p) {
  tileW = ImgWidth(emptyImg(size));
  tileH = ImgHeight(emptyImg(size));
  width = cols * tileW;
  height = rows * tileH;
  drawX = centerX + centW * p - width * scale / 2 + 1;
  drawY = centerY + centH * p - height * scale / 2 + 1;
  drawX += tileW * scale / 2;
  drawY += tileH * scale / 2;
  const double rest = 1.0 - p;
  for (int r = 0; r < atiles.rows(); ++r) {
    for (int c = 0; c < atiles.cols(); ++c) {
      auto cell = atiles.get(r, c);
      if (!cell) continue;
      cell->x = FloatToInt(drawX + static_cast<double>(c) * tileW * scale + rest * (c / 5) * frameStepX + rest * dWidth);
      cell->y = FloatToInt(drawY + static_cast<double>(r) * tileH * scale + rest * (r / 5) * frameStepY + rest * dHeight);
      cell->size = size;
    }
  }
  return 0;
}

}  // namespace sorvanta
