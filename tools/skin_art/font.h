// A TrueType font (or one face of a collection) that lays out and draws UTF-8 text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/geometry.h"
#include "tools/skin_art/paint.h"

namespace skin_art {

// Text placed on a baseline at y = 0 with its pen starting at x = 0.
struct TextRun {
  struct Glyph {
    int index = 0;
    float x = 0;
  };
  std::vector<Glyph> glyphs;
  float size = 0;
  float advance = 0;
  Box ink;  // the box the glyphs actually cover
};

class Font {
 public:
  // Reads face `face` of the file; on failure returns null and says why in `error`.
  static std::unique_ptr<Font> Load(const std::string& path, int face, std::string& error);
  ~Font();

  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // `size` is the em size in pixels, as a UI font size is given.
  TextRun Layout(std::string_view utf8, float size) const;

  // `boldness` widens the strokes by that many pixels (the CJK face has no bold cut).
  void Draw(Canvas& canvas, const TextRun& run, Point origin, const Paint& paint,
            float boldness = 0) const;

 private:
  struct Face;
  explicit Font(std::unique_ptr<Face> face);
  std::unique_ptr<Face> face_;
};

}  // namespace skin_art
