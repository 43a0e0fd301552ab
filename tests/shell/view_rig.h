#pragma once

#include "harness.h"
#include "platform/qt/main_window_view.h"

#include <QPoint>
#include <QWindow>

#include <string>
#include <vector>

// One pointer event as the range view reported it.
struct ReportedEvent {
    std::string kind;  // "move", "down" or "click"
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
    bool operator==(const ReportedEvent&) const = default;
};

// The main window's view over a fresh simulator, shown, with what it reports recorded instead of
// handled. Its dispatch runs the handler and then the view's sync, as the shell does.
class ViewRig {
public:
    ViewRig()
        : s(testPictures(), sounds, "/tmp")
        , view(s.f, [this](const std::function<void()>& h) { h(); view.sync(); }, recordingInput())
    {
        s.f.Show();
        view.sync();
    }

    RecordingSoundPlayer sounds;
    Simulator s;
    std::vector<ReportedEvent> reported;
    std::vector<int> outerWidths;
    int unloads = 0;
    MainWindowView view;

    QWindow* window() { return view.windowHandle(); }
    // A point of the range view's inner area in the window's coordinates.
    QPoint inWindow(int x, int y) const { return view.rangeView().mapTo(&view, QPoint(x, y)); }
    std::vector<ReportedEvent> reportedOf(const std::string& kind) const
    {
        std::vector<ReportedEvent> of;
        for (const ReportedEvent& e : reported)
            if (e.kind == kind)
                of.push_back(e);
        return of;
    }

private:
    MainWindowInput recordingInput()
    {
        return {
            .resize = [this](int width) { outerWidths.push_back(width); },
            .unload = [this] { ++unloads; },
            .range =
                {
                    .mouseMove = [this](int b, int sh, float x, float y) { reported.push_back({"move", b, sh, x, y}); },
                    .mouseDown = [this](int b, int sh, float x, float y) { reported.push_back({"down", b, sh, x, y}); },
                    .click = [this] { reported.push_back({"click"}); },
                },
        };
    }
};
