#include "platform/qt/target_window_view.h"

#include "app/simulator.h"

struct TargetWindowView::Window {};

TargetWindowView::TargetWindowView(Simulator& s, EventDispatch dispatch) : m_s(s), m_dispatch(std::move(dispatch)) {}

TargetWindowView::~TargetWindowView() = default;

void TargetWindowView::sync() {}
