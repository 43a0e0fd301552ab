#pragma once

#include "found_widgets.h"
#include "harness.h"
#include "shell/main_window/main_window_widget.h"

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

// The main window's view over a fresh simulator, shown, with what it reports of the window and
// the range view recorded instead of handled. Buttons and text boxes reach the model, followed by
// the view's sync, as the shell does.
class ViewRig {
public:
    ViewRig() : s(testPictures(), sounds, "/tmp"), view(s, recordingIntents())
    {
        s.f.Show();
        view.sync();
    }

    RecordingSoundPlayer sounds;
    Simulator s;
    std::vector<ReportedEvent> reported;
    std::vector<int> outerWidths;
    int unloads = 0;
    MainWindowWidget view;

    QWindow* window() { return view.windowHandle(); }
    // A point of the range view's inner area in the window's coordinates.
    QWidget& range() const { return childNamed(view, QStringLiteral("Основа")); }
    QPoint inWindow(int x, int y) const { return range().mapTo(&view, QPoint(x, y)); }
    std::vector<ReportedEvent> reportedOf(const std::string& kind) const
    {
        std::vector<ReportedEvent> of;
        for (const ReportedEvent& e : reported)
            if (e.kind == kind)
                of.push_back(e);
        return of;
    }

private:
    MainWindowIntents recordingIntents()
    {
        return {
            .resized = [this](int width) { outerWidths.push_back(width); },
            .closed = [this] { ++unloads; },
            .minimised = [] {},
            .controls =
                {
                    .pressed =
                        [this](Button MainWindow::*button) {
                            (s.f.*button).click();
                            view.sync();
                        },
                    .chose =
                        [this](MenuButton MainWindow::*menu, std::size_t item) {
                            (s.f.*menu).items.at(item).click();
                            view.sync();
                        },
                    .typed =
                        [this](int k, std::string text) {
                            s.f.i(k).setText(std::move(text));
                            view.sync();
                        },
                },
            .range =
                {
                    .movedPointer =
                        [this](int b, int sh, float x, float y) {
                            reported.push_back({"move", b, sh, x, y});
                        },
                    .pressedButton =
                        [this](int b, int sh, float x, float y) {
                            reported.push_back({"down", b, sh, x, y});
                        },
                    .clicked = [this] { reported.push_back({"click"}); },
                },
        };
    }
};
