#include "pdf/profile_pdf.h"

#include <QGuiApplication>
#include <QPdfWriter>

#include <cstdlib>
#include <memory>
#include <optional>

#include "app/session.h"
#include "model/cp1252.h"
#include "pdf/pdf_document.h"
#include "pdf/profile_page.h"
#include "reports/printed_profile.h"

namespace korvane::pdf {

namespace {

// Qt's notes about the desktop session (no runtime folder and the like) mean
// nothing to a command without windows; its critical messages still show.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qt_message_output(type, context, message);
    }
}

// Qt's painting needs an application object; a command-line tool has none.
class HeadlessApplication {
public:
    HeadlessApplication() {
        if (QCoreApplication::instance() != nullptr) {
            return;
        }
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        previous_handler_ = qInstallMessageHandler(QuietMessages);
        application_.emplace(argc_, argv_);
    }
    ~HeadlessApplication() {
        if (application_) {
            application_.reset();
            qInstallMessageHandler(previous_handler_);
        }
    }
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

private:
    int argc_ = 1;
    char name_[12] = "korvane-cli";
    char* argv_[2] = {name_, nullptr};
    QtMessageHandler previous_handler_ = nullptr;
    std::optional<QGuiApplication> application_;
};

}  // namespace

Status WriteProfilePdf(const std::filesystem::path& file, const Design& design,
                       const ReportContext& context) {
    const HeadlessApplication application;
    PdfDocument document;
    bool printed = false;
    {
        ProfilePage page(document.NewWriter(
                             PdfDocument::DefaultPageLayout(),
                             QString::fromStdString(Utf8FromCp1252(ProfileDocumentTitle(design)))),
                         [&printed](bool done) { printed = done; });
        ShowProfile(page, design, context);
    }
    if (!printed) {
        return Error{file.string() + ": the profile could not be painted, nothing is written"};
    }
    return document.Save(file);
}

}  // namespace korvane::pdf
