// The captions the game gives its controls as it goes.
#pragma once

namespace game {

inline constexpr const char16_t* caption_pause = u"De&tener";
inline constexpr const char16_t* caption_continue = u"Con&tinuar";

}  // namespace game
