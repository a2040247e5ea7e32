#include "forms/controls/ControlFactory.h"

#include "forms/controls/EditBox.h"
#include "forms/controls/GradientLabel.h"
#include "forms/controls/GroupBox.h"
#include "forms/controls/PictureButton.h"
#include "forms/controls/StatusBar.h"

namespace tessellon::forms {

std::unique_ptr<Control> CreateControl(const ControlDefinition& definition, Form& form, HWND parent) {
    const int id = std::visit(
        [](const auto& d) {
            if constexpr (requires { d.place; })
                return d.place.id;
            else
                return d.id;
        },
        definition);
    struct Maker {
        Form& form;
        HWND parent;
        int id;
        std::unique_ptr<Control> operator()(const GroupBoxDefinition& d) const {
            return std::make_unique<GroupBox>(d, parent, id);
        }
        std::unique_ptr<Control> operator()(const GradientLabelDefinition& d) const {
            return std::make_unique<GradientLabel>(d, parent, id);
        }
        std::unique_ptr<Control> operator()(const EditBoxDefinition& d) const {
            return std::make_unique<EditBox>(d, parent, id);
        }
        std::unique_ptr<Control> operator()(const PictureButtonDefinition& d) const {
            return std::make_unique<PictureButton>(d, form, parent, id);
        }
        std::unique_ptr<Control> operator()(const StatusBarDefinition& d) const {
            return std::make_unique<StatusBar>(d, parent, id);
        }
    };
    auto control = std::visit(Maker{form, parent, id}, definition);
    if (!control->Handle()) return nullptr;
    return control;
}

const std::wstring& ContainerOf(const ControlDefinition& definition) {
    static const std::wstring kWindow;
    return std::visit(
        [](const auto& d) -> const std::wstring& {
            if constexpr (requires { d.place; })
                return d.place.container;
            else
                return kWindow;
        },
        definition);
}

}  // namespace tessellon::forms
