#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>

#include "app/configuration.h"
#include "model/result.h"

namespace korvane {

inline constexpr const char* kWindowPlacesFileName = "Windows.ini";

// A rectangle on the desktop in device-independent pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }  // just past the last column
    int Bottom() const { return top + height; }
    bool Overlaps(const ScreenRect& other) const {
        return left < other.Right() && other.left < Right() && top < other.Bottom() &&
               other.top < Bottom();
    }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where a window was left: the top left corner of its frame and the size of
// its contents, and the whole screen it stood on.
struct WindowPlace {
    ScreenRect window;
    ScreenRect screen;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The places of the program's windows by the windows' names.
using WindowPlaces = std::map<std::string, WindowPlace>;

// One line a window: "Name=left,top,width,height,screen left,top,width,height".
// A line that is not of that form is passed over: it costs its window its
// place, nothing more.
WindowPlaces ReadWindowPlaces(std::istream& in);
void WriteWindowPlaces(std::ostream& out, const WindowPlaces& places);

// The places kept in the configuration folder; none when there is no such
// file or it cannot be read.
WindowPlaces LoadWindowPlaces(const ConfigurationPlaces& places);
Status SaveWindowPlaces(const ConfigurationPlaces& places, const WindowPlaces& windows);

}  // namespace korvane
