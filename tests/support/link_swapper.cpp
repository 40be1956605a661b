#include "support/link_swapper.h"

#include <cstdio>

namespace korvane::testing {

LinkSwapper::LinkSwapper(std::vector<Link> links) : links_(std::move(links)) {
    for (const Link& link : links_) {
        Point(link, link.inside);
    }
    thread_ = std::thread([this] {
        for (bool outside = true; !stopping_; outside = !outside) {
            for (const Link& link : links_) {
                Point(link, outside ? link.outside : link.inside);
                ++swaps_;
            }
        }
    });
}

LinkSwapper::~LinkSwapper() {
    Stop();
}

void LinkSwapper::Stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        thread_.join();
        for (const Link& link : links_) {
            Point(link, link.inside);
        }
    }
}

void LinkSwapper::Point(const Link& link, const std::string& text) const {
    std::filesystem::path fresh = link.link;
    fresh += ".swapping";
    std::filesystem::create_symlink(text, fresh);
    std::filesystem::rename(fresh, link.link);
}

}  // namespace korvane::testing
