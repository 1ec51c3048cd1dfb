// Captions: the "&" that marks an access key.
#pragma once

#include "toolkit/convert.h"

#include <string_view>

namespace tk {

// The text a caption shows: "&" marks the next character as the access
// key and is not shown, "&&" shows one "&".
Text shown_caption(std::u16string_view caption);

// Where the access key stands in the text the caption shows, or -1 for a
// caption without one.
int access_key_index(std::u16string_view caption);

}  // namespace tk
