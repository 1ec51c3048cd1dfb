// Writes the web page's window from the window's description: index.html
// with every control the player sees, and layout.css with where each
// stands, its font and colour, so that the page shows the window before
// any script runs. Run at build time: make_page HTML CSS.
// make_page --floor HTML writes the same page without its program: what a
// browser shows of static controls alone, the benchmark's floor.
#include "toolkit/caption.h"
#include "toolkit/convert.h"
#include "window/layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using window::ControlSpec;
using window::ControlType;

constexpr double twips_per_pixel = 15;

std::string id_of(const ControlSpec& spec)
{
    std::string id = spec.name;
    if (spec.index >= 0)
        id += '_' + std::to_string(spec.index);
    return id;
}

std::string escaped(std::u16string_view text)
{
    std::string out;
    for (char c : tk::to_utf8(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string pixels(double twips)
{
    return std::to_string(std::lround(twips / twips_per_pixel)) + "px";
}

// A caption as a button shows it: the access key's letter underlined.
std::string caption_html(std::u16string_view caption)
{
    const tk::Text shown = tk::shown_caption(caption);
    const int key = tk::access_key_index(caption);
    if (key < 0)
        return escaped(shown);
    const auto k = static_cast<std::size_t>(key);
    return escaped(std::u16string_view(shown).substr(0, k)) + "<u>" + escaped(std::u16string_view(shown).substr(k, 1)) +
           "</u>" + escaped(std::u16string_view(shown).substr(k + 1));
}

// The access key's letter, lower case, or "" for none.
std::string access_key(std::u16string_view caption)
{
    const int key = tk::access_key_index(caption);
    const char16_t letter = key < 0 ? u'\0' : tk::shown_caption(caption)[static_cast<std::size_t>(key)];
    if (letter == u'\0' || letter >= 0x80)
        return {};
    return std::string(1, static_cast<char>(std::tolower(letter)));
}

std::string font_css(const window::Font& font)
{
    if (!font.family)
        return {};
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", font.points);
    return std::string("font:") + size + " \"" + font.family + "\",serif;";
}

std::string colour_css(std::int32_t colour)
{
    if (colour == window::default_colour)
        return {};
    // Named by value, so that a palette can show it otherwise.
    char css[48];
    const auto rgb = static_cast<unsigned>(colour);
    std::snprintf(css, sizeof css, "color:var(--colour-%06x,#%06x);", rgb, rgb);
    return css;
}

class Page {
public:
    Page()
    {
        for (const ControlSpec& spec : window::frmprincipal_controls())
            children_[spec.container ? spec.container : ""].push_back(&spec);
    }

    // The controls of a container in the desktop's reading order, which is
    // the document's: bottom to top, as the desktop lists a container's
    // children, and the board cell by cell, a back beside its face. The
    // tab order, which crosses containers, is the tab indices'.
    void write_children(const char* container, int depth)
    {
        std::vector<const ControlSpec*> list(children_[container].rbegin(), children_[container].rend());
        std::stable_sort(list.begin(), list.end(),
                         [](const ControlSpec* a, const ControlSpec* b) { return a->index < b->index; });
        for (std::size_t k = 0; k < list.size(); ++k)
            write_control(*list[k], container, depth);
    }

    std::string html, css;

private:
    bool holds_cards(const ControlSpec& frame) const
    {
        const auto found = children_.find(frame.name);
        return found != children_.end() &&
               std::any_of(found->second.begin(), found->second.end(),
                           [](const ControlSpec* child) { return std::string_view(child->name) == "btnsuperior"; });
    }

    void write_control(const ControlSpec& spec, const char* container, int depth)
    {
        const std::string id = id_of(spec);
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        const std::string tab = spec.tab_index >= 0 ? " tabindex=\"" + std::to_string(spec.tab_index + 1) + "\"" : "";
        const std::string disabled = spec.enabled ? "" : " disabled";
        switch (spec.type) {
        case ControlType::Frame: {
            // The board is an application, whose arrow keys a screen reader
            // leaves to it; its frame, unnamed, is a box that takes no part.
            const bool board = holds_cards(spec);
            const std::string name =
                spec.accessible_name ? " aria-label=\"" + escaped(spec.accessible_name) + "\"" : "";
            html += indent + "<fieldset id=\"" + id + "\" class=\"frame\"" + disabled + (board ? " role=\"none\"" : name) + ">\n";
            if (*spec.caption)
                html += indent + "  <legend>" + escaped(spec.caption) + "</legend>\n";
            if (board)
                html += indent + "  <div class=\"board\" role=\"application\"" + name + ">\n";
            write_children(spec.name, depth + (board ? 2 : 1));
            if (board)
                html += indent + "  </div>\n";
            html += indent + "</fieldset>\n";
            css += "#" + id + ">legend{" + font_css(spec.font) + colour_css(spec.colour) + "}\n";
            break;
        }
        case ControlType::Label:
            if (const ControlSpec* box = labelled(spec, container))
                html += indent + "<label id=\"" + id + "\" class=\"label\" for=\"" + id_of(*box) + "\">" +
                        escaped(spec.caption) + "</label>\n";
            else
                html += indent + "<span id=\"" + id + "\" class=\"label\">" + escaped(spec.caption) + "</span>\n";
            break;
        case ControlType::TextBox:
            html += indent + "<input id=\"" + id + "\" class=\"textbox\" type=\"text\"" + tab + (spec.locked ? " readonly" : "") +
                    disabled + ">\n";
            if (spec.centred)
                css += "#" + id + "{text-align:center}\n";
            break;
        case ControlType::CommandButton:
            html += indent + "<button id=\"" + id + "\" type=\"button\"" + tab + disabled;
            if (spec.index >= 0 && spec.graphical) {  // a face: hidden under its back
                html += " class=\"card face\" hidden><img alt=\"\"></button>\n";
            } else if (spec.index >= 0) {
                const std::u16string name = tk::Text(window::card_back_name);
                html += " class=\"card back\" aria-label=\"" +
                        escaped(name.substr(0, name.find(u"%1")) + tk::cstr(std::int32_t{spec.index + 1})) + "\"></button>\n";
            } else {
                const std::string key = access_key(spec.caption);
                html += " class=\"command\"";
                if (!key.empty())
                    html += " data-key=\"" + key + "\" aria-keyshortcuts=\"Alt+" +
                            static_cast<char>(std::toupper(key[0])) + "\"";
                html += ">";
                if (spec.picture)
                    html += std::string("<img src=\"pictures/") + spec.picture + "_32.png\" alt=\"\">";
                html += "<span class=\"caption\">" + caption_html(spec.caption) + "</span></button>\n";
            }
            break;
        case ControlType::Timer:
        case ControlType::ImageList:
            return;  // not shown
        }
        css += "#" + id + "{left:" + pixels(spec.left) + ";top:" + pixels(spec.top);
        if (spec.width > 0) {
            // Edges rounded apart, so that neighbours keep their gaps.
            css += ";width:" + std::to_string(std::lround((spec.left + spec.width) / twips_per_pixel) -
                                              std::lround(spec.left / twips_per_pixel)) +
                   "px;height:" +
                   std::to_string(std::lround((spec.top + spec.height) / twips_per_pixel) -
                                  std::lround(spec.top / twips_per_pixel)) +
                   "px";
        }
        css += ";z-index:" + std::to_string(stacking(spec, container));
        if (spec.type != ControlType::Frame)
            css += ";" + font_css(spec.font) + colour_css(spec.colour);
        css += "}\n";
    }

    // The text box in the same container whose name is this label's caption.
    const ControlSpec* labelled(const ControlSpec& label, const char* container)
    {
        for (const ControlSpec* spec : children_[container])
            if (spec->type == ControlType::TextBox && spec->accessible_name &&
                std::u16string_view(spec->accessible_name) == label.caption)
                return spec;
        return nullptr;
    }

    // Listed earlier lies above.
    int stacking(const ControlSpec& spec, const char* container)
    {
        const std::vector<const ControlSpec*>& list = children_[container];
        for (std::size_t k = 0; k < list.size(); ++k)
            if (list[k] == &spec)
                return static_cast<int>(list.size() - k);
        return 0;
    }

    std::map<std::string, std::vector<const ControlSpec*>> children_;
};

}  // namespace

int main(int argc, char** argv)
{
    const bool floor = argc == 3 && std::string(argv[1]) == "--floor";
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_page HTML CSS\n       make_page --floor HTML\n");
        return 2;
    }
    const window::WindowSpec& window = window::frmprincipal_window;
    Page page;
    page.write_children("", 3);
    const std::string caption = escaped(window.caption);
    std::ofstream html(argv[floor ? 2 : 1], std::ios::binary);
    html << "<!DOCTYPE html>\n"
            "<html lang=\"es\">\n"
            "<head>\n"
            "<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'self' "
            "'wasm-unsafe-eval'; connect-src 'self'; style-src 'self'; img-src 'self'; manifest-src 'self'; "
            "worker-src 'self'\">\n"
            "<title>"
         << caption << "</title>\n"
         << "<link rel=\"icon\" href=\"pictures/" << window.icon << "_32.png\">\n"
         << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
            "<link rel=\"stylesheet\" href=\"duplimo.css\">\n"
            "<link rel=\"stylesheet\" href=\"layout.css\">\n"
         // The program's code is fetched while the page is read, not once
         // its script has run.
         << (floor ? "" : "<link rel=\"preload\" href=\"duplimo.wasm\" as=\"fetch\" type=\"application/wasm\" crossorigin>\n"
                          "<script src=\"duplimo.js\" defer></script>\n")
         << "</head>\n"
            "<body>\n"
            "<div class=\"desk\">\n"
            "  <header class=\"title\"><img src=\"pictures/"
         << window.icon << "_16.png\" alt=\"\"><h1>" << caption << "</h1></header>\n"
         << "  <main>\n"
         // Inert until the program takes it over: no control seems to work before.
         << "  <section id=\"frmprincipal\" class=\"window\" tabindex=\"-1\"" << (floor ? "" : " inert")
         << " aria-label=\"" << caption << "\">\n"
         << page.html
         << "  </section>\n"
            // What stays once the window has gone: in the main landmark too.
            "  <p id=\"ended\" class=\"ended\" hidden>El programa ha terminado. Vuelva a cargar la página para "
            "jugar otra vez.</p>\n"
            "  <div id=\"failed\" class=\"ended\" hidden><p>El programa ha terminado por un error. Vuelva a "
            "cargar la página para jugar otra vez.</p><p id=\"failed-report\"></p></div>\n"
         << (floor ? "" : "  <noscript><p class=\"ended\">Duplimo necesita JavaScript para jugar.</p></noscript>\n")
         << "  </main>\n"
            "</div>\n"
            "<div id=\"said\" class=\"unseen\" aria-live=\"polite\"></div>\n"
            "<dialog id=\"box\" role=\"alertdialog\" aria-labelledby=\"box-title\" aria-describedby=\"box-text\">\n"
            "  <h2 id=\"box-title\" class=\"title\"></h2>\n"
            "  <div class=\"message\"><img id=\"box-icon\" alt=\"\"><p id=\"box-text\"></p></div>\n"
            "  <div class=\"answers\">\n"
            "    <button id=\"box-ok\" type=\"button\">Aceptar</button>\n"
            "    <button id=\"box-yes\" type=\"button\" data-key=\"s\" aria-keyshortcuts=\"Alt+S\"><u>S</u>í</button>\n"
            "    <button id=\"box-no\" type=\"button\" data-key=\"n\" aria-keyshortcuts=\"Alt+N\"><u>N</u>o</button>\n"
            "  </div>\n"
            // What is said while the box is open, the page behind being inert;
            // last, so that a screen reader reading the box meets no blank.
            "  <div id=\"box-said\" class=\"unseen\" aria-live=\"polite\"></div>\n"
            "</dialog>\n"
            "</body>\n"
            "</html>\n";
    if (floor)
        return html ? 0 : 1;
    std::ofstream css(argv[2], std::ios::binary);
    css << "/* Generated from the window's description; do not edit. */\n"
        << ":root{--window-width:" << pixels(window.client_width) << ";--window-height:" << pixels(window.client_height)
        << "}\n.window{width:var(--window-width);height:var(--window-height)}\n"
        << page.css;
    return html && css ? 0 : 1;
}
