// Names of the dynamic properties that hold what Qt widgets have no field for.
#pragma once

namespace tk::qt {

constexpr const char* index_property = "Index";        // element of a control array
constexpr const char* tab_index_property = "TabIndex";  // place in the tab order
constexpr const char* tag_property = "Tag";

}  // namespace tk::qt
