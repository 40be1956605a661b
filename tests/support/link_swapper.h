#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace korvane::testing {

// Swaps symbolic links on a thread of its own for as long as it lives, as
// another process of a hostile folder's owner would: each link is made anew
// under a name of its own and renamed over the old one, so that it always
// exists and leads to one of its two targets, turn and turn about.
class LinkSwapper {
public:
    struct Link {
        std::filesystem::path link;
        std::string inside;   // the link's text in one state
        std::string outside;  // and in the other
    };

    // Makes each link, leading inside, and starts swapping.
    explicit LinkSwapper(std::vector<Link> links);
    ~LinkSwapper();
    LinkSwapper(const LinkSwapper&) = delete;
    LinkSwapper& operator=(const LinkSwapper&) = delete;

    // Stops the swaps and leaves every link leading inside.
    void Stop();
    long Swaps() const { return swaps_; }

private:
    std::vector<Link> links_;
    std::atomic<bool> stopping_{false};
    std::atomic<long> swaps_{0};
    std::thread thread_;

    void Point(const Link& link, const std::string& text) const;
};

}  // namespace korvane::testing
