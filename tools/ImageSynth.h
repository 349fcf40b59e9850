#pragma once

#include "tools/JPEGWriter.h"

#include <cstdint>
#include <vector>

// Pictures and colours made from nothing but arithmetic, so every image the
// project ships or tests with is our own and comes out the same on every machine.

// Something with the texture of a photograph: soft gradients, shapes with
// blurred edges and fine noise. Same seed, same picture.
SRGBImage MakePhotoLikeImage(int width, int height, uint32_t seed);

// The program's splash picture: a night sky, a tower and the name in block letters.
SRGBImage MakeSplashImage();

// The 236 colours of the program's palette resource, 3 bytes each (red, green,
// blue): the 216 colours of a 6-level cube, then 20 greys between black and white.
std::vector<uint8_t> MakePaletteColours();
