#pragma once
// The living map: the painted world's fixed points (fog banks, lava, the
// two smoking vents, the sea the glints fall in, the ship's course), the
// emitters' periods, and the even-odd point-in-polygon test the sea uses.
// The map picture is painted to these points.
#include <array>
#include <span>

namespace sorvanta {

struct TMapPoint {
  int x = 0, y = 0;
};

// 1 when (x, y) lies inside the closed polygon of vertices (xs[i], ys[i]),
// by the even-odd rule in integers; a point level with a vertex or on a
// horizontal edge is decided by half-open comparisons. Lengths must match;
// the shorter one counts.
int pointInPoly(int x, int y, std::span<const int> xs, std::span<const int> ys);

inline constexpr std::array<TMapPoint, 34> kFogPoints = {{
    {500, 495}, {447, 490}, {421, 430}, {335, 451}, {310, 405}, {266, 450}, {210, 430}, {250, 370}, {266, 414},
    {180, 440}, {465, 410}, {92, 360},  {125, 314}, {116, 274}, {398, 477}, {310, 581}, {383, 565}, {447, 600},
    {428, 653}, {505, 615}, {390, 674}, {304, 652}, {524, 629}, {488, 665}, {566, 615}, {619, 633}, {665, 675},
    {600, 475}, {644, 497}, {664, 460}, {704, 476}, {733, 474}, {784, 474}, {745, 433},
}};

// The north-west lava field, then beside each smoke vent.
inline constexpr std::array<TMapPoint, 34> kLavaPoints = {{
    {234, 261}, {237, 267}, {243, 265}, {246, 267}, {252, 268}, {257, 269}, {265, 268}, {273, 268}, {281, 264},
    {289, 258}, {294, 254}, {310, 247}, {317, 246}, {317, 241}, {322, 241}, {321, 235}, {316, 231}, {266, 268},
    {320, 239}, {316, 245}, {250, 265}, {246, 265}, {277, 267}, {543, 468}, {546, 468}, {549, 469}, {552, 468},
    {645, 511}, {649, 513}, {653, 514}, {657, 513}, {661, 515}, {665, 513}, {669, 511},
}};

inline constexpr std::array<TMapPoint, 11> kSeaPolygon = {{
    {812, 281},
    {991, 287},
    {991, 685},
    {770, 688},
    {746, 650},
    {823, 525},
    {865, 467},
    {850, 425},
    {903, 370},
    {814, 350},
    {768, 311},
}};

inline constexpr TMapPoint kSmokeVent1 = {548, 465}, kSmokeVent2 = {656, 508};
inline constexpr TMapPoint kShipFrom = {991, 338}, kShipTo = {816, 308};
inline constexpr TMapPoint kCompassAt = {30, 30};
// The right frame stands this far from the left edge minus its width.
inline constexpr int kFrameRightEdge = 1023;

// Emitter periods (ms) and amounts.
inline constexpr int kLavaMs = 10, kLavaSparks = 10;
inline constexpr int kSmokeMs = 100;
inline constexpr int kSnowMs = 50, kSnowFlakes = 13;
inline constexpr int kCloudMs = 6000;
inline constexpr int kFogMs = 4000, kFogJitter = 3;
inline constexpr int kWaterMs = 600, kWaterTries = 60;
// Water tries fall in x 746..1001, y 281..680, and count only inside the sea.
inline constexpr int kWaterX = 745, kWaterW = 256, kWaterY = 280, kWaterH = 400;

// Ship progress per unit of delta: 1000 frames of voyage, then 200 of empty sea.
inline constexpr float kShipStep = 0.001f;
inline constexpr float kShipRest = -0.2f;

// The ship's opacity along its voyage: in over the first tenth, out over the last 30 %.
float shipAlpha(float per);

}  // namespace sorvanta
