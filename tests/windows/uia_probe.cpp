// A Windows screen reader's view of a program, through UI Automation from
// another process:
//   uia_probe tree TITLE   the top-level window titled TITLE, an element a
//                          line, children indented under their parent
//   uia_probe focus FILE   each change of focus, a line each, appended to
//                          FILE as it comes, after a first line
//                          "# listening", until the probe is stopped
// An element's line: its control type, its name in quotes, then what it
// has of: key "access key", focused, offscreen, disabled, dialog,
// description "full description". Exits 1 when the window is not found.
#include <windows.h>

#include <ole2.h>
#include <uiautomation.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text, int length = -1)
{
    if (!text || length == 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    if (length < 0 && !out.empty())
        out.pop_back();  // the terminating zero
    return out;
}

std::string type_name(CONTROLTYPEID type)
{
    static const std::pair<CONTROLTYPEID, const char*> names[] = {
        {UIA_ButtonControlTypeId, "Button"},   {UIA_EditControlTypeId, "Edit"},     {UIA_GroupControlTypeId, "Group"},
        {UIA_ImageControlTypeId, "Image"},     {UIA_TextControlTypeId, "Text"},     {UIA_WindowControlTypeId, "Window"},
        {UIA_PaneControlTypeId, "Pane"},       {UIA_CustomControlTypeId, "Custom"}, {UIA_ScrollBarControlTypeId, "ScrollBar"},
        {UIA_TitleBarControlTypeId, "TitleBar"}, {UIA_MenuBarControlTypeId, "MenuBar"},
        {UIA_ListControlTypeId, "List"},       {UIA_ListItemControlTypeId, "ListItem"},
    };
    for (const auto& [id, name] : names)
        if (id == type)
            return name;
    return "Type" + std::to_string(type);
}

// A property as text; empty where the element has none.
std::string text_of(IUIAutomationElement* element, PROPERTYID property, bool cached)
{
    VARIANT value;
    VariantInit(&value);
    const HRESULT result = cached ? element->GetCachedPropertyValueEx(property, FALSE, &value)
                                  : element->GetCurrentPropertyValueEx(property, FALSE, &value);
    std::string out;
    if (SUCCEEDED(result) && value.vt == VT_BSTR && value.bstrVal)
        out = utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return out;
}

bool flag_of(IUIAutomationElement* element, PROPERTYID property)
{
    VARIANT value;
    VariantInit(&value);
    const bool on = SUCCEEDED(element->GetCurrentPropertyValueEx(property, FALSE, &value)) && value.vt == VT_BOOL &&
                    value.boolVal == VARIANT_TRUE;
    VariantClear(&value);
    return on;
}

CONTROLTYPEID type_of(IUIAutomationElement* element, bool cached)
{
    CONTROLTYPEID type = 0;
    if (cached)
        element->get_CachedControlType(&type);
    else
        element->get_CurrentControlType(&type);
    return type;
}

std::string line_of(IUIAutomationElement* element)
{
    std::string line = type_name(type_of(element, false)) + " \"" + text_of(element, UIA_NamePropertyId, false) + "\"";
    if (const std::string key = text_of(element, UIA_AccessKeyPropertyId, false); !key.empty())
        line += " key \"" + key + "\"";
    if (flag_of(element, UIA_HasKeyboardFocusPropertyId))
        line += " focused";
    if (flag_of(element, UIA_IsOffscreenPropertyId))
        line += " offscreen";
    if (!flag_of(element, UIA_IsEnabledPropertyId))
        line += " disabled";
    if (flag_of(element, UIA_IsDialogPropertyId))
        line += " dialog";
    if (const std::string description = text_of(element, UIA_FullDescriptionPropertyId, false); !description.empty())
        line += " description \"" + description + "\"";
    return line;
}

void print_tree(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int depth)
{
    std::printf("%*s%s\n", 2 * depth, "", line_of(element).c_str());
    IUIAutomationElement* child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child) {
        print_tree(walker, child, depth + 1);
        IUIAutomationElement* next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

int tree(IUIAutomation* automation, const wchar_t* title)
{
    const HWND window = FindWindowW(nullptr, title);
    IUIAutomationElement* root = nullptr;
    if (!window || FAILED(automation->ElementFromHandle(window, &root)) || !root)
        return 1;
    IUIAutomationCondition* raw = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    if (FAILED(automation->get_RawViewCondition(&raw)) || FAILED(automation->CreateTreeWalker(raw, &walker)) || !walker)
        return 1;
    print_tree(walker, root, 0);
    walker->Release();
    raw->Release();
    root->Release();
    return 0;
}

// Writes what each focus change names, as a screen reader gets it: the
// properties cached when the event is raised.
class FocusLog : public IUIAutomationFocusChangedEventHandler {
public:
    explicit FocusLog(std::FILE* file) : file_(file) {}

    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&references_); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        std::fprintf(file_, "%s \"%s\"\n", type_name(type_of(sender, true)).c_str(),
                     text_of(sender, UIA_NamePropertyId, true).c_str());
        std::fflush(file_);
        return S_OK;
    }

private:
    std::FILE* file_;
    LONG references_ = 1;
};

int focus(IUIAutomation* automation, const wchar_t* path)
{
    std::FILE* file = _wfopen(path, L"a");
    if (!file)
        return 1;
    IUIAutomationCacheRequest* cache = nullptr;
    automation->CreateCacheRequest(&cache);
    cache->AddProperty(UIA_NamePropertyId);
    cache->AddProperty(UIA_ControlTypePropertyId);
    FocusLog log(file);
    if (FAILED(automation->AddFocusChangedEventHandler(cache, &log)))
        return 1;
    std::fputs("# listening\n", file);
    std::fflush(file);
    for (;;)
        Sleep(1000);
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 3 || (wcscmp(argv[1], L"tree") != 0 && wcscmp(argv[1], L"focus") != 0)) {
        std::fputs("usage: uia_probe tree TITLE | uia_probe focus FILE\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                reinterpret_cast<void**>(&automation))))
        return 1;
    const int status = wcscmp(argv[1], L"tree") == 0 ? tree(automation, argv[2]) : focus(automation, argv[2]);
    automation->Release();
    CoUninitialize();
    return status;
}
