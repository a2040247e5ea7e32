#include "pngkit/ChildRules.h"

#include "pngkit/PropertyNames.h"

#include <algorithm>
#include <climits>

namespace tessellon::kit {
namespace {

constexpr double kSizeTolerance = 0.0000001;

int Truncate(double value) { return static_cast<int>(value); }

}  // namespace

FittedSize FitSize(int width, int height, int boxWidth, int boxHeight) {
    boxWidth = std::max(boxWidth, 0);
    boxHeight = std::max(boxHeight, 0);
    FittedSize size{width, height};
    if (size.width > boxWidth) {  // then width > 0: the division is sound
        size.height = Truncate(static_cast<double>(height) * boxWidth / width);
        size.width = boxWidth;
    }
    if (size.height > boxHeight) {
        size.width = Truncate(static_cast<double>(size.width) * boxHeight / size.height);
        size.height = boxHeight;
    }
    return size;
}

ImagePlacement PlaceChildImage(int backType, float imageWidth, float imageHeight, int childWidth, int childHeight) {
    ImagePlacement placement;
    if (backType == kPlaceStretched) {
        placement.width = static_cast<float>(childWidth);
        placement.height = static_cast<float>(childHeight);
        return placement;
    }
    if (backType == kPlaceFitted) {
        const FittedSize fitted = FitSize(Truncate(imageWidth), Truncate(imageHeight), childWidth, childHeight);
        placement.width = static_cast<float>(fitted.width);
        placement.height = static_cast<float>(fitted.height);
        placement.offsetX = static_cast<float>((childWidth - fitted.width) / 2);  // truncates toward zero
        placement.offsetY = static_cast<float>((childHeight - fitted.height) / 2);
        return placement;
    }
    if (imageWidth - childWidth > kSizeTolerance || imageHeight - childHeight > kSizeTolerance) {
        // Only the part of the image that lies inside the child: beyond the image there is nothing
        // to show, so the cut never reaches past the image's own edge.
        placement.cutAndStop = true;
        placement.width = std::min(imageWidth, static_cast<float>(childWidth));
        placement.height = std::min(imageHeight, static_cast<float>(childHeight));
        return placement;
    }
    placement.width = imageWidth;
    placement.height = imageHeight;
    return placement;
}

BorderRect EditBorderRect(int childLeft, int childTop, int childWidth, int childHeight) {
    // A one-pixel pen rectangle (x, y, w, h) covers w + 1 by h + 1 pixels; one less keeps the
    // border on the child's own outermost pixels.
    return {childLeft, childTop, childWidth - 1, childHeight - 1};
}

std::optional<TextLayout> EditTextLayout(int childLeft, int childTop, int childWidth, int childHeight,
                                         std::size_t textUnits) {
    constexpr int kInset = 2;
    const int width = childWidth - 2 * kInset;
    const int height = childHeight - 2 * kInset;
    // An empty layout side would mean "unbounded" to the text drawing, not "nothing fits".
    if (textUnits == 0 || width <= 0 || height <= 0) return std::nullopt;
    TextLayout layout;
    layout.x = static_cast<float>(childLeft + kInset);
    layout.y = static_cast<float>(childTop + kInset);
    layout.width = static_cast<float>(width);
    layout.height = static_cast<float>(height);
    layout.length = static_cast<int>(std::min<std::size_t>(textUnits, INT_MAX));
    return layout;
}

ButtonReaction ButtonReactionTo(unsigned message, std::uintptr_t wParam, int currentState) {
    switch (message) {
        case kWmMouseMove:
            // Once over (or pressed), moving on changes nothing: one leave request per entry.
            if (currentState == kButtonOver || currentState == kButtonPressed) return {};
            return {true, kButtonOver, true};
        case kWmMouseLeave:
            return {true, kButtonNormal, false};
        case kWmLButtonDown:
            return {true, kButtonPressed, false};
        case kWmLButtonUp:
            return {true, currentState == kButtonPressed ? kButtonOver : kButtonNormal, false};
        case kWmEnable:
            return {true, wParam == 0 ? kButtonDisabled : kButtonNormal, false};
        default:
            return {};
    }
}

const wchar_t* StateImagePropertyName(int state) {
    switch (state) {
        case kButtonOver: return property::kOverImage;
        case kButtonPressed: return property::kDownImage;
        case kButtonDisabled: return property::kDisableImage;
        default: return nullptr;
    }
}

EditReaction EditReactionTo(unsigned message) {
    switch (message) {
        case kWmChar:
        case kWmImeChar:
        case kWmSetText:
        case kWmCut:
        case kWmPaste:
        case kWmKeyDown:
        case kWmLButtonUp:
            return EditReaction::PassOnThenRecompose;
        case kWmSetFocus:
            return EditReaction::TakeFocusThenRecompose;
        case kWmKillFocus:
            return EditReaction::LeaveFocusThenRecompose;
        default:
            return EditReaction::PassOn;
    }
}

}  // namespace tessellon::kit
