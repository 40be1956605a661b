#pragma once

namespace korvane::ui {

// The window a section editor goes back to when it closes.
enum class ParentWindow {
    MainWindow,
    ElectronicsEditor,
    WeaponSystemsEditor,
    OtherFeaturesMenu,
};

}  // namespace korvane::ui
