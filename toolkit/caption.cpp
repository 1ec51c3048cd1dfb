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

int access_key_index(std::u16string_view caption)
{
    int shown = 0;
    for (std::size_t i = 0; i < caption.size(); ++i, ++shown) {
        if (caption[i] != u'&' || i + 1 == caption.size())
            continue;
        if (caption[++i] != u'&')
            return shown;
    }
    return -1;
}

}  // namespace tk
