#include "model/design_changes.h"

#include <algorithm>
#include <utility>

namespace korvane {

void DesignChanges::Fold(DesignChanges&& later) {
    for (auto& [number, value] : later.parts_) {
        if (!kept_.test(number)) {
            kept_.set(number);
            parts_.emplace_back(number, std::move(value));
        }
    }
    later = DesignChanges{};
}

bool DesignChanges::DiffersFrom(const Design& design) const {
    bool differs = false;
    design_parts::ForEachPart(
        design, design, [&]<typename Part>(std::size_t number, const Part& part, const Part&) {
            differs = differs || (kept_.test(number) &&
                                  !design_parts::Same(part, std::get<Part>(ValueOf(number))));
        });
    return differs;
}

void DesignChanges::SwapWith(Design& design) {
    design_parts::ForEachPart(design, design,
                              [&]<typename Part>(std::size_t number, Part& part, const Part&) {
                                  if (kept_.test(number)) {
                                      std::swap(part, std::get<Part>(ValueOf(number)));
                                  }
                              });
}

std::size_t DesignChanges::HeldBytes() const {
    std::size_t bytes = parts_.capacity() * sizeof(parts_.front());
    const auto textBytes = [](const std::string& text) {
        return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
    };
    const auto listBytes = [&](const std::vector<std::string>& list) {
        std::size_t held = list.capacity() * sizeof(std::string);
        for (const std::string& text : list) {
            held += textBytes(text);
        }
        return held;
    };
    for (const auto& [number, value] : parts_) {
        if (const auto* codes = std::get_if<std::array<std::string, 7>>(&value)) {
            for (const std::string& code : *codes) {
                bytes += textBytes(code);
            }
        } else if (const auto* list = std::get_if<std::vector<std::string>>(&value)) {
            bytes += listBytes(*list);
        } else if (const auto* lists = std::get_if<decltype(Design::BlockProblems)>(&value)) {
            for (const auto& each : *lists) {
                bytes += listBytes(each);
            }
        }
    }
    return bytes;
}

// A kept part is always found: a part is looked up only when its bit is set.
DesignChanges::Value& DesignChanges::ValueOf(std::size_t number) {
    return std::ranges::find(parts_, number, &std::pair<std::size_t, Value>::first)->second;
}

const DesignChanges::Value& DesignChanges::ValueOf(std::size_t number) const {
    return std::ranges::find(parts_, number, &std::pair<std::size_t, Value>::first)->second;
}

}  // namespace korvane
