#pragma once
// Makes the live control a definition describes.
#include "forms/Control.h"
#include "forms/ControlDefinition.h"

#include <memory>

namespace tessellon::forms {

// The control's window is a child of parent; nullptr when it could not be made.
std::unique_ptr<Control> CreateControl(const ControlDefinition& definition, Form& form, HWND parent);

// The name of the container a definition places its control in; empty for the window itself.
const std::wstring& ContainerOf(const ControlDefinition& definition);

}  // namespace tessellon::forms
