#pragma once
// The functions the page's script provides to HtmlCanvas and PageUi
// (page_imports.js, linked with --js-library). Coordinates are device pixels
// of the drawing layer; colours are Colour values (red in the low byte).

#include <cstdint>

extern "C" {

// The drawing layer and the picture layer take this pixel size.
void nimbara_layers_size(int width, int height);
void nimbara_layers_clear();
void nimbara_layers_line(double x1, double y1, double x2, double y2, double width, int colour);
// `fill`: a colour, or -1 for the outline alone.
void nimbara_layers_rect(double x, double y, double w, double h, double width, int colour, int fill);
// An arc counter-clockwise (on the screen) from `start` through `sweep`
// radians, with the radius to its start and to its end when asked; a closed
// arc is filled with `fill` (-1: not filled).
void nimbara_layers_arc(double cx, double cy, double r, double start, double sweep, int fromCentre, int toCentre,
                        int closed, double width, int colour, int fill);
// `points`: x, y pairs of whole pixels.
void nimbara_layers_polygon(const std::int32_t* points, int count, double width, int colour, int fill);
void nimbara_layers_text(double x, double y, int pixelSize, int bold, int colour, const char* utf8);
// `points`: x, y pairs; an open path joined and ended round.
void nimbara_layers_polyline(const double* points, int count, double width, int colour);
// The text over an outline of its glyphs `haloWidth` pixels wide in `halo`.
void nimbara_layers_halo_text(double x, double y, int pixelSize, int bold, int colour, int halo, double haloWidth,
                              const char* utf8);
// The drawing layer's pixel as 0xAABBGGRR (alpha 0 where nothing is drawn).
std::uint32_t nimbara_layers_pixel(int x, int y);
// Pixels 0xAARRGGBB, row-major; a null `pixels` removes the picture.
void nimbara_layers_picture(int width, int height, const std::uint32_t* pixels);
void nimbara_layers_back_colour(int colour);

// A message shown in the page; MessageIcon as a number.
void nimbara_page_message(const char* title, const char* text, int icon);
// Yes: 1, No: 0.
int nimbara_page_ask(const char* title, const char* text);
}
