#include "ui/about_box.h"

#include "app/session.h"

namespace korvane::ui {

AboutBox::AboutBox()
    : Caption("About " + AppTitle()),
      title{AppTitle()},
      description{
          "A starship design calculator for the construction rules of the Zarnoth "
          "tabletop game and their house rules: pick the components of a ship from the "
          "catalog and every figure of the design is worked out again after each change."},
      warranty{
          "This program is offered in the hope that it is useful, but without any "
          "warranty: check every design against the rules your game uses before you "
          "rely on it."} {}

void AboutBox::SystemInfo(Desktop& desktop, Prompter& prompter) {
    for (const char* name : kSystemInformationPrograms) {
        const std::optional<std::string> program = desktop.FindProgram(name);
        if (program && desktop.StartProgram(*program, {}).ok()) {
            return;
        }
    }
    prompter.ShowMessage(kProgramName, "System Information Is Unavailable At This Time",
                         MessageIcon::None);
}

}  // namespace korvane::ui
