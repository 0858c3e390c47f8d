#include "tools/skin_art/shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace skin_art {
namespace {

float Length(float x, float y) {
  return std::sqrt(x * x + y * y);
}

float DistanceToSegment(Point p, Point a, Point b) {
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float length_squared = dx * dx + dy * dy;
  float t = 0.0f;
  if (length_squared > 0.0f) {
    t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared, 0.0f, 1.0f);
  }
  return Length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

float SignedArea(const std::vector<Point>& points) {
  float area = 0.0f;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % points.size()];
    area += a.x * b.y - b.x * a.y;
  }
  return area;
}

// Visits the centre of every pixel of bounds, widened by `margin` for soft edges.
template <typename Visit>
void ForEachPixel(const Canvas& canvas, Box bounds, float margin, Visit visit) {
  const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left - margin)));
  const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top - margin)));
  const int x1 = std::min(canvas.width(), static_cast<int>(std::ceil(bounds.right + margin)));
  const int y1 = std::min(canvas.height(), static_cast<int>(std::ceil(bounds.bottom + margin)));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      visit(x, y, Point{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
    }
  }
}

}  // namespace

Distance RoundRectDistance(Box box, float radius) {
  return [box, radius](Point p) {
    const float qx = std::abs(p.x - box.CentreX()) - box.Width() / 2 + radius;
    const float qy = std::abs(p.y - box.CentreY()) - box.Height() / 2 + radius;
    const float outside = Length(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Distance CircleDistance(Point centre, float radius) {
  return [centre, radius](Point p) { return Length(p.x - centre.x, p.y - centre.y) - radius; };
}

Distance SegmentDistance(Point a, Point b, float width) {
  return [a, b, width](Point p) { return DistanceToSegment(p, a, b) - width / 2; };
}

Distance ConvexPolygonDistance(std::vector<Point> points) {
  const float winding = SignedArea(points) < 0 ? -1.0f : 1.0f;
  return [points = std::move(points), winding](Point p) {
    float distance = -std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      const float length = Length(b.x - a.x, b.y - a.y);
      if (length <= 0.0f) {
        continue;
      }
      // Positive on the outer side of the edge for either winding.
      const float side = ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / length;
      distance = std::max(distance, -winding * side);
    }
    return distance;
  };
}

Distance PolylineDistance(std::vector<Point> points, float width) {
  return [points = std::move(points), width](Point p) {
    float nearest = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      nearest = std::min(nearest, DistanceToSegment(p, points[i], points[i + 1]));
    }
    return nearest - width / 2;
  };
}

Distance Outline(Distance shape, float width) {
  return [shape = std::move(shape), width](Point p) { return std::abs(shape(p)) - width / 2; };
}

Distance Union(std::vector<Distance> shapes) {
  return [shapes = std::move(shapes)](Point p) {
    float distance = std::numeric_limits<float>::max();
    for (const Distance& shape : shapes) {
      distance = std::min(distance, shape(p));
    }
    return distance;
  };
}

Distance Subtract(Distance shape, Distance hole) {
  return [shape = std::move(shape), hole = std::move(hole)](Point p) {
    return std::max(shape(p), -hole(p));
  };
}

void Fill(Canvas& canvas, Box bounds, const Distance& shape, const Paint& paint) {
  ForEachPixel(canvas, bounds, 1.0f, [&](int x, int y, Point centre) {
    const float coverage = std::clamp(0.5f - shape(centre), 0.0f, 1.0f);
    if (coverage > 0.0f) {
      canvas.Blend(x, y, paint(centre.x, centre.y), coverage);
    }
  });
}

void FillSoft(Canvas& canvas, Box bounds, const Distance& shape, float blur, Color color) {
  ForEachPixel(canvas, bounds, blur + 1.0f, [&](int x, int y, Point centre) {
    const float t = std::clamp((shape(centre) + blur) / (2 * blur), 0.0f, 1.0f);
    const float smooth = t * t * (3.0f - 2.0f * t);
    canvas.Blend(x, y, color, 1.0f - smooth);
  });
}

void FillRoundRect(Canvas& canvas, Box box, float radius, const Paint& paint) {
  Fill(canvas, box, RoundRectDistance(box, radius), paint);
}

void StrokeRoundRect(Canvas& canvas, Box box, float radius, float width, const Paint& paint) {
  Fill(canvas, box.Inset(-width, -width), Outline(RoundRectDistance(box, radius), width), paint);
}

void FillCircle(Canvas& canvas, Point centre, float radius, const Paint& paint) {
  Fill(canvas, BoxAround(centre, radius, radius), CircleDistance(centre, radius), paint);
}

void DrawPolyline(Canvas& canvas, const std::vector<Point>& points, float width,
                  const Paint& paint) {
  if (points.empty()) {
    return;
  }
  Box bounds{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x),
              std::max(bounds.bottom, p.y)};
  }
  Fill(canvas, bounds.Inset(-width, -width), PolylineDistance(points, width), paint);
}

}  // namespace skin_art
