// Captions: the "&" that marks an access key.
#pragma once

#include "toolkit/convert.h"

#include <string_view>

namespace tk {

// The text a caption shows: "&" marks the next character as the access
// key and is not shown, "&&" shows one "&".
Text shown_caption(std::u16string_view caption);

}  // namespace tk
