// Spanish for the texts of Qt's own that a player can meet.
#pragma once

namespace tk::qt {

// Installs, once, a translator for them into the running application.
void install_spanish_texts();

}  // namespace tk::qt
