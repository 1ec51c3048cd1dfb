// window_layout: prints the main window as window/layout.cpp describes it,
// for the scripts that check the Windows game from outside:
//   caption TEXT                                   (UTF-8)
//   client WIDTH HEIGHT                            (twips)
//   control NAME INDEX LEFT TOP WIDTH HEIGHT       (twips, in the window)
// one line each, a control's place summed over its containers. Built for
// the host from layout.cpp and the toolkit's conversions, without Qt.
#include "toolkit/convert.h"
#include "window/layout.h"

#include <cstdio>

int main()
{
    const window::WindowSpec& window = window::frmprincipal_window;
    std::printf("caption %s\nclient %g %g\n", tk::to_utf8(window.caption).c_str(), window.client_width, window.client_height);
    for (const window::ControlSpec& spec : window::frmprincipal_controls()) {
        double left = spec.left, top = spec.top;
        for (const char* container = spec.container; container;) {
            const window::ControlSpec& outer = window::frmprincipal_control(container);
            left += outer.left;
            top += outer.top;
            container = outer.container;
        }
        std::printf("control %s %d %g %g %g %g\n", spec.name, spec.index, left, top, spec.width, spec.height);
    }
    return 0;
}
