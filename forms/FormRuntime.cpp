#include "forms/FormRuntime.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace tessellon::forms {
namespace {

std::vector<std::unique_ptr<Form>>& LiveForms() {
    static std::vector<std::unique_ptr<Form>> forms;
    return forms;
}

bool loopStarted = false;
UnhandledErrorHandler unhandledErrorHandler = nullptr;

// Esc asks the top-level program window it was pressed in to close, whatever child has the focus.
bool HandleEscape(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root || !FindForm(root)) return false;
    SendMessageW(root, WM_CLOSE, 0, 0);
    return true;
}

// Tab and the other dialog keys move between a window's controls.
bool HandleDialogKeys(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    Form* form = root ? FindForm(root) : nullptr;
    return form && form->HasControls() && IsDialogMessageW(root, &message);
}

void Dispatch(MSG& message) {
    if (HandleEscape(message)) return;
    if (HandleDialogKeys(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

Form* LoadForm(const FormDefinition& definition) {
    auto owned = std::make_unique<Form>(definition);
    Form* form = owned.get();
    LiveForms().push_back(std::move(owned));
    if (!form->Create()) {
        std::erase_if(LiveForms(), [form](const auto& f) { return f.get() == form; });
        return nullptr;
    }
    HWND window = form->Handle();
    if (definition.onCreated) detail::RunGuarded([&] { definition.onCreated(*form); });
    if (!IsWindow(window)) return nullptr;
    if (definition.visible) form->Show();
    return form;
}

void LoadFormModal(const FormDefinition& definition) {
    std::vector<HWND> disabled;
    for (const auto& form : LiveForms()) {
        if (IsWindowEnabled(form->Handle())) {
            EnableWindow(form->Handle(), FALSE);
            disabled.push_back(form->Handle());
        }
    }
    if (Form* form = LoadForm(definition)) {
        HWND window = form->Handle();
        MSG message{};
        while (IsWindow(window)) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the outer loop
                break;
            }
            if (got == -1) break;
            Dispatch(message);
        }
    }
    for (HWND window : disabled)
        if (IsWindow(window)) EnableWindow(window, TRUE);
}

void RunMessageLoop() {
    loopStarted = true;
    if (!AnyFormExists()) return;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

bool AnyFormExists() { return !LiveForms().empty(); }

Form* FindForm(HWND window) {
    for (const auto& form : LiveForms())
        if (form->Handle() == window) return form.get();
    return nullptr;
}

void DestroyAllForms() {
    // Destroying a window removes it from the list, so work on a snapshot of the handles.
    std::vector<HWND> windows;
    for (const auto& form : LiveForms()) windows.push_back(form->Handle());
    for (HWND window : windows)
        if (IsWindow(window)) DestroyWindow(window);
}

void SetUnhandledErrorHandler(UnhandledErrorHandler handler) { unhandledErrorHandler = handler; }

namespace detail {

void ReportUnhandledError(const char* what) {
    if (unhandledErrorHandler) unhandledErrorHandler(what);
    ExitProcess(static_cast<UINT>(-1));
}

void FormDestroyed(Form* form) {
    auto& forms = LiveForms();
    std::erase_if(forms, [form](const auto& f) { return f.get() == form; });
    PostMessageW(nullptr, WM_NULL, 0, 0);  // wakes a modal loop waiting for this window to go
    if (forms.empty() && loopStarted) PostQuitMessage(0);
}

}  // namespace detail

}  // namespace tessellon::forms
