#include "model/design.h"

#include <type_traits>

namespace korvane {

namespace {

template <typename DesignT>
auto TableOf(DesignT& d, std::size_t index) {
    using Record =
        std::conditional_t<std::is_const_v<DesignT>, const ComponentRecord, ComponentRecord>;
    switch (index) {
        case 0:
            return std::span<Record>(d.Slots);
        case 1:
            return std::span<Record>(d.Sensors);
        case 2:
            return std::span<Record>(d.Communicators);
        case 3:
            return std::span<Record>(d.Turrets);
        case 4:
            return std::span<Record>(d.Bays);
        case 5:
            return std::span<Record>(d.Screens);
        case 6:
            return std::span<Record>(d.Accommodations);
        case 7:
            return std::span<Record>(d.Craft);
        case 8:
            return std::span<Record>(d.Environment);
        case 9:
            return std::span<Record>(d.AntiHijack);
        case 10:
            return std::span<Record>(d.CustomFeatures);
        default:
            return std::span<Record>();
    }
}

}  // namespace

std::span<ComponentRecord> Design::Table(std::size_t index) {
    return TableOf(*this, index);
}

std::span<const ComponentRecord> Design::Table(std::size_t index) const {
    return TableOf(*this, index);
}

std::string Design::ShipName() const {
    std::string name;
    name.reserve(50);
    for (const std::string_view part :
         {DesignRecord.LABEL.view(), DesignRecord.MISCSTR[1].view(), DesignRecord.MISCSTR[2].view(),
          DesignRecord.MISCSTR[3].view()}) {
        name += part;
    }
    return name;
}

void Design::SetShipName(std::string_view name) {
    auto part = [&](std::size_t from, std::size_t width) {
        return from < name.size() ? name.substr(from, width) : std::string_view();
    };
    ShipName1() = part(0, 20);
    ShipName2() = part(20, 10);
    ShipName3() = part(30, 10);
    ShipName4() = part(40, 10);
}

}  // namespace korvane
