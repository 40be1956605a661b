#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// A text field of a fixed number of Windows-1252 bytes. A field that was never
// assigned holds NUL bytes; assigning pads with blanks or cuts to the width.
template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t kWidth = N;

    FixedText() = default;
    explicit FixedText(std::string_view text) { assign(text); }

    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        for (std::size_t i = 0; i < N; ++i) {
            bytes_[i] = i < text.size() ? text[i] : ' ';
        }
    }

    // All N bytes, NULs and padding included.
    std::string str() const { return std::string(bytes_.data(), N); }
    std::string_view view() const { return std::string_view(bytes_.data(), N); }

    // The text without its trailing blanks (NULs are kept).
    std::string trimmed() const {
        std::size_t end = N;
        while (end > 0 && bytes_[end - 1] == ' ') {
            --end;
        }
        return std::string(bytes_.data(), end);
    }

    char operator[](std::size_t i) const { return bytes_[i]; }
    char& operator[](std::size_t i) { return bytes_[i]; }
    char first() const { return bytes_[0]; }

    bool never_assigned() const {
        for (char c : bytes_) {
            if (c != '\0') {
                return false;
            }
        }
        return true;
    }

    bool contains(std::string_view needle) const {
        return view().find(needle) != std::string_view::npos;
    }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.bytes_ == b.bytes_; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, N> bytes_{};
};

}  // namespace korvane
