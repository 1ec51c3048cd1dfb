// Pictures of an image list, decoded on first use.
#include "toolkit/qt/imagestore.h"

#include "toolkit/qt/pixels.h"

namespace tk::qt {

const QIcon& ImageStore::icon(int k) const
{
    QIcon& icon = icons_.at(static_cast<std::size_t>(k - 1));
    if (icon.isNull())
        icon = pixel_art_icon({load_pixels(resources_[static_cast<std::size_t>(k - 1)])});
    return icon;
}

}  // namespace tk::qt
