#pragma once

#include <string_view>

namespace korvane {

// Where a printed report goes: a page that is written line by line, each piece
// of text placed at a distance from the left margin. Texts are Windows-1252
// bytes; an implementation converts them at its edge. The desktop program
// prints through the platform's printer, the tests record the calls.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Selects the font in its regular face: not bold, not italic, not underlined.
    virtual void SetFont(std::string_view name, double points) = 0;
    virtual void SetBold(bool bold) = 0;

    // Prints the text on the current line, starting `x_mm` millimetres from the
    // left margin.
    virtual void PrintAt(double x_mm, std::string_view text) = 0;

    // Moves to the start of the next line; a new page begins when the current
    // one is full.
    virtual void EndLine() = 0;

    // Sends the document to the printer.
    virtual void EndDocument() = 0;
};

}  // namespace korvane
