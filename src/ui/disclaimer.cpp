#include "ui/disclaimer.h"

namespace korvane::ui {

Disclaimer::Disclaimer()
    : notice{
          "Zarnoth and the names of its worlds, peoples, ships and rules are trademarks of "
          "their owners. Korvane is an unofficial design aid made by players: it is not "
          "published, approved or endorsed by the owners of the Zarnoth game system, and "
          "its use of their names challenges none of their rights."} {}

}  // namespace korvane::ui
