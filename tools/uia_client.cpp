// A small UI Automation client that reads a program as a Windows screen reader does,
// from the handle of the window with the given title. It listens on that window for UI
// Automation's notification events (a program's announcements) and prints each as it
// comes ("event ..."); and it answers commands on its input, one a line:
//   tree   prints the program's tree of UI Automation elements, one an indented line:
//          control type, name, value where one is answered, "focused" where it has the
//          keyboard focus, "hidden" where it is off the screen; then "end"
//   quit   (or the end of the input) ends it
//   uia_client.exe TITLE
// Output is UTF-8. Exit 0 at the end; 1 where no window has the title within 30 seconds or
// UI Automation gives no element for it.
#include <cstdio>
#include <cstring>
#include <mutex>
#include <ole2.h>
#include <string>
#include <uiautomation.h>
#include <windows.h> // first: the other Windows headers build on it

namespace {

std::string utf8(const wchar_t* text) {
    std::string out(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), static_cast<int>(out.size()), nullptr,
                        nullptr);
    out.pop_back(); // the closing null
    return out;
}

const char* typeName(int type) {
    switch (type) {
    case UIA_ButtonControlTypeId:
        return "button";
    case UIA_ComboBoxControlTypeId:
        return "combo box";
    case UIA_EditControlTypeId:
        return "edit";
    case UIA_HyperlinkControlTypeId:
        return "link";
    case UIA_ListControlTypeId:
        return "list";
    case UIA_ListItemControlTypeId:
        return "list item";
    case UIA_TextControlTypeId:
        return "text";
    case UIA_GroupControlTypeId:
        return "group";
    case UIA_WindowControlTypeId:
        return "window";
    case UIA_PaneControlTypeId:
        return "pane";
    case UIA_TitleBarControlTypeId:
        return "title bar";
    case UIA_ScrollBarControlTypeId:
        return "scroll bar";
    default:
        return nullptr;
    }
}

// A property's value, as text; empty where the element does not answer it.
std::wstring property(HUIANODE node, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(UiaGetPropertyValue(node, id, &value))) {
        if (value.vt == VT_BSTR && value.bstrVal)
            text = value.bstrVal;
        else if (value.vt == VT_I4)
            text = std::to_wstring(value.lVal);
        else if (value.vt == VT_BOOL)
            text = value.boolVal ? L"1" : L"0";
    }
    VariantClear(&value);
    return text;
}

UiaCondition trueCondition{ConditionType_True};
UiaCacheRequest elementAlone{
    &trueCondition, TreeScope_Element, nullptr, 0, nullptr, 0, AutomationElementMode_Full};

// The element that data handed back by UI Automation starts with, or null.
HUIANODE firstElement(SAFEARRAY* data) {
    HUIANODE element = nullptr;
    LONG index[2] = {0, 0};
    VARIANT value;
    VariantInit(&value);
    if (data && SUCCEEDED(SafeArrayGetElement(data, index, &value)))
        UiaHUiaNodeFromVariant(&value, &element);
    return element;
}

// The element in direction `to` from `node`, or null.
HUIANODE navigate(HUIANODE node, NavigateDirection to) {
    SAFEARRAY* data = nullptr;
    BSTR structure = nullptr;
    HUIANODE next = nullptr;
    if (SUCCEEDED(UiaNavigate(node, to, &trueCondition, &elementAlone, &data, &structure)))
        next = firstElement(data);
    if (data)
        SafeArrayDestroy(data);
    SysFreeString(structure);
    return next;
}

std::mutex output; // the events come on a thread of their own

// One line of the tree: the element's type, name, value, focus and whether it is hidden.
void describe(HUIANODE node, int depth) {
    const std::wstring type = property(node, UIA_ControlTypePropertyId);
    const char* known = typeName(type.empty() ? 0 : std::stoi(type));
    const std::wstring value = property(node, UIA_ValueValuePropertyId);
    std::printf("%*s%s \"%s\"", 2 * depth, "", known ? known : utf8(type.c_str()).c_str(),
                utf8(property(node, UIA_NamePropertyId).c_str()).c_str());
    if (!value.empty())
        std::printf(" value \"%s\"", utf8(value.c_str()).c_str());
    if (property(node, UIA_HasKeyboardFocusPropertyId) == L"1")
        std::printf(" focused");
    if (property(node, UIA_IsOffscreenPropertyId) == L"1")
        std::printf(" hidden");
    std::printf("\n");
}

void walk(HUIANODE node, int depth, int& elements) {
    if (depth > 12 || ++elements > 500)
        return;
    describe(node, depth);
    for (HUIANODE child = navigate(node, NavigateDirection_FirstChild); child;) {
        walk(child, depth + 1, elements);
        HUIANODE next = navigate(child, NavigateDirection_NextSibling);
        UiaNodeRelease(child);
        child = next;
    }
}

void WINAPI onEvent(UiaEventArgs* args, SAFEARRAY* data, BSTR) {
    std::wstring from;
    if (HUIANODE sender = firstElement(data)) {
        from = property(sender, UIA_NamePropertyId);
        UiaNodeRelease(sender);
    }
    const std::lock_guard lock(output);
    std::printf("event %d (arguments of type %d) from \"%s\"\n", args->EventId, args->Type,
                utf8(from.c_str()).c_str());
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_client.exe TITLE\n");
        return 2;
    }
    HWND window = nullptr;
    for (int tries = 0; !window && tries < 150; ++tries, Sleep(200))
        window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::printf("no window titled \"%s\"\n", utf8(argv[1]).c_str());
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    HUIANODE root = nullptr;
    HRESULT result = UiaNodeFromHandle(window, &root);
    if (FAILED(result) || !root) {
        std::printf("UiaNodeFromHandle failed: 0x%08lx\n", static_cast<unsigned long>(result));
        return 1;
    }
    HUIAEVENT event = nullptr;
    result = UiaAddEvent(root, UIA_NotificationEventId, onEvent, TreeScope_Subtree, nullptr, 0,
                         &elementAlone, &event);
    std::printf("UiaAddEvent(notification) returned 0x%08lx\n", static_cast<unsigned long>(result));
    std::fflush(stdout);

    for (char line[64]; std::fgets(line, sizeof line, stdin) && std::strcmp(line, "quit\n") != 0;) {
        if (std::strcmp(line, "tree\n") != 0)
            continue;
        const std::lock_guard lock(output);
        int elements = 0;
        walk(root, 0, elements);
        std::printf("end\n");
        std::fflush(stdout);
    }
    if (event)
        UiaRemoveEvent(event);
    UiaNodeRelease(root);
    CoUninitialize();
    return 0;
}
