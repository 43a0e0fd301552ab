#include "shell/main_window/mouse_pointer.h"

#include <array>

std::optional<Qt::CursorShape> pointerShape(int mousePointer)
{
    constexpr std::array<std::optional<Qt::CursorShape>, 16> shapes{
        std::nullopt,        Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        std::nullopt,        Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    if (mousePointer < 0 || mousePointer >= static_cast<int>(shapes.size()))
        return std::nullopt;
    return shapes[static_cast<std::size_t>(mousePointer)];
}
