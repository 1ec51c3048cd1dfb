// Pictures of an image list, decoded on first use.
#include "toolkit/qt/imagestore.h"

#include <QPixmap>

namespace tk::qt {

const QIcon& ImageStore::icon(int k) const
{
    QIcon& icon = icons_.at(static_cast<std::size_t>(k - 1));
    if (icon.isNull())
        icon = QIcon(QPixmap(resources_[static_cast<std::size_t>(k - 1)]));
    return icon;
}

}  // namespace tk::qt
