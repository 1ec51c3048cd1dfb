// Captions: the "&" that marks an access key.
#include "toolkit/caption.h"

namespace tk {

Text shown_caption(std::u16string_view caption)
{
    Text shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        shown += caption[i];
    }
    return shown;
}

}  // namespace tk
