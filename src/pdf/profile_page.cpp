#include "pdf/profile_page.h"

namespace korvane::pdf {

void ProfilePage::PrintAt(double x_mm, std::string_view text) {
    writer_.Draw(x_mm * writer_.UnitsPerMm(), text);
}

}  // namespace korvane::pdf
