#include "gui/qt_desktop.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <filesystem>

#include "app/session.h"
#include "gui/qt_text.h"
#include "gui/text_flow_page.h"
#include "pdf/pdf_document.h"
#include "pdf/profile_page.h"
#include "reports/report_context.h"

namespace korvane::gui {

namespace {

// The busy pointer for as long as the object lives.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Where a print job paints, and what is done once it has ended.
struct PrintTarget {
    std::unique_ptr<QPagedPaintDevice> device;
    pdf::PageWriter::Finished finished;
};

// The printer chosen in the print dialog. A PDF file is painted in memory and
// written in one piece once complete, as every file of the program is.
std::optional<PrintTarget> ChoosePrintTarget(
    const std::function<void(const std::string&)>& report_failure) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QString::fromStdString(AppTitle()));
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    auto busy = std::make_shared<BusyPointer>();
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const std::filesystem::path target = NativePath(printer->outputFileName());
        auto document = std::make_shared<pdf::PdfDocument>();
        auto writer = document->NewWriter(printer->pageLayout(), printer->docName());
        return PrintTarget{
            std::move(writer), [document, target, report_failure, busy](bool printed) {
                const Status saved =
                    printed ? document->Save(target)
                            : Status(Error{target.string() + ": the document could not be made"});
                if (!saved) {
                    report_failure(saved.message());
                }
            }};
    }
    const std::string printer_name = NativePath(printer->printerName());
    return PrintTarget{
        std::move(printer), [printer_name, report_failure, busy](bool printed) {
            if (!printed) {
                report_failure("The printer " + printer_name + " did not take the document.");
            }
        }};
}

// Starts `program` with the file, the program given as a command line that may
// carry options of its own ("code --wait").
bool StartEditor(const QString& command, const QString& file) {
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty()) {
        return false;
    }
    const QString program = words.takeFirst();
    words << file;
    return QProcess::startDetached(program, words);
}

}  // namespace

QtDesktop::QtDesktop(std::function<void(const std::string&)> report_failure)
    : report_failure_(std::move(report_failure)) {}

Status QtDesktop::OpenInTextEditor(const std::string& path) {
    const QString file = QtPath(path);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
        return {};
    }
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        if (StartEditor(qEnvironmentVariable(variable), file)) {
            return {};
        }
    }
    return Error{path +
                 ": no text editor could be started. Set a default application for text "
                 "files, or the VISUAL or EDITOR variable."};
}

std::optional<std::string> QtDesktop::FindProgram(const std::string& name) {
    const QString found = QStandardPaths::findExecutable(QtPath(name));
    if (found.isEmpty()) {
        return std::nullopt;
    }
    return NativePath(found);
}

Status QtDesktop::StartProgram(const std::string& program,
                               const std::vector<std::string>& arguments) {
    QStringList words;
    for (const std::string& argument : arguments) {
        words << QtPath(argument);
    }
    if (!QProcess::startDetached(QtPath(program), words)) {
        return Error{program + ": cannot be started"};
    }
    return {};
}

Status QtDesktop::StartNewCopy() {
    const QString program = QCoreApplication::applicationFilePath();
    if (!QProcess::startDetached(program, {})) {
        return Error{NativePath(program) + ": cannot be started again"};
    }
    return {};
}

std::unique_ptr<PrintSurface> QtDesktop::StartProfilePrint() {
    std::optional<PrintTarget> target = ChoosePrintTarget(report_failure_);
    if (!target) {
        return nullptr;
    }
    return std::make_unique<pdf::ProfilePage>(std::move(target->device),
                                              std::move(target->finished));
}

std::unique_ptr<ui::TextFlowSurface> QtDesktop::StartTextPrint() {
    std::optional<PrintTarget> target = ChoosePrintTarget(report_failure_);
    if (!target) {
        return nullptr;
    }
    return std::make_unique<TextFlowPage>(std::move(target->device), std::move(target->finished));
}

std::chrono::sys_days QtDesktop::Today() {
    return korvane::Today();
}

std::chrono::local_seconds QtDesktop::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const std::chrono::local_days day{std::chrono::year(date.year()) /
                                      static_cast<unsigned>(date.month()) /
                                      static_cast<unsigned>(date.day())};
    return day + std::chrono::seconds(now.time().msecsSinceStartOfDay() / 1000);
}

}  // namespace korvane::gui
