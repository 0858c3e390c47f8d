#include "tools/skin_art/font.h"

#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include "tools/skin_art/utf8.h"

namespace skin_art {

struct Font::Face {
  std::vector<unsigned char> data;  // stbtt_fontinfo points into this buffer
  stbtt_fontinfo info{};
};

namespace {

// A coverage map for one run of text; strokes drawn several times keep their maximum.
class Mask {
 public:
  Mask(int left, int top, int width, int height)
      : left_(left),
        top_(top),
        width_(width),
        height_(height),
        values_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0.0f) {}

  void Stamp(const std::vector<unsigned char>& bitmap, int bitmap_width, int x, int y) {
    const int bitmap_height = static_cast<int>(bitmap.size()) / std::max(bitmap_width, 1);
    for (int row = 0; row < bitmap_height; ++row) {
      for (int col = 0; col < bitmap_width; ++col) {
        const float value =
            static_cast<float>(bitmap[static_cast<std::size_t>(row * bitmap_width + col)]) / 255;
        float* slot = At(x + col, y + row);
        if (slot != nullptr) {
          *slot = std::max(*slot, value);
        }
      }
    }
  }

  void Composite(Canvas& canvas, const Paint& paint) const {
    for (int row = 0; row < height_; ++row) {
      for (int col = 0; col < width_; ++col) {
        const float value = values_[static_cast<std::size_t>(row * width_ + col)];
        if (value > 0.0f) {
          const int x = left_ + col;
          const int y = top_ + row;
          canvas.Blend(x, y, paint(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f),
                       value);
        }
      }
    }
  }

 private:
  float* At(int x, int y) {
    const int col = x - left_;
    const int row = y - top_;
    if (col < 0 || row < 0 || col >= width_ || row >= height_) {
      return nullptr;
    }
    return &values_[static_cast<std::size_t>(row * width_ + col)];
  }

  int left_;
  int top_;
  int width_;
  int height_;
  std::vector<float> values_;
};

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Pen offsets at which a glyph is stamped to widen it by `boldness` pixels.
std::vector<float> StampOffsets(float boldness) {
  std::vector<float> offsets{0.0f};
  const int steps = static_cast<int>(std::ceil(boldness / 0.5f));
  for (int i = 1; i <= steps; ++i) {
    offsets.push_back(boldness * static_cast<float>(i) / static_cast<float>(steps));
  }
  return offsets;
}

void StampGlyph(const stbtt_fontinfo& info, float scale, int glyph, Point pen, Mask& mask) {
  const float ix = std::floor(pen.x);
  const float iy = std::floor(pen.y);
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  stbtt_GetGlyphBitmapBoxSubpixel(&info, glyph, scale, scale, pen.x - ix, pen.y - iy, &x0, &y0, &x1,
                                  &y1);
  const int width = x1 - x0;
  const int height = y1 - y0;
  if (width <= 0 || height <= 0) {
    return;
  }
  std::vector<unsigned char> bitmap(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  stbtt_MakeGlyphBitmapSubpixel(&info, bitmap.data(), width, height, width, scale, scale,
                                pen.x - ix, pen.y - iy, glyph);
  mask.Stamp(bitmap, width, static_cast<int>(ix) + x0, static_cast<int>(iy) + y0);
}

}  // namespace

Font::Font(std::unique_ptr<Face> face) : face_(std::move(face)) {}
Font::~Font() = default;

std::unique_ptr<Font> Font::Load(const std::string& path, int face, std::string& error) {
  auto loaded = std::make_unique<Face>();
  loaded->data = ReadFile(path);
  if (loaded->data.empty()) {
    error = "cannot read the font " + path;
    return nullptr;
  }
  const int offset = stbtt_GetFontOffsetForIndex(loaded->data.data(), face);
  if (offset < 0 || stbtt_InitFont(&loaded->info, loaded->data.data(), offset) == 0) {
    error = "not a usable TrueType font: " + path;
    return nullptr;
  }
  return std::unique_ptr<Font>(new Font(std::move(loaded)));
}

TextRun Font::Layout(std::string_view utf8, float size) const {
  const stbtt_fontinfo& info = face_->info;
  const float scale = stbtt_ScaleForMappingEmToPixels(&info, size);
  TextRun run;
  run.size = size;
  run.ink = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
             std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
  int previous = 0;
  float pen = 0.0f;
  for (char32_t code : DecodeUtf8(utf8)) {
    const int glyph = stbtt_FindGlyphIndex(&info, static_cast<int>(code));
    if (previous != 0) {
      pen += scale * static_cast<float>(stbtt_GetGlyphKernAdvance(&info, previous, glyph));
    }
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (stbtt_GetGlyphBox(&info, glyph, &x0, &y0, &x1, &y1) != 0) {
      run.ink = {std::min(run.ink.left, pen + scale * static_cast<float>(x0)),
                 std::min(run.ink.top, -scale * static_cast<float>(y1)),
                 std::max(run.ink.right, pen + scale * static_cast<float>(x1)),
                 std::max(run.ink.bottom, -scale * static_cast<float>(y0))};
    }
    run.glyphs.push_back({glyph, pen});
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&info, glyph, &advance, &bearing);
    pen += scale * static_cast<float>(advance);
    previous = glyph;
  }
  run.advance = pen;
  if (run.ink.left > run.ink.right) {
    run.ink = {};
  }
  return run;
}

void Font::Draw(Canvas& canvas, const TextRun& run, Point origin, const Paint& paint,
                float boldness) const {
  const stbtt_fontinfo& info = face_->info;
  const float scale = stbtt_ScaleForMappingEmToPixels(&info, run.size);
  const int left = static_cast<int>(std::floor(origin.x + run.ink.left)) - 2;
  const int top = static_cast<int>(std::floor(origin.y + run.ink.top)) - 2;
  const int right = static_cast<int>(std::ceil(origin.x + run.ink.right + boldness)) + 2;
  const int bottom = static_cast<int>(std::ceil(origin.y + run.ink.bottom)) + 2;
  Mask mask(left, top, right - left, bottom - top);
  for (float offset : StampOffsets(boldness)) {
    for (const TextRun::Glyph& glyph : run.glyphs) {
      StampGlyph(info, scale, glyph.index, {origin.x + glyph.x + offset, origin.y}, mask);
    }
  }
  mask.Composite(canvas, paint);
}

}  // namespace skin_art
