// Reads a PNG as 8-bit RGB pixels (libpng's simplified reader) and finds the box of the pixels
// that differ from the picture's background, for checking what a picture shows.
#pragma once

#include <png.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace testing_support {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // row by row, 3 bytes a pixel
  const unsigned char* at(int x, int y) const {
    return &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)) *
                   3];
  }
};

// False when the file is not a readable PNG. Transparency is composed onto white.
inline bool ReadPng(const std::string& path, RgbImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_RGB;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  image.pixels.assign(PNG_IMAGE_SIZE(png), 0);
  png_color white{255, 255, 255};
  const bool read = png_image_finish_read(&png, &white, image.pixels.data(), 0, nullptr) != 0;
  png_image_free(&png);
  return read;
}

// The smallest box holding every pixel that differs from the top-left pixel (the background)
// by more than the threshold in some channel; empty when there is none.
struct PixelBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
  bool empty() const { return right < left; }
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

inline PixelBox DrawingBox(const RgbImage& image, int threshold = 24) {
  PixelBox box{image.width, image.height, -1, -1};
  if (image.width == 0 || image.height == 0) return box;
  const unsigned char* background = image.at(0, 0);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const unsigned char* p = image.at(x, y);
      bool differs = false;
      for (int c = 0; c < 3; ++c) differs |= std::abs(p[c] - background[c]) > threshold;
      if (!differs) continue;
      if (x < box.left) box.left = x;
      if (x > box.right) box.right = x;
      if (y < box.top) box.top = y;
      if (y > box.bottom) box.bottom = y;
    }
  }
  return box;
}

}  // namespace testing_support
