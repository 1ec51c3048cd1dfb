// The web front end's view of the headless window.
#include "toolkit/web/page.h"

#include "toolkit/caption.h"
#include "window/layout.h"

#include <emscripten.h>

extern "C" {
// library.js
void page_attach(int k, const char* name);
void page_listen();
void page_visible(int k, bool on);
void page_enabled(int k, bool on);
void page_caption(int k, const char16_t* text, int key);
void page_text(int k, const char16_t* text);
void page_picture(int k, int number, const char16_t* name);
void page_timer(int milliseconds);
void page_focus(int k);
void page_say(const char16_t* text);
void page_end(int status);
void page_report(const char16_t* text);
int page_box(const char16_t* prompt, const char16_t* title, int style, const int* keep, int count);
}

namespace tk::web {

Page::Page(headless::GameWindow& window) : window_(window)
{
    for (const Control& c : window_.controls()) {
        Control* control = window_.control(c.name);
        numbers_[control] = static_cast<int>(controls_.size());
        page_attach(static_cast<int>(controls_.size()), c.name.c_str());
        controls_.push_back(control);
    }
    window_.set_view(this);
    window_.front_end().set_answer(
        [this](const MessageBoxCall& call, const BoxSetting& setting) { return answer(call, setting); });
}

void Page::listen()
{
    page_listen();
    focused(window_.front_end().focus());
}

Control* Page::control(int k)
{
    return k >= 0 && k < static_cast<int>(controls_.size()) ? controls_[static_cast<std::size_t>(k)] : nullptr;
}

int Page::number(const Control* control) const
{
    const auto found = numbers_.find(control);
    return found == numbers_.end() ? -1 : found->second;
}

// A cell shows one card, its back or its face, or none: the other is not
// in the page's tab order either.
void Page::show_cell(int cell)
{
    Control* showing = window_.front_end().showing(cell);
    for (Control* card : {window_.form().btnsuperior(static_cast<std::int16_t>(cell)).control(),
                          window_.form().btnimagen(static_cast<std::int16_t>(cell)).control()})
        page_visible(number(card), card == showing);
}

void Page::changed(const Control& control, Change what)
{
    const int k = number(&control);
    switch (what) {
    case Change::Visible:
        if (control.cell >= 0)
            show_cell(control.cell);
        else
            page_visible(k, control.visible);
        break;
    case Change::Enabled:
        page_enabled(k, control.enabled);
        break;
    case Change::Caption:
        page_caption(k, shown_caption(control.caption).c_str(), access_key_index(control.caption));
        break;
    case Change::Text:
        page_text(k, control.text.c_str());
        break;
    case Change::Picture: {
        const std::int16_t n = control.picture.number();
        const auto names = window::card_picture_names();
        const bool known = !control.picture.empty() && n >= 1 && n <= static_cast<int>(names.size());
        page_picture(k, known ? n : 0, known ? names[static_cast<std::size_t>(n - 1)] : u"");
        break;
    }
    case Change::Interval:
        page_timer(control.interval);
        break;
    }
}

void Page::focused(const Control* control)
{
    page_focus(number(control));
}

void Page::said(const Text& text)
{
    page_say(text.c_str());
}

void Page::ended(int status)
{
    page_end(status);
}

// The program waits for the answer. A box asked for while one waits (the
// report of an error in a tick, say) cannot wait in turn: it answers as
// closed, and its text stays for the page the program leaves at its end.
std::int16_t Page::answer(const MessageBoxCall& call, const BoxSetting& setting)
{
    if (box_shown_) {
        page_report(call.prompt.c_str());
        return (call.style & 0x0F) == MB_YESNO ? IDNO : IDOK;
    }
    std::vector<int> keep;
    for (const Control* control : setting.keep_in_view)
        keep.push_back(number(control));
    box_shown_ = true;
    const int answer = page_box(call.prompt.c_str(), call.title.c_str(), call.style, keep.data(), static_cast<int>(keep.size()));
    box_shown_ = false;
    return static_cast<std::int16_t>(answer);
}

}  // namespace tk::web
