#include "ui/splash.h"

#include "app/session.h"

namespace korvane::ui {

Splash::Splash() : Title{AppTitle()} {}

}  // namespace korvane::ui
