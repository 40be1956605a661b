#include "gui/text_flow_page.h"

namespace korvane::gui {

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

}  // namespace

void TextFlowPage::Print(std::string_view text) {
    for (std::size_t brk = text.find('\n'); brk != std::string_view::npos; brk = text.find('\n')) {
        std::string_view line = text.substr(0, brk);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        x_ = writer_.Draw(x_, line);
        EndLine();
        text.remove_prefix(brk + 1);
    }
    x_ = writer_.Draw(x_, text);
}

void TextFlowPage::EndLine() {
    writer_.EndLine();
    x_ = 0;
}

double TextFlowPage::UnitsPerTwip() const {
    return writer_.UnitsPerMm() / kTwipsPerMm;
}

double TextFlowPage::CurrentX() const {
    return x_ / UnitsPerTwip();
}

double TextFlowPage::PrintableWidth() const {
    return writer_.PrintableWidth() / UnitsPerTwip();
}

}  // namespace korvane::gui
