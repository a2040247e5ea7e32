#pragma once
// The system's status bar along the bottom of the client area: sunken panes, no size grip.
#include "forms/ControlDefinition.h"
#include "forms/Control.h"

namespace tessellon::forms {

class StatusBar final : public Control {
public:
    StatusBar(const StatusBarDefinition& definition, HWND parent, int id);
};

}  // namespace tessellon::forms
