#include "gui/batch_worker.h"

#include <QThread>

#include <optional>
#include <utility>

namespace korvane::gui {

struct BatchWorker::Run {
    Session session;
    std::optional<Result<BatchOutcome>> outcome;
    Progressed progressed;
    Ended ended;
};

BatchWorker::BatchWorker(Session& session) : session_(session) {}

BatchWorker::~BatchWorker() {
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

void BatchWorker::Start(const ui::BatchJob& job, Progressed progressed, Ended ended) {
    if (run_) {
        return;
    }
    Result<std::unique_ptr<CatalogStore>> catalog = session_.catalog->OpenAgain();
    if (!catalog) {
        ended(Error{catalog.message()});
        return;
    }
    run_ = std::make_unique<Run>();
    Session& copy = run_->session;
    copy.CatalogDir = session_.CatalogDir;
    copy.catalog = std::move(catalog.value());
    copy.design = session_.design;
    copy.CurrentDesignPath = session_.CurrentDesignPath;
    copy.CurrentDesignStamp = session_.CurrentDesignStamp;
    copy.NotesFileName = session_.NotesFileName;
    copy.LastPagePath = session_.LastPagePath;
    copy.RecentListFrozen = session_.RecentListFrozen;
    run_->progressed = std::move(progressed);
    run_->ended = std::move(ended);

    Run& run = *run_;
    thread_ = QThread::create([this, &run, job] {
        run.outcome = RunBatch(run.session, job.folder, job.kind, job.today,
                               [this, &run](const BatchProgress& step) {
                                   QMetaObject::invokeMethod(
                                       this,
                                       [&run, step] {
                                           if (run.progressed) {
                                               run.progressed(step);
                                           }
                                       },
                                       Qt::QueuedConnection);
                               });
    });
    // Emitted on the run's thread, heard on this object's: after every progress report.
    connect(thread_, &QThread::finished, this, &BatchWorker::Finish);
    thread_->start();
}

void BatchWorker::Finish() {
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    const std::unique_ptr<Run> run = std::move(run_);
    session_.design = std::move(run->session.design);
    session_.CurrentDesignPath = std::move(run->session.CurrentDesignPath);
    session_.CurrentDesignStamp = run->session.CurrentDesignStamp;
    session_.NotesFileName = std::move(run->session.NotesFileName);
    session_.LastPagePath = std::move(run->session.LastPagePath);
    run->ended(*run->outcome);
}

}  // namespace korvane::gui
