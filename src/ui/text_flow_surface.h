#pragma once

#include <string_view>

namespace korvane::ui {

// A printed page that text flows along, as the text window prints: each piece
// follows the previous one on the current line, and the page tells how far
// along the line it stands. Positions and widths are in twips (1/1440 inch)
// from the left margin. Texts are Windows-1252 bytes; a line break (carriage
// return + line feed) inside a piece starts a new line.
class TextFlowSurface {
public:
    virtual ~TextFlowSurface() = default;

    virtual void SetFont(std::string_view name, double points) = 0;
    virtual void SetBold(bool bold) = 0;

    // Prints the text at the current position, which moves past it.
    virtual void Print(std::string_view text) = 0;

    // Moves to the start of the next line; a new page begins when the current one is full.
    virtual void EndLine() = 0;

    virtual double CurrentX() const = 0;
    virtual double PrintableWidth() const = 0;

    // Sends the document to the printer.
    virtual void EndDocument() = 0;
};

}  // namespace korvane::ui
