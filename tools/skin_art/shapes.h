// Antialiased shapes. Each is a signed distance (negative inside) that is turned into
// pixel coverage at the shape's edge, which gives smooth edges without supersampling.
#pragma once

#include <functional>
#include <vector>

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/geometry.h"
#include "tools/skin_art/paint.h"

namespace skin_art {

using Distance = std::function<float(Point)>;

Distance RoundRectDistance(Box box, float radius);
Distance CircleDistance(Point centre, float radius);
// A stroke of the given width along a segment, with round ends.
Distance SegmentDistance(Point a, Point b, float width);
// Points in either winding order; the polygon must be convex.
Distance ConvexPolygonDistance(std::vector<Point> points);
// A stroke through the points, round joints and ends.
Distance PolylineDistance(std::vector<Point> points, float width);
// The outline of a shape: a band of the given width centred on its edge.
Distance Outline(Distance shape, float width);
Distance Union(std::vector<Distance> shapes);
Distance Subtract(Distance shape, Distance hole);

// Paints every pixel of `bounds` that the shape covers.
void Fill(Canvas& canvas, Box bounds, const Distance& shape, const Paint& paint);

// A blurred copy of the shape's silhouette, for drop shadows and glows.
void FillSoft(Canvas& canvas, Box bounds, const Distance& shape, float blur, Color color);

// Convenience for the common cases.
void FillRoundRect(Canvas& canvas, Box box, float radius, const Paint& paint);
void StrokeRoundRect(Canvas& canvas, Box box, float radius, float width, const Paint& paint);
void FillCircle(Canvas& canvas, Point centre, float radius, const Paint& paint);
void DrawPolyline(Canvas& canvas, const std::vector<Point>& points, float width,
                  const Paint& paint);

}  // namespace skin_art
