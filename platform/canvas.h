// The page canvas: what every printout, clipboard picture and the projector
// picture draws on. Plain C++, so that the drawing code runs and is tested
// without a display; the Qt implementation draws on a printer, a PDF or an
// image, the recording one keeps the operations for tests.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>

namespace vrek {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

namespace colour {
constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb navy{0, 0, 128};
constexpr Rgb maroon{128, 0, 0};
constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb green{0, 128, 0};
constexpr Rgb silver{192, 192, 192};
constexpr Rgb cyan{0, 255, 255};
}  // namespace colour

// A font asked for by the name the program uses ("Arial", "Symbol",
// "Century Schoolbook", "Courier New", "Arial Black"); the implementation
// puts the free stand-in in its place.
struct Font {
    std::string name = "Arial";
    double size = 10;     // points, or pixels when `pixels`
    bool pixels = false;  // size is the height of a line of text (ascent + descent) in pixels
    Rgb colour = colour::black;
    bool bold = false, italic = false, underline = false;
    bool operator==(const Font &) const = default;
};

// Suit signs as drawn on paper and in pictures (UTF-8), suit 1 clubs .. 4 spades.
const char *suitSign(int suit);
// Printed suit colours: clubs navy, diamonds maroon, hearts red, spades black;
// all black in black-and-white mode.
Rgb printSuitColour(int suit, bool colourMode);

class Canvas {
public:
    virtual ~Canvas() = default;

    // A document is one print job with its title; it starts on its first page.
    // beginDocument is false when the output cannot be opened.
    virtual bool beginDocument(const std::string &jobTitle) = 0;
    virtual void newPage() = 0;
    // False when the output could not be written whole.
    virtual bool endDocument() = 0;

    // The drawable area, in pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setFont(const Font &f) = 0;
    virtual const Font &font() const = 0;
    virtual int textWidth(const std::string &utf8) = 0;
    virtual int textHeight(const std::string &utf8) = 0;
    // Text with its top-left corner at (x, y), on the text background if one
    // is set, transparent otherwise.
    virtual void text(int x, int y, const std::string &utf8) = 0;
    virtual void setTextBackground(const Rgb &c) = 0;
    virtual void clearTextBackground() = 0;

    virtual void setPen(const Rgb &c, int width = 1) = 0;
    virtual void setBrush(const Rgb &c) = 0;
    virtual void clearBrush() = 0;  // shapes are hollow
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Shapes from (x1, y1) to (x2, y2), outlined with the pen, filled with the brush.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void roundRect(int x1, int y1, int x2, int y2, int rx, int ry) = 0;
    // A picture file stretched over the rectangle; false when it cannot be read.
    virtual bool image(const std::string &path, int x, int y, int w, int h) = 0;

    // Convenience: font name, size and style in one call, colour kept.
    void font(const std::string &name, double size) {
        Font f = font();
        f.name = name;
        f.size = size;
        setFont(f);
    }
    void fontColour(const Rgb &c) {
        Font f = font();
        f.colour = c;
        setFont(f);
    }
    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
};

// Rounds to the nearest integer, ties to even.
inline int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Page units: the printable page as 2000 x 2800 units. A position of v units
// is round(v x unit), each term rounded on its own.
struct PageUnits {
    double ux = 1, uy = 1;
    PageUnits() = default;
    PageUnits(int width, int height) : ux(width / 2000.0), uy(height / 2800.0) {}
    explicit PageUnits(const Canvas &c) : PageUnits(c.width(), c.height()) {}
    int x(double v) const { return roundEven(v * ux); }
    int y(double v) const { return roundEven(v * uy); }
};

}  // namespace vrek
