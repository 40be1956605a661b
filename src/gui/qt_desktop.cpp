#include "gui/qt_desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

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
// The job, and the PDF file, is named `title`. `pdf_file`, when not empty, is
// proposed in the dialog's box for the PDF file (which the dialog otherwise
// fills with the program's name in the home folder).
std::optional<PrintTarget> ChoosePrintTarget(const QtDesktop::Report& report, const QString& title,
                                             const std::string& pdf_file = {}) {
    const auto report_failure = [report](const std::string& message) {
        report(message, MessageIcon::Critical);
    };
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(title);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    auto* const file_box = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (file_box != nullptr && !pdf_file.empty()) {
        file_box->setText(QDir::current().absoluteFilePath(QtPath(pdf_file)));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    auto busy = std::make_shared<BusyPointer>();
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const std::filesystem::path target = NativePath(printer->outputFileName());
        auto document = std::make_shared<pdf::PdfDocument>();
        // The page the dialog chose, with the margins of every PDF the program
        // writes (those of `korvane-cli print --pdf`), not the printer's.
        auto writer = document->NewWriter(
            pdf::PdfDocument::WithDefaultMargins(printer->pageLayout()), printer->docName());
        return PrintTarget{
            std::move(writer), [document, target, report, report_failure, busy](bool printed) {
                const Status saved =
                    printed ? document->Save(target)
                            : Status(Error{target.string() + ": the document could not be made"});
                if (!saved) {
                    report_failure(saved.message());
                } else {
                    report("The printed profile was written to " + target.string() + ".",
                           MessageIcon::Information);
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

// The desktop's opener for files (which starts the default application for
// the file's type), or else the editor that VISUAL or EDITOR names, as a
// command line that may carry options of its own ("code --wait").
QStringList TextEditorCommand() {
    if (const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        !opener.isEmpty()) {
        return {opener};
    }
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        if (QStringList words = QProcess::splitCommand(qEnvironmentVariable(variable));
            !words.isEmpty()) {
            return words;
        }
    }
    return {};
}

// What the opener said last on its error output, on one line of printable
// characters: "x-terminal-emulator: not found".
std::string LastComplaint(const QByteArray& error_output) {
    constexpr qsizetype kLongest = 200;
    const QList<QByteArray> lines = error_output.trimmed().split('\n');
    QString last =
        QString::fromLocal8Bit(lines.isEmpty() ? QByteArray() : lines.back()).left(kLongest);
    for (QChar& c : last) {
        if (!c.isPrint()) {
            c = QLatin1Char('?');
        }
    }
    return last.trimmed().toStdString();
}

}  // namespace

QtDesktop::QtDesktop(Report report) : report_(std::move(report)) {}

// The opener runs as a child of the program so that its end is seen: an
// opener that finds no editor (no terminal for a terminal editor, no
// application for text files) ends with a code other than 0.
Status QtDesktop::OpenInTextEditor(const std::string& path,
                                   std::function<void(const Status&)> failed_later) {
    QStringList command = TextEditorCommand();
    if (command.isEmpty()) {
        return Error{path +
                     ": no text editor could be started. Set a default application for text "
                     "files, or the VISUAL or EDITOR variable."};
    }
    auto* opener = new QProcess(QCoreApplication::instance());
    const QString program = command.takeFirst();
    opener->setProgram(program);
    opener->setArguments(command << QtPath(path));
    opener->setStandardOutputFile(QProcess::nullDevice());
    const std::string name = NativePath(program);
    QObject::connect(
        opener, &QProcess::finished, opener,
        [opener, path, name, failed_later](int code, QProcess::ExitStatus status) {
            opener->deleteLater();
            if (status == QProcess::NormalExit && code == 0) {
                return;
            }
            std::string why =
                name + (status == QProcess::NormalExit ? " ended with code " + std::to_string(code)
                                                       : std::string(" crashed"));
            if (const std::string complaint = LastComplaint(opener->readAllStandardError());
                !complaint.empty()) {
                why += ": " + complaint;
            }
            failed_later(Error{path + ": no text editor could be started (" + why + ")."});
        });
    opener->start();
    if (!opener->waitForStarted()) {
        const std::string why = NativePath(opener->errorString());
        delete opener;
        return Error{path + ": no text editor could be started (" + name + ": " + why + ")."};
    }
    return {};
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

std::unique_ptr<PrintSurface> QtDesktop::StartProfilePrint(const std::string& title,
                                                           const std::string& pdf_file) {
    std::optional<PrintTarget> target = ChoosePrintTarget(report_, QtText(title), pdf_file);
    if (!target) {
        return nullptr;
    }
    return std::make_unique<pdf::ProfilePage>(std::move(target->device),
                                              std::move(target->finished));
}

std::unique_ptr<ui::TextFlowSurface> QtDesktop::StartTextPrint() {
    std::optional<PrintTarget> target =
        ChoosePrintTarget(report_, QString::fromStdString(AppTitle()));
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
