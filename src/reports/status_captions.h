#pragma once

#include <string>

#include "engine/status_summary.h"

namespace korvane {

// The status summary as the totals window words it, and as `korvane-cli
// show` prints it. Texts are Windows-1252 bytes like the design's text fields
// (a NUL of a never-set field reads as a blank); the two-line captions give
// the available figure, then the used one, each line ending in carriage return
// + line feed. A figure that rounds to 0 prints nothing after its label.
struct StatusCaptions {
    std::string ship_name;  // "name (type)"
    std::string volume;     // "KL: hull" CRLF "KL: used" CRLF
    std::string power;
    std::string hardpoints;
    std::string displacement;
    std::string tech_level;
    std::string mass;
    std::string cost;  // in MCr
    std::string agility;
    std::string cargo;
    std::string changed_mark;  // "Changed" / "Saved"
};

StatusCaptions CaptionsOf(const StatusSummary& summary);

}  // namespace korvane
