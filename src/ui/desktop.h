#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/result.h"
#include "reports/print_surface.h"
#include "ui/text_flow_surface.h"

namespace korvane::ui {

// What the windows ask of the desktop besides questions and controls: other
// programs, the printer and the clock. The desktop program implements it with
// the platform's services; tests script it.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Opens the file in the desktop's text editor and returns at once; the
    // program does not wait for the editor. An opener that cannot be started
    // is a failure returned at once; one that starts and then ends in failure
    // (it found no editor to run) is told to `failed_later` when it ends.
    virtual Status OpenInTextEditor(const std::string& path,
                                    std::function<void(const Status&)> failed_later) = 0;

    // The full path of an installed program found on the search path.
    virtual std::optional<std::string> FindProgram(const std::string& name) = 0;

    // Starts a program and returns at once.
    virtual Status StartProgram(const std::string& program,
                                const std::vector<std::string>& arguments) = 0;

    // Starts a new copy of this program's own executable, without arguments.
    virtual Status StartNewCopy() = 0;

    // A print job on the printer for the printed profile or for flowing text,
    // ended by its EndDocument; no job when printing is cancelled or there is no printer.
    // The job, and a PDF file printed to, is named `title`; the print dialog
    // proposes `pdf_file` (when not empty) for printing to a PDF file.
    virtual std::unique_ptr<PrintSurface> StartProfilePrint(const std::string& title,
                                                            const std::string& pdf_file) = 0;
    virtual std::unique_ptr<TextFlowSurface> StartTextPrint() = 0;

    // The day the reports carry (SOURCE_DATE_EPOCH when set, as Today() reads it).
    virtual std::chrono::sys_days Today() = 0;

    // The local date and time, for the stamps typed into texts.
    virtual std::chrono::local_seconds Now() = 0;
};

}  // namespace korvane::ui
