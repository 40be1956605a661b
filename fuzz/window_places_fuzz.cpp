// Feeds arbitrary bytes to the reader of Windows.ini, where the program keeps
// its windows' places. Every place that was read is written as a line that
// reads back to the same place.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/window_places.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const korvane::WindowPlaces places = korvane::ReadWindowPlaces(in);
    std::ostringstream out;
    korvane::WriteWindowPlaces(out, places);
    std::istringstream again_in(out.str());
    if (korvane::ReadWindowPlaces(again_in) != places) {
        korvane::fuzz::Fail("window places fuzz",
                            "places change when written and read again:\n" + out.str());
    }
    return 0;
}
