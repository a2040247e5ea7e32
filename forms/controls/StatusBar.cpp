#include "forms/controls/StatusBar.h"

#include <commctrl.h>

#include <vector>

namespace tessellon::forms {

StatusBar::StatusBar(const StatusBarDefinition& definition, HWND parent, int id) : Control(definition.name, nullptr) {
    // Without SBARS_SIZEGRIP there is no grip; the bar docks itself along the parent's bottom edge.
    SetHandle(CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr));
    if (!Handle()) return;
    std::vector<int> edges;
    for (const StatusPane& pane : definition.panes) edges.push_back(pane.rightEdge);
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < definition.panes.size(); ++i)
        SendMessageW(Handle(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(definition.panes[i].text.c_str()));
}

}  // namespace tessellon::forms
