#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/desktop.h"
#include "ui/prompter.h"

namespace korvane::gui {

// The desktop's services for the windows: the default application (through
// xdg-open; without it $VISUAL or $EDITOR) as text editor, programs on the search path, a new copy
// of this executable, the print dialog, and the clock.
class QtDesktop final : public ui::Desktop {
public:
    // Tells the user, in UTF-8, how a print job ended after the print dialog
    // was closed: a PDF file written, or a job that came to nothing (the PDF
    // file could not be written, the printer refused the document).
    using Report = std::function<void(const std::string& message, MessageIcon icon)>;
    explicit QtDesktop(Report report);

    Status OpenInTextEditor(const std::string& path,
                            std::function<void(const Status&)> failed_later) override;
    std::optional<std::string> FindProgram(const std::string& name) override;
    Status StartProgram(const std::string& program,
                        const std::vector<std::string>& arguments) override;
    Status StartNewCopy() override;

    // The print dialog, whose printers include writing a PDF file; no job
    // when it is cancelled. The busy pointer shows until the job has ended.
    std::unique_ptr<PrintSurface> StartProfilePrint(const std::string& title,
                                                    const std::string& pdf_file) override;
    std::unique_ptr<ui::TextFlowSurface> StartTextPrint() override;

    std::chrono::sys_days Today() override;
    std::chrono::local_seconds Now() override;

private:
    Report report_;
};

}  // namespace korvane::gui
