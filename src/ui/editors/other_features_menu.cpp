#include "ui/editors/other_features_menu.h"

#include "app/session.h"

namespace korvane::ui {

OtherFeaturesMenu::OtherFeaturesMenu() : Caption(AppTitle()) {}

}  // namespace korvane::ui
