// Pictures of an image list, decoded on first use and kept for the run.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <vector>

namespace tk::qt {

class ImageStore : public QObject {
public:
    ImageStore(std::vector<QString> resources, QObject* parent) : QObject(parent), resources_(std::move(resources)), icons_(resources_.size()) {}
    int count() const { return static_cast<int>(resources_.size()); }
    // Picture k, 1 <= k <= count().
    const QIcon& icon(int k) const;

private:
    std::vector<QString> resources_;
    mutable std::vector<QIcon> icons_;
};

}  // namespace tk::qt
