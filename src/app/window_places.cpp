#include "app/window_places.h"

#include <array>
#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <string_view>

#include "files/atomic_write.h"
#include "files/regular_file.h"

namespace korvane {

namespace {

// Far more than the lines of every window need.
constexpr std::uintmax_t kLargestFile = 1 << 16;

// Eight whole numbers separated by commas, the sizes above 0.
std::optional<WindowPlace> ParsePlace(std::string_view text) {
    std::array<int, 8> numbers{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            if (at == end || *at != ',') {
                return std::nullopt;
            }
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, numbers[i]);
        if (error != std::errc()) {
            return std::nullopt;
        }
        at = next;
    }
    const WindowPlace place{{numbers[0], numbers[1], numbers[2], numbers[3]},
                            {numbers[4], numbers[5], numbers[6], numbers[7]}};
    if (at != end || place.window.width <= 0 || place.window.height <= 0 ||
        place.screen.width <= 0 || place.screen.height <= 0) {
        return std::nullopt;
    }
    return place;
}

}  // namespace

WindowPlaces ReadWindowPlaces(std::istream& in) {
    WindowPlaces places;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t equals = line.find('=');
        if (equals == 0 || equals == std::string::npos) {
            continue;
        }
        if (const auto place = ParsePlace(std::string_view(line).substr(equals + 1))) {
            places[line.substr(0, equals)] = *place;
        }
    }
    return places;
}

void WriteWindowPlaces(std::ostream& out, const WindowPlaces& places) {
    for (const auto& [name, place] : places) {
        const ScreenRect& w = place.window;
        const ScreenRect& s = place.screen;
        out << name << '=' << w.left << ',' << w.top << ',' << w.width << ',' << w.height << ','
            << s.left << ',' << s.top << ',' << s.width << ',' << s.height << '\n';
    }
}

WindowPlaces LoadWindowPlaces(const ConfigurationPlaces& places) {
    const Result<std::string> text = ReadRegularFile(places.config_folder / kWindowPlacesFileName,
                                                     "window places", kLargestFile);
    if (!text) {
        return {};
    }
    std::istringstream in(text.value());
    return ReadWindowPlaces(in);
}

Status SaveWindowPlaces(const ConfigurationPlaces& places, const WindowPlaces& windows) {
    std::error_code error;
    std::filesystem::create_directories(places.config_folder, error);
    return WriteFileAtomically(places.config_folder / kWindowPlacesFileName,
                               [&windows](std::ostream& out) { WriteWindowPlaces(out, windows); });
}

}  // namespace korvane
