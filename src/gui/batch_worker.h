#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include "app/session.h"
#include "batch/batch_run.h"
#include "ui/batch_window.h"

class QThread;

namespace korvane::gui {

// Carries out the batch window's runs on a thread of their own, so that the
// windows stay responsive. A run works on a session of its own: the catalog
// opened once more from its file (lookups walk the catalog with a cursor)
// and a copy of the program's design and paths, so nothing the windows touch
// changes while it lasts. Each processed file is reported back through the
// event loop; at the end the program's session takes over the last design
// the run loaded, as a run on the window's own thread leaves it.
class BatchWorker final : public QObject {
    Q_OBJECT

public:
    using Progressed = std::function<void(const BatchProgress&)>;
    using Ended = std::function<void(const Result<BatchOutcome>&)>;

    explicit BatchWorker(Session& session);
    // A run still going is waited for: it stops only between designs, and its
    // files are left whole. Its outcome is not reported any more.
    ~BatchWorker() override;
    BatchWorker(const BatchWorker&) = delete;
    BatchWorker& operator=(const BatchWorker&) = delete;

    // Starts `job`; `progressed` after each file and `ended` once, both on
    // this object's thread. A catalog that cannot be opened ends the run at once.
    void Start(const ui::BatchJob& job, Progressed progressed, Ended ended);
    bool Running() const { return run_ != nullptr; }

private:
    struct Run;
    void Finish();

    Session& session_;
    std::unique_ptr<Run> run_;
    QThread* thread_ = nullptr;
};

}  // namespace korvane::gui
