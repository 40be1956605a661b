#include "gui/program_icon.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace korvane::gui {

namespace {

// The sizes of the program's icon, each read only when something draws it at
// that size: a window system that shows no window icons reads none of them.
class ProgramIconEngine final : public QIconEngine {
public:
    explicit ProgramIconEngine(std::map<int, QString> files) : files_(std::move(files)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int wanted = std::max(size.width(), size.height());
        auto file = files_.lower_bound(wanted);
        if (file == files_.end()) {
            file = std::prev(file);
        }
        QPixmap& picture = read_[file->first];
        if (picture.isNull()) {
            picture.load(file->second);
        }
        // Made smaller from the next larger size; never larger than the largest.
        return file->first <= wanted
                   ? picture
                   : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), files_.rbegin()->first});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [side, file] : files_) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    std::map<int, QString> files_;  // by size, square
    std::map<int, QPixmap> read_;
};

}  // namespace

// Each size is a folder of its own, named by the size (":/program-icon/16/…").
QIcon ProgramIcon() {
    std::map<int, QString> files;
    QDirIterator sizes(QStringLiteral(":/program-icon"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        if (const int side = QFileInfo(file).dir().dirName().toInt(); side > 0) {
            files.emplace(side, file);
        }
    }
    return files.empty() ? QIcon() : QIcon(new ProgramIconEngine(std::move(files)));
}

}  // namespace korvane::gui
