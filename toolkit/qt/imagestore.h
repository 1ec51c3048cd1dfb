// Pictures of an image list, decoded on first use and kept for the run.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <vector>

namespace tk::qt {

class ImageStore : public QObject {
public:
    // resources[k - 1] holds picture k; names[k - 1] says what it shows.
    ImageStore(std::vector<QString> resources, std::vector<QString> names, QObject* parent)
        : QObject(parent), resources_(std::move(resources)), names_(std::move(names)), icons_(resources_.size())
    {
        names_.resize(resources_.size());
    }
    int count() const { return static_cast<int>(resources_.size()); }
    // Picture k, 1 <= k <= count().
    const QIcon& icon(int k) const;
    const QString& name(int k) const { return names_.at(static_cast<std::size_t>(k - 1)); }

private:
    std::vector<QString> resources_;
    std::vector<QString> names_;
    mutable std::vector<QIcon> icons_;
};

}  // namespace tk::qt
